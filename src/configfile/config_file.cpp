#include "configfile/config_file.h"

#include "configfile/config_keys.h"
#include "configfile/ini_file.h"
#include "settings/catalogue.h"
#include "settings/findings.h"
#include "settings/latin1.h"
#include "settings/number.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvik {

namespace {

const char* const kNotOurs = QT_TRANSLATE_NOOP(
    "ConfigFile",
    "Imported configuration file is not a Orvik 2.0 configuration file. \nOperation aborted.");
const char* const kUtf16 =
    QT_TRANSLATE_NOOP("ConfigFile", "Imported configuration file is UTF-16 text, which this "
                                    "configurator cannot read (save it as ANSI or UTF-8). "
                                    "\nOperation aborted.");
const char* const kOtherVersion = QT_TRANSLATE_NOOP(
    "ConfigFile", "Imported configuration file version is different than your current "
                  "application version. \nPlease double-check configuration fields after import. "
                  "\nSome configuration fields my change between firmware versions.");

QString said(const char* text)
{
    return QCoreApplication::translate("ConfigFile", text);
}

// A path as the boxes show it: whole, in the platform's spelling.
QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Whether a key's value can go into the file; a refusal saying why not.
Result<> writable(const Settings& settings, const ConfigKey& key)
{
    if (key.encoding != FileEncoding::Text)
        return {};
    const QString& text = settings.text(*key.setting);
    if (!toLatin1(text))
        return OperationError(Cause::Refused, latin1RefusalMessage(settingName(*key.setting)));
    if (breaksALine(text))
        return OperationError(Cause::Refused, lineBreakRefusalMessage(settingName(*key.setting)));
    return {};
}

// A key's value as written. A numeric field that does not convert fails with
// notANumber.
Result<QByteArray> exportValue(const Settings& settings, const ConfigKey& key)
{
    switch (key.encoding) {
    case FileEncoding::Fixed:
        return key.fixedText.toLatin1();
    case FileEncoding::Text:
        return settings.text(*key.setting).toLatin1();
    case FileEncoding::Integer:
        if (const Result<std::int32_t> n = readNumber(settings.text(*key.setting)); !n.ok())
            return n.error();
        else
            return QByteArray::number(*n);
    case FileEncoding::ListIndex:
        return QByteArray::number(settings.index(*key.setting));
    case FileEncoding::Flag:
        return QByteArray(settings.checked(*key.setting) ? "1" : "0");
    }
    return QByteArray();
}

// The names the import reads, in the order of the keys.
const std::vector<IniName>& importedNames()
{
    static const std::vector<IniName> names = [] {
        std::vector<IniName> n;
        for (const ConfigKey& key : configKeys())
            n.push_back({key.section, key.key});
        return n;
    }();
    return names;
}

// The import's defaults, in the order of the keys, worked out once.
const std::vector<QString>& importDefaults()
{
    static const std::vector<QString> defaults = [] {
        std::vector<QString> d;
        for (const ConfigKey& key : configKeys())
            d.push_back(importDefault(key));
        return d;
    }();
    return defaults;
}

// What a warning quotes of a value at most.
constexpr qsizetype kLongestQuote = 40;

QString quoted(const QString& value)
{
    return value.size() <= kLongestQuote ? value : value.left(kLongestQuote) + QChar(0x2026);
}

// The setting's value from the file, or its default; the warning for a text
// that had to be cut, if any.
std::optional<QString> importValue(Settings& settings, const IniReader& reader,
                                   const ConfigKey& key, const QString& def)
{
    switch (key.encoding) {
    case FileEncoding::Fixed:
        break;
    case FileEncoding::Text: {
        // Cut by the reader, before it became text.
        const QString text = reader.readText(key.section, key.key, def);
        settings.setText(*key.setting, text);
        const qsizetype length =
            text.size() < kLongestIniText - 1 ? 0 : reader.textLength(key.section, key.key);
        if (length <= text.size())
            break;
        return warningLine(
            QCoreApplication::translate("ConfigFile", "%1: %2 characters; the first %3 were taken.")
                .arg(QLatin1String(key.key), QString::number(length),
                     QString::number(text.size())));
    }
    case FileEncoding::Integer:
        settings.setText(*key.setting, QString::number(reader.readInteger(key.section, key.key,
                                                                          *tryReadNumber(def))));
        break;
    case FileEncoding::ListIndex:
        settings.setIndex(*key.setting,
                          reader.readInteger(key.section, key.key, *tryReadNumber(def)));
        break;
    case FileEncoding::Flag:
        settings.setChecked(*key.setting,
                            reader.readFlag(key.section, key.key, *tryReadNumber(def)));
        break;
    }
    return std::nullopt;
}

// The log's line for a number the file holds in a form the reading passes
// over, so that its default does not stand there unnoticed.
std::optional<QString> unreadNumber(const IniReader& reader, const ConfigKey& key,
                                    const QString& def)
{
    if (key.encoding == FileEncoding::Fixed || key.encoding == FileEncoding::Text)
        return std::nullopt;
    const std::optional<QString> value = reader.notANumber(key.section, key.key);
    if (!value)
        return std::nullopt;
    return warningLine(
        QCoreApplication::translate("ConfigFile", "%1: '%2' is not a number; %3 was taken.")
            .arg(QLatin1String(key.key), quoted(*value), def));
}

} // namespace

