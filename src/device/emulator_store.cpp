#include "device/emulator_store.h"

#include "device/firmware_upload.h"
#include "files/atomic_write.h"
#include "files/capped_read.h"
#include "files/native_names.h"
#include "files/path_walk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik {

namespace {

const QString kEepromFile = QStringLiteral("eeprom.bin");
const QString kVersionFile = QStringLiteral("firmware-version");
const QString kFirmwareFile = QStringLiteral("firmware.bin");
const QString kFaultsFile = QStringLiteral("faults");

constexpr qint64 kFaultsLimit = 1 << 20;

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

// The fault the words name; fails when they name none, or one that would
// mean nothing for its command.
Result<Fault> parseFault(const QStringList& words)
{
    const OperationError none(Cause::Failed,
                              QCoreApplication::translate("Emulator", "not a fault"));
    const auto command = lookUp(kCommandNames, words.value(0));
    const auto kind = std::find_if(std::begin(kFaultKinds), std::end(kFaultKinds),
                                   [&](const FaultKindRow& k) { return words.value(2) == k.name; });
    if (!command || kind == std::end(kFaultKinds))
        return none;
    const bool hold = kind->kind == FaultKind::Hold;
    if (words.size() != (hold ? 4 : 3))
        return none;
    Fault fault{static_cast<Command>(*command), std::nullopt, kind->kind};
    if (hold) {
        bool ok = false;
        fault.holdMs = words[3].toInt(&ok);
        if (!ok || fault.holdMs < 0)
            return none;
    }
    if (words[1] != QLatin1String("*")) {
        bool ok = false;
        const uint page = words[1].toUInt(&ok);
        if (!ok || page > 0xFFFF || fault.command == Command::FirmwareVersion)
            return none;
        const uint pages =
            fault.command == Command::WriteFirmwarePage ? kFirmwarePageLimit : kPageCount;
        if (page >= pages)
            return OperationError(
                Cause::Failed, QCoreApplication::translate("Emulator", "%1 pages run from 0 to %2")
                                   .arg(words[0], QString::number(pages - 1)));
        fault.page = static_cast<std::uint16_t>(page);
    }
    // No other reply carries a checksum: the appliance would answer as if
    // nothing were wrong.
    if (fault.kind == FaultKind::BadChecksum && fault.command != Command::ReadConfigPage)
        return OperationError(
            Cause::Failed,
            QCoreApplication::translate(
                "Emulator", "bad-checksum is for read only, whose reply alone carries one"));
    return fault;
}

// A failure of the file at `path`, the path in front.
OperationError fileError(const QString& path, const OperationError& error)
{
    return OperationError(error.cause(), path + QStringLiteral(": ") + error.text(), {},
                          error.systemError());
}

// The file `name` of `folder` (at `dir`), at most `limit` + 1 bytes; nullopt
// when there is no such file. Fails only when the file is there but unusable.
Result<std::optional<QByteArray>> readFile(const Folder& folder, const QString& dir,
                                           const QString& name, qint64 limit)
{
    if (!holds(folder, name))
        return std::optional<QByteArray>();
    Result<QByteArray> content = readRegularFile(folder, name, limit + 1);
    if (!content.ok())
        return fileError(QDir(dir).filePath(name), content.error());
    return std::optional<QByteArray>(*std::move(content));
}

Result<> writeFile(const Folder& folder, const QString& dir, const QString& name,
                   const QByteArray& bytes)
{
    if (Result<> written = writeFileAtomically(folder, name, bytes); !written.ok())
        return fileError(QDir(dir).filePath(name), written.error());
    return {};
}

// The subdirectories of `dir` whose names Qt cannot spell back, which QDir
// lists under other names; as unusableName shows them.
QStringList unspellableFolders(const QString& dir)
{
    QStringList names;
    DIR* d = ::opendir(QFile::encodeName(dir).constData());
    if (!d)
        return names;
    while (const dirent* entry = ::readdir(d)) {
        const QString shown = unusableName(entry->d_name);
        if (!shown.isEmpty() && (entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN))
            names << shown;
    }
    ::closedir(d);
    return names;
}

bool holdsAppliance(const QString& dir)
{
    const Result<Folder> folder = openFolder(dir);
    return folder.ok() && std::any_of(kApplianceFiles.begin(), kApplianceFiles.end(),
                                      [&](const QString* name) { return holds(*folder, *name); });
}

// As root, a folder on the way that another user owns, or may write in, is
// theirs to fill with links, which would lead root's writes wherever they
// like, between root's looks or before them. In a sticky one (/tmp) they can
// replace no name of root's, and the walk follows no link of theirs.
Result<> rootsOwn(const QString& way, const struct stat& folder)
{
    if (::geteuid() != 0)
        return {};
    const char* why = nullptr;
    if (folder.st_uid != 0)
        why = QT_TRANSLATE_NOOP("Emulator", "%1: the folder belongs to another user, who could "
                                            "plant links in it; as root, use a folder of root's "
                                            "own");
    else if (!(folder.st_mode & S_ISVTX) &&
             ((folder.st_mode & S_IWOTH) || ((folder.st_mode & S_IWGRP) && folder.st_gid != 0)))
        why = QT_TRANSLATE_NOOP("Emulator", "%1: other users may write in the folder and could "
                                            "plant links in it; as root, use a folder of root's "
                                            "own");
    if (!why)
        return {};
    return OperationError(Cause::Failed, QCoreApplication::translate("Emulator", why).arg(way));
}

// The appliance kept in `folder` (at `dir`); fails when a file is unusable.
// Listed again, it is only read: a folder being taken away must not be made
// anew.
Result<> readAppliance(const Folder& folder, const QString& dir, Appliance& appliance,
                       Listing listing)
{
    const bool make = listing == Listing::MakeOne;
    const QDir d(dir);
    for (const auto& [name, bytes] :
         {std::pair{kVersionFile, QByteArray::number(appliance.firmwareVersion) + '\n'},
          std::pair{kFaultsFile, kFaultsTemplate}}) {
        if (!make || holds(folder, name))
            continue;
        if (Result<> written = writeFile(folder, dir, name, bytes); !written.ok())
            return written;
    }

    // Any other size is no image, however large: said as such before reading,
    // not as a file too large to read.
    const QString notAnImage =
        QCoreApplication::translate("Emulator",
                                    "%1: not an EEPROM image (it must be exactly %2 bytes)")
            .arg(d.filePath(kEepromFile), QString::number(kImageSize));
    struct stat eepromFile {};
    if (::fstatat(folder.fd(), QFile::encodeName(kEepromFile).constData(), &eepromFile,
                  AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(eepromFile.st_mode) && eepromFile.st_size != kImageSize)
        return OperationError(Cause::Failed, notAnImage);
    std::array<std::optional<QByteArray>, 4> read;
    const std::array<std::pair<const QString*, qint64>, 4> files{
        {{&kEepromFile, kImageSize},
         {&kFirmwareFile, kUploadBufferSize},
         {&kVersionFile, 64},
         {&kFaultsFile, kFaultsLimit}}};
    for (std::size_t i = 0; i < files.size(); ++i) {
        Result<std::optional<QByteArray>> file =
            readFile(folder, dir, *files[i].first, files[i].second);
        if (!file.ok())
            return file.error();
        read[i] = *std::move(file);
    }
    auto& [eeprom, firmware, version, faults] = read;
    if (eeprom) {
        if (eeprom->size() != kImageSize) // changed since it was measured
            return OperationError(Cause::Failed, notAnImage);
        std::copy(eeprom->begin(), eeprom->end(), appliance.eeprom.begin());
    }
    if (firmware)
        appliance.firmware = firmware->left(kUploadBufferSize);
    if (version) {
        bool ok = false;
        appliance.firmwareVersion = version->trimmed().toUInt(&ok);
        if (!ok)
            return OperationError(
                Cause::Failed,
                QCoreApplication::translate(
                    "Emulator", "%1: not a firmware version in hundredths (such as 102)")
                    .arg(d.filePath(kVersionFile)));
    }
    if (faults) {
        if (Result<> plan = parseFaultPlan(QString::fromUtf8(*faults), appliance); !plan.ok())
            return OperationError(Cause::Failed, d.filePath(kFaultsFile) + QStringLiteral(", ") +
                                                     plan.error().text());
    }
    appliance.path = dir.toStdString();
    return {};
}

Result<> loadAppliance(const QString& dir, Appliance& appliance, Listing listing = Listing::MakeOne)
{
    const Result<Folder> folder = applianceFolder(
        dir, listing == Listing::MakeOne ? MissingFolders::Made : MissingFolders::Refused);
    if (!folder.ok())
        return folder.error();
    return readAppliance(*folder, dir, appliance, listing);
}

} // namespace

Result<Folder> applianceFolder(const QString& dir, MissingFolders missing)
{
    Result<Folder> folder = openFolder(dir, missing, rootsOwn);
    // The judge's refusal names its folder itself.
    if (!folder.ok() && folder.error().cause() != Cause::Failed)
        return fileError(dir, folder.error());
    return folder;
}

QStringList applianceFileNames()
{
    QStringList names;
    for (const QString* name : kApplianceFiles)
        names << *name;
    return names;
}

QString faultPlanFileName()
{
    return kFaultsFile;
}

Result<> readFaultPlan(const QString& dir, Appliance& appliance)
{
    const Result<Folder> folder = applianceFolder(dir, MissingFolders::Refused);
    if (!folder.ok())
        return folder.error();
    const Result<std::optional<QByteArray>> faults =
        readFile(*folder, dir, kFaultsFile, kFaultsLimit);
    if (!faults.ok())
        return faults.error();
    if (!*faults)
        return {};
    return parseFaultPlan(QString::fromUtf8(**faults), appliance);
}

// Writes back the EEPROM and the firmware, each when the appliance was sent
// any of it.
Result<> saveAppliance(Appliance& appliance, const Folder& folder)
{
    const QString dir = QString::fromStdString(appliance.path);
    if (appliance.eepromChanged) {
        const QByteArray eeprom(reinterpret_cast<const char*>(appliance.eeprom.data()), kImageSize);
        if (Result<> written = writeFile(folder, dir, kEepromFile, eeprom); !written.ok())
            return written;
        appliance.eepromChanged = false;
    }
    if (appliance.firmwareChanged) {
        if (Result<> written = writeFile(folder, dir, kFirmwareFile, appliance.firmware);
            !written.ok())
            return written;
        appliance.firmwareChanged = false;
    }
    return {};
}

Result<> reloadAppliance(Appliance& appliance, const Folder& folder)
{
    const QString dir = QString::fromStdString(appliance.path);
    const QString serialNumber = appliance.serialNumber;
    appliance = Appliance();
    appliance.serialNumber = serialNumber;
    return readAppliance(folder, dir, appliance, Listing::MakeOne);
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

Result<> parseFaultPlan(const QString& text, Appliance& appliance)
{
    const QStringList lines = text.split('\n');
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
        } else if (const Result<Fault> fault = parseFault(words); fault.ok()) {
            appliance.faults.push_back(*fault);
        } else {
            return OperationError(Cause::Failed,
                                  QCoreApplication::translate("Emulator", "line %1: %2: %3")
                                      .arg(QString::number(i + 1), fault.errorText(), line));
        }
    }
    return {};
}

