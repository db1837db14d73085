#pragma once

#include "device/presence_monitor.h"

#include <QFileSystemWatcher>
#include <QString>

namespace orvik {

// The emulated appliances kept in a folder (see emulator_store.h) coming and
// going: a subfolder that appears or disappears is an appliance attached or
// detached, and so is one whose fault plan says it is absent. The folder and
// its subfolders are watched through the system's file notifications.
class FolderPresence : public PresenceMonitor {
public:
    explicit FolderPresence(const QString& dir);

private:
    void relist();

    QString dir_;
    QFileSystemWatcher watcher_;
};

} // namespace orvik
