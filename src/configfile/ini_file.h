#pragma once

#include "configfile/ini_document.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace orvik {

// Reads a private-profile file; none of its reads fails, since every problem
// gives the default: a missing file, a directory, an unreadable file and a
// binary file (one holding a NUL byte) read as empty. Values are Latin-1.
class IniReader {
public:
    explicit IniReader(const QString& path);

    QString readText(QByteArrayView section, QByteArrayView key, const QString& defaultText) const;
    // The strict number reading; the default when the key is missing or its
    // value is not such a number.
    std::int32_t readInteger(QByteArrayView section, QByteArrayView key,
                             std::int32_t defaultValue) const;
    // Any non-zero number means set.
    bool readFlag(QByteArrayView section, QByteArrayView key, bool defaultValue) const;

private:
    IniDocument document_;
};

struct IniEntry {
    QByteArray section;
    QByteArray key;
    QByteArray value;
};

// Writes `entries` in order into the file at `path` by the update rule,
// creating it when missing, and replaces the file as a whole (a temporary file
// beside it, then a rename), so that a failure at any point leaves the old
// file whole. An existing file keeps its permissions. False when the file
// cannot be written, or exists but cannot be read (its content would be lost).
[[nodiscard]] bool updateIniFile(const QString& path, const std::vector<IniEntry>& entries);

} // namespace orvik
