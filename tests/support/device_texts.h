#pragma once

#include <QString>

namespace orvik::test {

// What a session says when the appliance is another session's, or cannot be
// opened, or is interrupted in the middle of a write.
inline const QString kInUse = "Orvik 2.0 is in use by another program.";
inline const QString kUdevHint =
    " (on Linux, install the udev rule 60-orvik.rules; see the README)";
inline const QString kReplugHint = " (the appliance is no longer there: plug it in again)";
inline const QString kInterrupted =
    "orvikctl: interrupted before anything was sent; the appliance is unchanged\n";
inline const QString kFinishing = "orvikctl: finishing the write so that the appliance stays "
                                  "consistent; interrupt again to stop now\n";
inline const QString kConfigStopped =
    "orvikctl: stopped in the middle of the write; the appliance may hold part of the new "
    "configuration and part of the old, so write the configuration again\n";
inline const QString kFirmwareStopped =
    "orvikctl: stopped in the middle of the upload; the appliance may hold only part of the new "
    "firmware, so upload the firmware again\n";

// An appliance unplugged at page %1 of %2, and what that means.
inline const QString kDisconnected = "Orvik 2.0 was disconnected at page %1/%2.\n";
inline const QString kUnpluggedWrite = "The appliance now holds part of the new configuration: "
                                       "plug it in again and write the configuration again.\n";
inline const QString kUnpluggedWriteBackedUp =
    "The appliance now holds part of the new configuration: plug it in again and write the "
    "configuration again (the configuration it held before is in %1).\n";
inline const QString kUnpluggedUpload = "The appliance now holds part of the new firmware: plug "
                                        "it in again and upload the firmware again.\n";
inline const QString kUnpluggedRead = "Nothing on the appliance was changed.\n";
inline const QString kUntouchedWrite = "Nothing on the appliance was changed: plug it in again and "
                                       "write the configuration again.\n";
inline const QString kUntouchedUpload = "Nothing on the appliance was changed: plug it in "
                                        "again and upload the firmware again.\n";
inline const QString kDisconnectedAtVersion =
    "Orvik 2.0 was disconnected while its firmware version was being read.\n";
// What the window's log says as appliances come and go.
inline const QString kAttached = "Orvik 2.0 attached.";
inline const QString kDetached = "Orvik 2.0 detached.";
inline const QString kAttachedUnopenable =
    "Orvik 2.0 attached, but it cannot be opened: Permission denied.";

} // namespace orvik::test