Result<> ExportConfigFile(const Settings& settings, const QString& path)
{
    // Everything is prepared first, so that a refused value leaves the file
    // as it was.
    std::vector<IniEntry> entries;
    for (const ConfigKey& key : configKeys()) {
        if (Result<> accepted = writable(settings, key); !accepted.ok())
            return accepted;
        Result<QByteArray> value = exportValue(settings, key);
        if (!value.ok())
            return value.error();
        entries.push_back({key.section, key.key, *std::move(value)});
    }
    const Result<> saved = updateIniFile(path, entries);
    if (saved.ok())
        return {};
    // The box says why too when the reason is ours, not the system's.
    const OperationError& why = saved.error();
    const QString& reason = why.text();
    const QString text =
        why.cause() == Cause::UpdatedElsewhere || why.cause() == Cause::NotConfigFile
            ? QCoreApplication::translate("ConfigFile", "Unable to write to %1: %2")
                  .arg(shownPath(path), reason)
            : QCoreApplication::translate("ConfigFile", "Unable to write to %1")
                  .arg(shownPath(path));
    return OperationError(Cause::CannotWrite, text, reason, why.systemError());
}

Result<QStringList> ImportConfigFile(Settings& settings, const QString& path)
{
    // Memory is the one thing an import can run out of; that ends it here,
    // before any setting has changed.
    std::optional<IniReader> read;
    try {
        read.emplace(path, importedNames());
    } catch (const std::bad_alloc&) {
        return OperationError(Cause::OutOfMemory, QCoreApplication::translate(
                                                      "ConfigFile", "Not enough memory to read %1")
                                                      .arg(shownPath(path)));
    }
    const IniReader& reader = *read;
    if (reader.isUtf16())
        return OperationError(Cause::Refused, said(kUtf16));
    const QString unknown = QStringLiteral("unknown");
    if (reader.readText(kIdentSection, kApplicationKey, unknown) != kAppTitle)
        return OperationError(Cause::Refused, said(kNotOurs));
    std::vector<OperationError> notes;
    if (reader.readText(kIdentSection, kVersionKey, unknown) != kVersionText)
        notes.emplace_back(Cause::Refused, said(kOtherVersion));
    QStringList warnings;
    for (std::size_t i = 0; i < configKeys().size(); ++i) {
        if (auto cut = importValue(settings, reader, configKeys()[i], importDefaults()[i]))
            warnings << *cut;
        if (auto warning = unreadNumber(reader, configKeys()[i], importDefaults()[i]))
            warnings << *warning;
    }
    return {warnings, std::move(notes)};
}

} // namespace orvik
