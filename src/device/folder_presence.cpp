#include "device/folder_presence.h"

#include "device/device_link.h"
#include "device/emulator_store.h"
#include "files/file_failures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace orvik {

namespace {

constexpr std::uint32_t kCame = IN_CREATE | IN_MOVED_TO;
constexpr std::uint32_t kWent = IN_DELETE | IN_MOVED_FROM;
// A fault plan written after it was made (one that says "absent") decides
// whether its appliance is attached.
constexpr std::uint32_t kFolderEvents = kCame | kWent | IN_CLOSE_WRITE | IN_ONLYDIR;

} // namespace

FolderPresence::FolderPresence(const QString& dir) : dir_(dir)
{
    const QFileInfo absolute(QDir::cleanPath(QFileInfo(dir).absoluteFilePath()));
    dirName_ = QFile::encodeName(absolute.fileName());
    inotify_ = Descriptor(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!inotify_.isOpen()) {
        setDeaf(systemReason(errno));
        return;
    }
    // The folder it stands in tells it taken away and made again.
    if (!dirName_.isEmpty()) {
        aboveWatch_ = ::inotify_add_watch(inotify_.fd(),
                                          QFile::encodeName(absolute.absolutePath()).constData(),
                                          kCame | kWent | IN_ONLYDIR);
        if (aboveWatch_ < 0) {
            setDeaf(systemReason(errno));
            return;
        }
    }
    notifier_ = std::make_unique<QSocketNotifier>(inotify_.fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { receive(); });
    relist();
}

void FolderPresence::receive()
{
    alignas(inotify_event) char buffer[16 * 1024];
    for (;;) {
        const ssize_t n = ::read(inotify_.fd(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            note(*event);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
}

void FolderPresence::note(const inotify_event& event)
{
    // Events were lost: what is there now is all there is to know.
    if (event.mask & IN_Q_OVERFLOW) {
        relist();
        return;
    }
    const QByteArray name = event.len > 0 ? QByteArray(event.name) : QByteArray();
    if (event.wd == aboveWatch_) {
        if (name == dirName_ && (event.mask & kWent))
            lose();
        else if (name == dirName_ && (event.mask & kCame))
            relist();
    } else if (event.wd == dirWatch_) {
        if (event.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT))
            lose();
        else if (event.mask & IN_ISDIR)
            noteSubfolder(QFile::decodeName(name), event.mask);
        else
            noteFile({}, QFile::decodeName(name), event.mask);
    } else if (const auto sub = subfolders_.find(event.wd); sub != subfolders_.end()) {
        // A subfolder's own subfolders hold no appliance.
        if (event.mask & IN_IGNORED)
            subfolders_.erase(sub);
        else if (!(event.mask & IN_ISDIR))
            noteFile(sub->second, QFile::decodeName(name), event.mask);
    }
}

void FolderPresence::noteSubfolder(const QString& name, std::uint32_t mask)
{
    if (mask & kWent) {
        // Moved, its watch would follow it elsewhere.
        for (auto it = subfolders_.begin(); it != subfolders_.end();) {
            if (it->second != name) {
                ++it;
                continue;
            }
            ::inotify_rm_watch(inotify_.fd(), it->first);
            it = subfolders_.erase(it);
        }
        held_.erase(name);
        update(name);
    } else if ((mask & kCame) && watch(QDir(dir_).filePath(name), name)) {
        scan(name);
        update(name);
    }
}

void FolderPresence::noteFile(const QString& folder, const QString& file, std::uint32_t mask)
{
    if (!applianceFileNames().contains(file))
        return;
    Held& held = held_[folder];
    if (mask & kCame)
        held.files.insert(file);
    else if (mask & kWent)
        held.files.erase(file);
    if (mask & IN_CREATE)
        held.unwritten.insert(file);
    else
        held.unwritten.erase(file);
    if (file == faultPlanFileName() && (mask & kWent))
        held.plan = {};
    else if (file == faultPlanFileName() && !held.unwritten.contains(file))
        readPlan(folder, held.plan);
    update(folder);
}

void FolderPresence::relist()
{
    forget();
    std::vector<PresenceChange> now;
    if (watch(dir_, {})) {
        scan({});
        for (const QString& name : QDir(dir_).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (watch(QDir(dir_).filePath(name), name))
                scan(name);
        }
        // In the order a session lists them: the folder's own, then by name.
        for (const auto& folder : held_) {
            PresenceChange seen;
            if (look(folder.first, seen).value_or(false))
                now.push_back(seen);
        }
    }
    listed(now);
}

void FolderPresence::lose()
{
    forget();
    listed({});
}

void FolderPresence::forget()
{
    for (const auto& [wd, name] : subfolders_)
        ::inotify_rm_watch(inotify_.fd(), wd);
    subfolders_.clear();
    if (dirWatch_ >= 0)
        ::inotify_rm_watch(inotify_.fd(), dirWatch_);
    dirWatch_ = -1;
    held_.clear();
}

bool FolderPresence::watch(const QString& path, const QString& name)
{
    const int wd =
        ::inotify_add_watch(inotify_.fd(), QFile::encodeName(path).constData(),
                            kFolderEvents | (name.isEmpty() ? IN_DELETE_SELF | IN_MOVE_SELF : 0));
    if (wd < 0) {
        // Gone again, or no folder: its own events tell.
        if (errno != ENOENT && errno != ENOTDIR)
            setDeaf(systemReason(errno));
        return false;
    }
    if (name.isEmpty())
        dirWatch_ = wd;
    else
        subfolders_[wd] = name;
    return true;
}

void FolderPresence::scan(const QString& name)
{
    Held& held = held_[name] = {};
    const QDir folder(pathOf(name));
    for (const QString& file : applianceFileNames()) {
        if (QFileInfo::exists(folder.filePath(file)))
            held.files.insert(file);
    }
    readPlan(name, held.plan);
}

void FolderPresence::readPlan(const QString& name, Plan& plan) const
{
    // One that cannot be read is caught in the middle of a change, which its
    // next event tells.
    Appliance appliance;
    if (readFaultPlan(pathOf(name), appliance).ok())
        plan = {!appliance.present, appliance.openError, appliance.openErrno()};
}

void FolderPresence::update(const QString& name)
{
    PresenceChange seen;
    const std::optional<bool> there = look(name, seen);
    if (there && *there)
        attached(seen.appliance, seen.openError, seen.openErrno);
    else if (there)
        detached(seen.appliance.path);
}

std::optional<bool> FolderPresence::look(const QString& name, PresenceChange& seen) const
{
    seen.appliance = {kOrvikVendorId, kOrvikProductId, pathOf(name).toStdString(), name};
    const auto held = held_.find(name);
    if (held == held_.end() || held->second.files.empty())
        return false;
    if (held->second.unwritten.contains(faultPlanFileName()))
        return std::nullopt;
    seen.openError = held->second.plan.openError;
    seen.openErrno = held->second.plan.openErrno;
    return !held->second.plan.absent;
}

QString FolderPresence::pathOf(const QString& name) const
{
    return name.isEmpty() ? dir_ : QDir(dir_).filePath(name);
}

} // namespace orvik
