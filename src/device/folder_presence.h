#pragma once

#include "device/presence_monitor.h"
#include "files/descriptor.h"

#include <QByteArray>
#include <QSocketNotifier>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>

struct inotify_event;

namespace orvik {

// The emulated appliances kept in a folder (see emulator_store.h) coming and
// going: a subfolder that appears or disappears is an appliance attached or
// detached, and so is one whose fault plan says it is absent. The folder, its
// subfolders and the folder it stands in are watched through inotify, whose
// events are taken in the order they happened: an appliance whose files came
// and went between two looks is told as attached and detached. The folder
// taken away detaches its appliances, and made again attaches them.
class FolderPresence : public PresenceMonitor {
public:
    explicit FolderPresence(const QString& dir);

private:
    // What a fault plan says of presence, as it was last read.
    struct Plan {
        bool absent = false;
        QString openError;
        int openErrno = 0;
    };
    // The appliance files each folder holds, as its events tell, in the order
    // they happened; those of them made but not yet written; its plan.
    struct Held {
        std::set<QString> files;
        std::set<QString> unwritten;
        Plan plan;
    };

    void receive();
    void note(const inotify_event& event);
    // A subfolder of the folder, or a file of `folder` ("" for the folder
    // itself), arrived, went or was written.
    void noteSubfolder(const QString& name, std::uint32_t mask);
    void noteFile(const QString& folder, const QString& file, std::uint32_t mask);
    // Watches the folder and its subfolders afresh and tells what differs.
    void relist();
    // The folder is gone: its appliances with it.
    void lose();
    // Lets go of the folder's and its subfolders' watches.
    void forget();
    // Watches `path`, one of the folders; false when it is not there.
    bool watch(const QString& path, const QString& name);
    // The appliance files in the folder `name` ("" for the folder itself) and
    // its fault plan, as they are now.
    void scan(const QString& name);
    // Keeps `plan` as it was when the plan cannot be read.
    void readPlan(const QString& name, Plan& plan) const;
    // Tells the appliance in the folder `name` attached or detached, if that
    // changed.
    void update(const QString& name);
    // Whether the appliance in the folder `name` is attached: it holds a file
    // of one, and its fault plan does not say it is absent; nullopt while the
    // plan is being written.
    std::optional<bool> look(const QString& name, PresenceChange& seen) const;
    [[nodiscard]] QString pathOf(const QString& name) const;

    QString dir_;
    QByteArray dirName_; // as the folder it stands in names it
    Descriptor inotify_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int aboveWatch_ = -1;
    int dirWatch_ = -1;
    std::map<int, QString> subfolders_; // by watch
    std::map<QString, Held> held_;
};

} // namespace orvik
