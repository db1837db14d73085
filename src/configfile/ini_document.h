#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <span>
#include <vector>

namespace orvik {

struct IniName {
    QByteArrayView section;
    QByteArrayView key;
};

struct IniEntry {
    QByteArray section;
    QByteArray key;
    QByteArray value;
};

// Section and key names match without regard to letter case, Latin-1
// letters included.
bool sameIniName(QByteArrayView a, QByteArrayView b);

// A text made of pieces of an unchanged text and of the lines written into
// it, so that a large file is written back without a joined copy in memory.
class IniText {
public:
    const std::vector<QByteArrayView>& pieces() const { return pieces_; }
    QByteArray joined() const;

private:
    friend class IniDocument;
    QByteArray source_;
    std::vector<QByteArray> added_;
    std::vector<QByteArrayView> pieces_; // into source_ and added_
};

// A private-profile (INI) text as the Windows private-profile functions read
// and update it, so that files move between this configurator and the Windows
// one both ways. Bytes in, bytes out: the caller decides their encoding. A
// UTF-8 byte-order mark is no part of the first line, and stays.
//
// Reading: lines end at CR, LF or CR LF and are trimmed of blanks (spaces and
// tabs, nothing else); "[name]" opens a section (up to the last "]"); other
// lines are "key=value" split at the first "=", or no key at all. Names match
// without regard to letter case; the first matching section and in it the
// first matching key win.
//
// Updating keeps every byte it does not write: a key's line is replaced where
// it stands, a new key goes after the last key line of its section, a new
// section goes at the end. Lines written end as the text's first line does
// (CR LF, LF or CR); in a text without a break, in CR LF.
//
// The text is scanned as it stands, without a copy of each line, and only the
// keys asked for are kept, so that a large file costs little more than itself.
class IniDocument {
public:
    explicit IniDocument(QByteArray text = {});

    // True when the text starts with the UTF-8 byte-order mark, which makes a
    // file UTF-8 rather than Latin-1.
    bool hasUtf8Mark() const;

    // The value trimmed, and without a pair of enclosing quotes (" or ');
    // nullopt when the section or the key is missing. A key with nothing after
    // "=" gives an empty value.
    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    // The values of `names`, distinct names, as value() gives them, in one
    // pass over the text; views into it.
    std::vector<std::optional<QByteArrayView>> values(std::span<const IniName> names) const;

    // The text with each entry's value written exactly as given, blanks
    // included, in one pass; a key given twice takes the last value.
    IniText updated(std::span<const IniEntry> entries) const;

private:
    // Where the first line starts, after a byte-order mark.
    qsizetype bodyStart() const;

    QByteArray text_;
};

} // namespace orvik
