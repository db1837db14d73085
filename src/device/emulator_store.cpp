#include "device/emulator_store.h"

#include "device/firmware_upload.h"
#include "files/file_access.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace orvik {

namespace {

const QString kEepromFile = QStringLiteral("eeprom.bin");
const QString kVersionFile = QStringLiteral("firmware-version");
const QString kFirmwareFile = QStringLiteral("firmware.bin");
const QString kFaultsFile = QStringLiteral("faults");

// Any of them makes a directory an appliance.
const std::array kApplianceFiles = {&kEepromFile, &kVersionFile, &kFirmwareFile, &kFaultsFile};

const QByteArray kFaultsTemplate =
    "# Fault plan of the emulated appliance, one entry per line:\n"
    "#   COMMAND PAGE KIND, absent, open-error REASON or frame-us N\n"
    "# (see the README). Example: write 6 refuse\n";

struct Name {
    const char* text;
    int value;
};

constexpr std::array kCommandNames = {
    Name{"version", static_cast<int>(Command::FirmwareVersion)},
    Name{"read", static_cast<int>(Command::ReadConfigPage)},
    Name{"write", static_cast<int>(Command::WriteConfigPage)},
    Name{"firmware", static_cast<int>(Command::WriteFirmwarePage)},
};

template <std::size_t N>
std::optional<int> lookUp(const std::array<Name, N>& names, const QString& word)
{
    for (const Name& n : names) {
        if (word == QLatin1String(n.text))
            return n.value;
    }
    return std::nullopt;
}

// The fault the words name; nullopt with `why` when they name none, or one
// that would mean nothing for its command.
std::optional<Fault> parseFault(const QStringList& words, QString& why)
{
    why = QStringLiteral("not a fault");
    const auto command = lookUp(kCommandNames, words.value(0));
    const auto kind = std::find_if(std::begin(kFaultKinds), std::end(kFaultKinds),
                                   [&](const FaultKindRow& k) { return words.value(2) == k.name; });
    if (!command || kind == std::end(kFaultKinds))
        return std::nullopt;
    const bool hold = kind->kind == FaultKind::Hold;
    if (words.size() != (hold ? 4 : 3))
        return std::nullopt;
    Fault fault{static_cast<Command>(*command), std::nullopt, kind->kind};
    if (hold) {
        bool ok = false;
        fault.holdMs = words[3].toInt(&ok);
        if (!ok || fault.holdMs < 0)
            return std::nullopt;
    }
    if (words[1] != QLatin1String("*")) {
        bool ok = false;
        const uint page = words[1].toUInt(&ok);
        if (!ok || page > 0xFFFF || fault.command == Command::FirmwareVersion)
            return std::nullopt;
        const uint pages =
            fault.command == Command::WriteFirmwarePage ? kFirmwarePageLimit : kPageCount;
        if (page >= pages) {
            why = QStringLiteral("%1 pages run from 0 to %2").arg(words[0]).arg(pages - 1);
            return std::nullopt;
        }
        fault.page = static_cast<std::uint16_t>(page);
    }
    // No other reply carries a checksum: the appliance would answer as if
    // nothing were wrong.
    if (fault.kind == FaultKind::BadChecksum && fault.command != Command::ReadConfigPage) {
        why = QStringLiteral("bad-checksum is for read only, whose reply alone carries one");
        return std::nullopt;
    }
    return fault;
}

// Puts the file's bytes (at most `limit` + 1) into `bytes`, which stays empty
// when there is no such file. False only when the file is there but unusable.
bool readFile(const QString& path, qint64 limit, std::optional<QByteArray>& bytes, QString& error)
{
    if (!QFileInfo::exists(path))
        return true;
    Result<QByteArray> content = readRegularFile(path, limit + 1);
    if (!content.ok()) {
        error = path + QStringLiteral(": ") + content.errorText();
        return false;
    }
    bytes = *std::move(content);
    return true;
}

bool writeFile(const QString& path, const QByteArray& bytes, QString& error)
{
    const Result<> status = writeFileAtomically(path, bytes);
    if (!status.ok())
        error = path + QStringLiteral(": ") + status.errorText();
    return status.ok();
}

bool writeIfMissing(const QString& path, const QByteArray& bytes, QString& error)
{
    return QFileInfo::exists(path) || writeFile(path, bytes, error);
}

bool holdsAppliance(const QDir& dir)
{
    return std::any_of(kApplianceFiles.begin(), kApplianceFiles.end(),
                       [&](const QString* name) { return dir.exists(*name); });
}

// The appliance kept in `dir`; false with `error` when a file is unusable.
bool loadAppliance(const QString& dir, Appliance& appliance, QString& error)
{
    const QDir d(dir);
    if (!d.mkpath(QStringLiteral(".")) ||
        !writeIfMissing(d.filePath(kVersionFile),
                        QByteArray::number(appliance.firmwareVersion) + '\n', error) ||
        !writeIfMissing(d.filePath(kFaultsFile), kFaultsTemplate, error)) {
        if (error.isEmpty())
            error = dir + QStringLiteral(": cannot create the directory");
        return false;
    }

    // Any other size is no image, however large: said as such before reading,
    // not as a file too large to read.
    const QFileInfo eepromFile(d.filePath(kEepromFile));
    const QString notAnImage =
        eepromFile.filePath() +
        QStringLiteral(": not an EEPROM image (it must be exactly %1 bytes)").arg(kImageSize);
    if (eepromFile.isFile() && eepromFile.size() != kImageSize) {
        error = notAnImage;
        return false;
    }
    std::optional<QByteArray> eeprom, firmware, version, faults;
    if (!readFile(d.filePath(kEepromFile), kImageSize, eeprom, error) ||
        !readFile(d.filePath(kFirmwareFile), kUploadBufferSize, firmware, error) ||
        !readFile(d.filePath(kVersionFile), 64, version, error) ||
        !readFile(d.filePath(kFaultsFile), 1 << 20, faults, error))
        return false;
    if (eeprom) {
        if (eeprom->size() != kImageSize) { // changed since it was measured
            error = notAnImage;
            return false;
        }
        std::copy(eeprom->begin(), eeprom->end(), appliance.eeprom.begin());
    }
    if (firmware)
        appliance.firmware = firmware->left(kUploadBufferSize);
    if (version) {
        bool ok = false;
        appliance.firmwareVersion = version->trimmed().toUInt(&ok);
        if (!ok) {
            error = d.filePath(kVersionFile) +
                    QStringLiteral(": not a firmware version in hundredths (such as 102)");
            return false;
        }
    }
    if (faults) {
        QString why;
        if (!parseFaultPlan(QString::fromUtf8(*faults), appliance, why)) {
            error = d.filePath(kFaultsFile) + QStringLiteral(", ") + why;
            return false;
        }
    }
    appliance.path = dir.toStdString();
    appliance.changed = false;
    return true;
}

} // namespace

