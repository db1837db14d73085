#include "configfile/config_file.h"

#include "configfile/config_keys.h"
#include "configfile/ini_file.h"
#include "settings/catalogue.h"
#include "settings/latin1.h"
#include "settings/number.h"
#include "settings/operation.h"
#include "settings/settings.h"

#include <QDir>
#include <QFileInfo>

namespace orvik {

namespace {

const QString kNotOurs = QStringLiteral(
    "Imported configuration file is not a Orvik 2.0 configuration file. \nOperation aborted.");
const QString kOtherVersion =
    QStringLiteral("Imported configuration file version is different than your current "
                   "application version. \nPlease double-check configuration fields after "
                   "import. \nSome configuration fields my change between firmware versions.");

// A key's value as written; nullopt when a text holds a character Latin-1
// cannot hold. A numeric field that does not convert throws ConversionError.
std::optional<QByteArray> exportValue(const Settings& settings, const ConfigKey& key)
{
    switch (key.encoding) {
    case FileEncoding::Fixed:
        return key.fixedText.toLatin1();
    case FileEncoding::Text:
        return toLatin1(settings.text(key.setting));
    case FileEncoding::Integer:
        return QByteArray::number(readNumber(settings.text(key.setting)));
    case FileEncoding::ListIndex:
        return QByteArray::number(settings.index(key.setting));
    case FileEncoding::Flag:
        return QByteArray(settings.checked(key.setting) ? "1" : "0");
    }
    return std::nullopt;
}

void importValue(Settings& settings, const IniReader& reader, const ConfigKey& key)
{
    const QString def = importDefault(key);
    switch (key.encoding) {
    case FileEncoding::Fixed:
        break;
    case FileEncoding::Text:
        settings.setText(key.setting, reader.readText(key.section, key.key, def));
        break;
    case FileEncoding::Integer:
        settings.setText(key.setting, QString::number(reader.readInteger(key.section, key.key,
                                                                         readNumber(def))));
        break;
    case FileEncoding::ListIndex:
        settings.setIndex(key.setting, reader.readInteger(key.section, key.key, readNumber(def)));
        break;
    case FileEncoding::Flag:
        settings.setChecked(key.setting, reader.readFlag(key.section, key.key, readNumber(def)));
        break;
    }
}

} // namespace

bool ExportConfigFile(const Settings& settings, const QString& path, Reporter& reporter)
{
    // Everything is prepared first, so that a refused value leaves the file
    // as it was.
    std::vector<IniEntry> entries;
    for (const ConfigKey& key : configKeys()) {
        std::optional<QByteArray> value = exportValue(settings, key);
        if (!value) {
            reporter.information(latin1RefusalMessage(key.setting));
            return false;
        }
        entries.push_back({key.section, key.key, std::move(*value)});
    }
    if (!updateIniFile(path, entries)) {
        throw OperationError(QStringLiteral("Unable to write to ") +
                             QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    }
    return true;
}

bool ImportConfigFile(Settings& settings, const QString& path, Reporter& reporter)
{
    const IniReader reader(path);
    const QString unknown = QStringLiteral("unknown");
    if (reader.readText(kIdentSection, kApplicationKey, unknown) != kAppTitle) {
        reporter.information(kNotOurs);
        return false;
    }
    if (reader.readText(kIdentSection, kVersionKey, unknown) != kVersionText)
        reporter.information(kOtherVersion);
    for (const ConfigKey& key : configKeys())
        importValue(settings, reader, key);
    return true;
}

} // namespace orvik
