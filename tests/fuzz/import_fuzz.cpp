// Arbitrary bytes as a configuration file: the import must take anything, and
// the update rule must leave every key it writes readable as written.
#include "configfile/config_file.h"
#include "configfile/config_keys.h"
#include "configfile/ini_document.h"
#include "settings/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath("fuzz.cfg");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            std::abort();
    }
    orvik::Settings settings([] { return std::int64_t(0); });
    (void)orvik::ImportConfigFile(settings, path);

    std::vector<orvik::IniEntry> entries;
    for (const orvik::ConfigKey& key : orvik::configKeys())
        entries.push_back({key.section, key.key, "v" + key.key});
    const orvik::IniDocument updated(orvik::IniDocument(bytes).updated(entries).joined());
    for (const orvik::ConfigKey& key : orvik::configKeys()) {
        if (updated.value(key.section, key.key) != "v" + key.key)
            std::abort();
    }
    return 0;
}