QString unlistedFolderLine(const QString& dir, const QString& shownName)
{
    return QCoreApplication::translate(
               "Emulator",
               "%1/%2: not listed, since its name is not valid in this system's encoding")
        .arg(dir, shownName);
}

Result<> loadAppliances(const QString& dir, ApplianceEmulator& emulator, QStringList* unlisted,
                        Listing listing)
{
    if (unlisted)
        *unlisted = unspellableFolders(dir);
    const QDir root(dir);
    QStringList serials = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    serials.removeIf([&](const QString& name) { return !holdsAppliance(root.filePath(name)); });
    if (holdsAppliance(dir) ||
        (serials.isEmpty() && (listing == Listing::MakeOne || !root.exists()))) {
        if (Result<> loaded = loadAppliance(dir, emulator.attach({}), listing); !loaded.ok())
            return loaded;
    }
    for (const QString& serial : serials) {
        Appliance& appliance = emulator.attach({});
        if (Result<> loaded = loadAppliance(root.filePath(serial), appliance, listing);
            !loaded.ok())
            return loaded;
        appliance.serialNumber = serial;
    }
    return {};
}

Result<> saveAppliances(ApplianceEmulator& emulator)
{
    for (Appliance& appliance : emulator.appliances()) {
        if (!appliance.eepromChanged && !appliance.firmwareChanged)
            continue;
        const Result<Folder> folder =
            applianceFolder(QString::fromStdString(appliance.path), MissingFolders::Refused);
        if (!folder.ok())
            return folder.error();
        if (Result<> saved = saveAppliance(appliance, *folder); !saved.ok())
            return saved;
    }
    return {};
}

} // namespace orvik
