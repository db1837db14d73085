#include "device/emulator_folder.h"

#include "device/emulator_store.h"
#include "files/file_failures.h"
#include "files/path_walk.h"

#include <QDir>
#include <algorithm>
#include <utility>

namespace orvik {

Result<> FolderEmulator::load(const QString& dir)
{
    dir_ = dir;
    listed_ = true;
    return loadAppliances(dir, emulator_, &unlisted_);
}

QStringList FolderEmulator::unlistedLines() const
{
    QStringList lines;
    for (const QString& name : unlisted_)
        lines << unlistedFolderLine(dir_, name);
    return lines;
}

std::vector<HidInterface> FolderEmulator::enumerate()
{
    // Appliances come and go between sessions, as on USB; not during one.
    if (!claimed_ && !std::exchange(listed_, false)) {
        ApplianceEmulator fresh;
        if (loadAppliances(dir_, fresh, nullptr, Listing::AsItIs).ok())
            emulator_.appliances() = std::move(fresh.appliances());
    }
    return emulator_.enumerate();
}

Result<Claim> FolderEmulator::claim(const std::string& path)
{
    auto& all = emulator_.appliances();
    const auto it =
        std::find_if(all.begin(), all.end(), [&](const Appliance& a) { return a.path == path; });
    if (it == all.end())
        return systemFailure(ENODEV);
    if (claimed_ == &*it)
        return Claim::Taken;
    if (Result<> ended = endSession(); !ended.ok())
        return ended.error();
    // The folder judged is the folder used: the lock, the reload and the
    // save go to it, whatever its path leads to meanwhile. Its errno, and the
    // lock file's, are no reason of the appliance's own.
    const QString dir = QString::fromStdString(path);
    Result<Folder> folder = applianceFolder(dir, MissingFolders::Refused);
    if (!folder.ok())
        return OperationError(Cause::Failed, folder.errorText());
    const Result<Claim> claim = lock_.acquire(*folder, "lock");
    if (!claim.ok())
        return OperationError(Cause::Failed, QDir(dir).filePath(QStringLiteral("lock")) +
                                                 QStringLiteral(": ") + claim.error().text());
    if (*claim != Claim::Taken)
        return claim;
    // What another program wrote since the folder was listed.
    if (Result<> reloaded = reloadAppliance(*it, *folder); !reloaded.ok()) {
        lock_.release();
        // Nor are its files' errno values: the hints for a device node that
        // cannot be opened are no help for a folder.
        return OperationError(Cause::ProgramFile, reloaded.errorText());
    }
    folder_ = *std::move(folder);
    claimed_ = &*it;
    return Claim::Taken;
}

Result<> FolderEmulator::keep()
{
    if (!claimed_)
        return {};
    Result<> saved = saveAppliance(*claimed_, folder_);
    if (saved.ok())
        return saved;
    claimed_->eepromChanged = false;
    claimed_->firmwareChanged = false;
    return OperationError(Cause::ProgramFile, saved.errorText());
}

Result<> FolderEmulator::endSession()
{
    Result<> kept = keep();
    emulator_.close();
    lock_.release();
    folder_ = Folder();
    claimed_ = nullptr;
    return kept;
}

} // namespace orvik