// Writes back the EEPROM and firmware when the appliance was sent any.
bool saveAppliance(Appliance& appliance, QString& error)
{
    if (!appliance.changed)
        return true;
    const QDir d(QString::fromStdString(appliance.path));
    const QByteArray eeprom(reinterpret_cast<const char*>(appliance.eeprom.data()), kImageSize);
    if (!writeFile(d.filePath(kEepromFile), eeprom, error))
        return false;
    if (!appliance.firmware.isEmpty() &&
        !writeFile(d.filePath(kFirmwareFile), appliance.firmware, error))
        return false;
    appliance.changed = false;
    return true;
}

bool reloadAppliance(Appliance& appliance, QString& error)
{
    const QString dir = QString::fromStdString(appliance.path);
    const QString serialNumber = appliance.serialNumber;
    appliance = Appliance();
    appliance.serialNumber = serialNumber;
    return loadAppliance(dir, appliance, error);
}

namespace {

// frame-us N: the appliance's pace, N microseconds a frame.
std::optional<std::chrono::microseconds> frameMicroseconds(const QStringList& words)
{
    bool ok = false;
    const uint us =
        words.size() == 2 && words[0] == QLatin1String("frame-us") ? words[1].toUInt(&ok) : 0;
    return ok ? std::optional(std::chrono::microseconds(us)) : std::nullopt;
}

} // namespace

bool parseFaultPlan(const QString& text, Appliance& appliance, QString& error)
{
    const QStringList lines = text.split('\n');
    QString why;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].section('#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (words == QStringList{QStringLiteral("absent")}) {
            appliance.present = false;
        } else if (const auto us = frameMicroseconds(words)) {
            appliance.frame = *us;
        } else if (words[0] == QLatin1String("open-error") && words.size() > 1) {
            appliance.openError = line.mid(words[0].size()).trimmed();
        } else if (const auto fault = parseFault(words, why)) {
            appliance.faults.push_back(*fault);
        } else {
            error = QStringLiteral("line %1: %2: %3").arg(i + 1).arg(why, line);
            return false;
        }
    }
    return true;
}

bool loadAppliances(const QString& dir, ApplianceEmulator& emulator, QString& error)
{
    const QDir root(dir);
    QStringList serials = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    serials.removeIf([&](const QString& name) { return !holdsAppliance(root.filePath(name)); });
    if ((holdsAppliance(root) || serials.isEmpty()) &&
        !loadAppliance(dir, emulator.attach({}), error))
        return false;
    for (const QString& serial : serials) {
        Appliance& appliance = emulator.attach({});
        if (!loadAppliance(root.filePath(serial), appliance, error))
            return false;
        appliance.serialNumber = serial;
    }
    return true;
}

bool saveAppliances(ApplianceEmulator& emulator, QString& error)
{
    for (Appliance& appliance : emulator.appliances()) {
        if (!saveAppliance(appliance, error))
            return false;
    }
    return true;
}

} // namespace orvik
