#pragma once

#include "settings/setting_id.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace orvik {

// How a value stands in the configuration file.
enum class FileEncoding {
    Fixed,     // a text of the configurator's own, not a setting
    Text,      // the field's text exactly
    Integer,   // the field's text as a number, in plain decimal
    ListIndex, // the selected item's index, -1 for none
    Flag,      // "1" ticked, "0" clear
};

struct ConfigKey {
    QByteArray section;
    QByteArray key;
    std::optional<Setting> setting; // none for Fixed
    FileEncoding encoding;
    QString fixedText; // Fixed only
    // The import's default where it is not the setting's start-up value.
    std::optional<QString> importDefault = std::nullopt;
};

inline const QByteArray kIdentSection = QByteArrayLiteral("!WARNING");
inline const QByteArray kApplicationKey = QByteArrayLiteral("Application");
inline const QByteArray kVersionKey = QByteArrayLiteral("Version");

// The keys of the configuration file, in the order written; a new file
// receives its sections in this order. The import reads the same keys except
// the Fixed ones.
const std::vector<ConfigKey>& configKeys();

// The import's default as text (a number for the numeric encodings).
QString importDefault(const ConfigKey& key);

} // namespace orvik
