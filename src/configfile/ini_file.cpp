#include "configfile/ini_file.h"

#include "settings/number.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvik {

namespace {

std::optional<QByteArray> readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace

IniReader::IniReader(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    const std::optional<QByteArray> bytes = readWhole(path);
    if (bytes && !bytes->contains('\0'))
        document_ = IniDocument(*bytes);
}

QString IniReader::readText(QByteArrayView section, QByteArrayView key,
                            const QString& defaultText) const
{
    const std::optional<QByteArray> value = document_.value(section, key);
    return value ? QString::fromLatin1(*value) : defaultText;
}

std::int32_t IniReader::readInteger(QByteArrayView section, QByteArrayView key,
                                    std::int32_t defaultValue) const
{
    const std::optional<QByteArray> value = document_.value(section, key);
    if (!value)
        return defaultValue;
    return tryReadNumber(QString::fromLatin1(*value)).value_or(defaultValue);
}

bool IniReader::readFlag(QByteArrayView section, QByteArrayView key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool updateIniFile(const QString& path, const std::vector<IniEntry>& entries)
{
    IniDocument document;
    if (QFileInfo::exists(path)) {
        const std::optional<QByteArray> bytes = readWhole(path);
        if (!bytes)
            return false;
        document = IniDocument(*bytes);
    }
    for (const IniEntry& e : entries)
        document.setValue(e.section, e.key, e.value);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = document.bytes();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace orvik
