#include "device/emulator_folder.h"

#include "device/emulator_store.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <utility>

namespace orvik {

bool FolderEmulator::load(const QString& dir, QString& error)
{
    dir_ = dir;
    listed_ = true;
    return loadAppliances(dir, emulator_, error);
}

std::vector<HidInterface> FolderEmulator::enumerate()
{
    // Appliances come and go between sessions, as on USB; not during one.
    if (!claimed_ && !std::exchange(listed_, false)) {
        ApplianceEmulator fresh;
        if (QString error; loadAppliances(dir_, fresh, error))
            emulator_.appliances() = std::move(fresh.appliances());
    }
    return emulator_.enumerate();
}

bool FolderEmulator::open(const std::string& path, QString& reason)
{
    return emulator_.open(path, reason);
}

int FolderEmulator::write(const Report& request)
{
    return emulator_.write(request);
}

int FolderEmulator::read(Report& reply, int timeoutMs)
{
    return emulator_.read(reply, timeoutMs);
}

void FolderEmulator::close()
{
    emulator_.close();
}

Claim FolderEmulator::claim(const std::string& path, QString& reason)
{
    auto& all = emulator_.appliances();
    const auto it =
        std::find_if(all.begin(), all.end(), [&](const Appliance& a) { return a.path == path; });
    if (it == all.end()) {
        reason = QStringLiteral("No such device");
        return Claim::Failed;
    }
    if (claimed_ == &*it)
        return Claim::Taken;
    if (!endSession(reason))
        return Claim::Failed;
    const QString lockFile = QDir(QString::fromStdString(path)).filePath(QStringLiteral("lock"));
    const Claim claim = lock_.take(QFile::encodeName(lockFile).toStdString(), true, reason);
    if (claim == Claim::Failed)
        reason = lockFile + QStringLiteral(": ") + reason;
    if (claim != Claim::Taken)
        return claim;
    // What another program wrote since the folder was listed.
    if (!reloadAppliance(*it, reason)) {
        lock_.release();
        return Claim::Failed;
    }
    claimed_ = &*it;
    return Claim::Taken;
}

bool FolderEmulator::keep(QString& reason)
{
    return !claimed_ || saveAppliance(*claimed_, reason);
}

bool FolderEmulator::endSession(QString& reason)
{
    const bool kept = keep(reason);
    emulator_.close();
    lock_.release();
    claimed_ = nullptr;
    return kept;
}

} // namespace orvik
