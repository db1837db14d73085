#include "configfile/ini_file.h"

#include "settings/number.h"

#include <QCoreApplication>
#include <cerrno>

namespace orvik {

namespace {

bool startsUtf16(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

// A NUL byte makes a file binary: an image, a firmware, or UTF-16 text
// without a mark, none of which the import reads. So does a run of erased
// bytes (0xFF), which an image read from an erased appliance is made of and
// no text holds.
bool binary(QByteArrayView bytes)
{
    return bytes.contains('\0') ||
           bytes.indexOf(QByteArrayView("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF")) >= 0;
}

} // namespace

IniReader::IniReader(const QString& path, std::span<const IniName> names)
    : names_(names), values_(names.size())
{
    const Result<QByteArray> file = readRegularFile(path, kMaxIniFileSize);
    if (!file.ok())
        return;
    utf16_ = startsUtf16(*file);
    if (utf16_ || binary(*file))
        return;
    document_ = IniDocument(*file);
    utf8_ = document_.hasUtf8Mark();
    values_ = document_.values(names);
}

std::optional<QString> IniReader::find(QByteArrayView section, QByteArrayView key) const
{
    // The keys are mostly read in the order named, some twice: the search
    // starts at the last one found.
    for (std::size_t n = 0; n < names_.size(); ++n) {
        const std::size_t i = (next_ + n) % names_.size();
        if (sameIniName(names_[i].key, key) && sameIniName(names_[i].section, section)) {
            next_ = i;
            if (!values_[i])
                return std::nullopt;
            return utf8_ ? QString::fromUtf8(*values_[i]) : QString::fromLatin1(*values_[i]);
        }
    }
    return std::nullopt;
}

QString IniReader::readText(QByteArrayView section, QByteArrayView key,
                            const QString& defaultText) const
{
    return find(section, key).value_or(defaultText);
}

std::int32_t IniReader::readInteger(QByteArrayView section, QByteArrayView key,
                                    std::int32_t defaultValue) const
{
    const std::optional<QString> value = find(section, key);
    if (!value)
        return defaultValue;
    return tryReadNumber(*value).value_or(defaultValue);
}

bool IniReader::readFlag(QByteArrayView section, QByteArrayView key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::optional<QString> IniReader::notANumber(QByteArrayView section, QByteArrayView key) const
{
    std::optional<QString> value = find(section, key);
    if (value && tryReadNumber(*value))
        return std::nullopt;
    return value;
}

QString notIniText()
{
    return QCoreApplication::translate("ConfigFile",
                                       "it is not a configuration file; nothing was changed.");
}

Result<QByteArray> updatableText(const QString& path)
{
    Result<QByteArray> file = readRegularFile(path, kMaxIniFileSize);
    // A file not there yet is made; anything else that stops the read stops
    // the update, as its content would be lost.
    if (!file.ok() && file.error().systemError() == ENOENT)
        return QByteArray();
    if (!file.ok())
        return file.error();
    if (startsUtf16(*file))
        return OperationError(
            Cause::Failed,
            QCoreApplication::translate("ConfigFile", "Holds UTF-16 text, which would be lost"));
    if (binary(*file))
        return OperationError(Cause::NotConfigFile, notIniText());
    return file;
}

Result<> updateIniFile(const QString& path, std::span<const IniEntry> entries)
{
    const FileUpdateLock lock(path);
    if (Result<> taken = lock.taken(); !taken.ok())
        return taken;
    Result<QByteArray> text = updatableText(path);
    if (!text.ok())
        return text.error();
    const IniDocument document(*std::move(text));
    std::vector<IniEntry> utf8;
    if (document.hasUtf8Mark()) {
        utf8.assign(entries.begin(), entries.end());
        for (IniEntry& e : utf8)
            e.value = QString::fromLatin1(e.value).toUtf8();
        entries = utf8;
    }
    return writeFileAtomically(path, document.updated(entries).pieces());
}

} // namespace orvik
