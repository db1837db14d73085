#include "device/folder_presence.h"

#include "device/emulator_store.h"
#include "files/file_access.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace orvik {

FolderPresence::FolderPresence(const QString& dir) : dir_(dir)
{
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, [this] { relist(); });
    // A file written after it was made (a fault plan that says "absent", a
    // version whose digits came after the file) changes no folder.
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, [this] { relist(); });
    relist();
}

void FolderPresence::relist()
{
    // A subfolder becomes an appliance only once a file of one is in it, so
    // each is watched as well as the folder.
    QStringList folders{dir_};
    for (const QString& name : QDir(dir_).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders << QDir(dir_).filePath(name);
    const QStringList watched = watcher_.directories();
    for (const QString& f : watched) {
        if (!folders.contains(f))
            watcher_.removePath(f);
    }
    for (const QString& f : folders) {
        // Refused when the system has no watch left for it (inotify's limit).
        if (!watched.contains(f) && !watcher_.addPath(f) && f == dir_)
            setDeaf(systemReason(ENOSPC));
    }
    // Looked at by name: it only picks what to watch, and what a watch hears
    // only has the folder listed again, as a session lists it.
    const QStringList watchedFiles = watcher_.files();
    for (const QString& folder : folders) {
        for (const QString& name : applianceFileNames()) {
            const QString file = QDir(folder).filePath(name);
            if (!watchedFiles.contains(file) && QFileInfo(file).isFile())
                watcher_.addPath(file);
        }
    }
    // A folder caught in the middle of a change is listed again at its next.
    ApplianceEmulator emulator;
    if (!loadAppliances(dir_, emulator, nullptr, Listing::AsItIs).ok())
        return;
    std::vector<PresenceChange> now;
    for (const Appliance& a : emulator.appliances()) {
        if (a.present)
            now.push_back({PresenceChange::Kind::Attached,
                           {a.vendorId, a.productId, a.path, a.serialNumber},
                           a.openError,
                           a.openErrno()});
    }
    listed(now);
}

} // namespace orvik
