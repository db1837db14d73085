#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <optional>
#include <utility>
#include <vector>

namespace orvik {

// A private-profile (INI) text as the Windows private-profile functions read
// and update it, so that files move between this configurator and the Windows
// one both ways. Bytes in, bytes out: the caller decides their encoding.
//
// Reading: lines end at CR, LF or CR LF and are trimmed of blanks and control
// characters; "[name]" opens a section (up to the last "]"); other lines are
// "key=value" split at the first "=", or no key at all. Names match without
// regard to letter case; the first matching section and in it the first
// matching key win.
//
// Updating keeps every byte it does not write: a key's line is replaced where
// it stands, a new key goes after the last key line of its section, a new
// section goes at the end. Lines written end in CR LF.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(QByteArrayView bytes);

    // The value trimmed, and without a pair of enclosing quotes (" or ');
    // nullopt when the section or the key is missing. A key with nothing after
    // "=" gives an empty value.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;

    // Writes `value` exactly as given, blanks included.
    void setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    QByteArray bytes() const;

private:
    // A line with what it says, parsed once.
    struct Line {
        enum Type { Other, Section, Key };
        Line(QByteArray text, QByteArray end);

        QByteArray text;
        QByteArray end; // "\r", "\n", "\r\n", or empty for a last line without a break
        Type type = Other;
        QByteArray name;   // trimmed, as spelt in the file
        QByteArray folded; // the name as compared
        QByteArray value;  // trimmed, quotes kept
    };
    // Index of the first section line named `section`, or -1.
    qsizetype findSection(const QByteArray& folded) const;
    void endWithBreak(qsizetype line);

    std::vector<Line> lines_;
    // Every readable value by folded section and key names; built on the first
    // read after a change, so that a whole import reads the text only once.
    mutable std::optional<QHash<std::pair<QByteArray, QByteArray>, QByteArray>> values_;
};

} // namespace orvik
