#pragma once

#include "configfile/ini_document.h"
#include "files/result.h"

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace orvik {

// A configuration file is a few KB; this leaves room for any amount of
// foreign lines while bounding what a wrong file can cost.
inline constexpr qint64 kMaxIniFileSize = qint64(256) << 20;

// Longer than any setting holds: a value becomes text up to this many
// characters at most, so that a hostile file costs no more than this per key
// however long its values.
inline constexpr qsizetype kLongestIniText = 1024;

// Reads the keys asked for from a private-profile file; none of its reads
// fails, since every problem gives the default: a missing file, one that is
// not a regular file or is too large, an unreadable file, a binary file (one
// holding a NUL byte) and a UTF-16 file read as empty. Values are Latin-1, or
// UTF-8 in a file that starts with the UTF-8 byte-order mark.
class IniReader {
public:
    // Only the keys named in `names` (distinct names, which must outlive the
    // reader) can be read back; the file is read once, and a value becomes
    // text only when it is read, and only as far as kLongestIniText, so that
    // the reader costs little more than the file however long its values.
    IniReader(const QString& path, std::span<const IniName> names);

    // True when the file is UTF-16 text (it starts with a UTF-16 mark), which
    // this reader does not read.
    bool isUtf16() const { return utf16_; }

    // The value's first kLongestIniText characters (never half of one) when
    // it has more.
    QString readText(QByteArrayView section, QByteArrayView key, const QString& defaultText) const;
    // The whole value's length in characters, counted without making text of
    // it; 0 when the key is missing.
    qsizetype textLength(QByteArrayView section, QByteArrayView key) const;
    // The strict number reading; the default when the key is missing or its
    // value is not such a number.
    std::int32_t readInteger(QByteArrayView section, QByteArrayView key,
                             std::int32_t defaultValue) const;
    // Any non-zero number means set.
    bool readFlag(QByteArrayView section, QByteArrayView key, bool defaultValue) const;
    // The value of a key that is there but is not a number, which the two
    // reads above pass over for their default.
    std::optional<QString> notANumber(QByteArrayView section, QByteArrayView key) const;

private:
    // The value's bytes, as text would be made of them.
    std::optional<QByteArrayView> find(QByteArrayView section, QByteArrayView key) const;
    std::optional<QString> findText(QByteArrayView section, QByteArrayView key) const;

    std::span<const IniName> names_;
    IniDocument document_;
    std::vector<std::optional<QByteArrayView>> values_; // by name, in document_
    bool utf8_ = false;
    mutable std::size_t next_ = 0; // where find() looks first
    bool utf16_ = false;
};

// Why an update leaves a file alone that the import would not read as text.
QString notIniText();

// The text of the existing file at `path` that an update would start from,
// empty when there is none. Refused, with the reason, when it cannot be read
// (its content would be lost), is UTF-16 text, or is binary (notIniText()): a
// NUL byte, as in an image, a firmware or UTF-16 text without a mark.
Result<QByteArray> updatableText(const QString& path);

// Writes `entries` in order into the file at `path` by the update rule,
// creating it when missing, and replaces the file as a whole by
// writeFileAtomically, so that a failure at any point leaves the old file
// whole. All of it happens under the file's FileUpdateLock, so that two
// updates at once both land; when another program has it, the update fails
// at once with kUpdatedElsewhere. Refused as updatableText refuses. Values
// are given in Latin-1 and go into a file with the UTF-8 mark as UTF-8.
Result<> updateIniFile(const QString& path, std::span<const IniEntry> entries);

} // namespace orvik
