#pragma once

#include "device/emulator.h"
#include "files/path_walk.h"

#include <QString>
#include <QStringList>

namespace orvik {

// An emulated appliance kept in the files of one directory, where a user can
// read and edit it between runs:
//   eeprom.bin        the 6144-byte EEPROM; absent: erased (all 0xFF)
//   firmware-version  the firmware version in hundredths, decimal (102 is 1.02)
//   firmware.bin      the pages of the last firmware upload, page p at byte 32 p
//   faults            the fault plan, one entry per line (see parseFaultPlan)
// The directory and the two text files are created when missing.

// The files above, any of which makes a folder an appliance's.
QStringList applianceFileNames();
// The one of them that holds the fault plan.
QString faultPlanFileName();

// Loads the appliances kept in `dir`: each subdirectory holding any of the
// files above is one appliance, whose serial number is the subdirectory's
// name; the files directly in `dir` are one more, listed first, without a
// serial number. A directory holding neither becomes one appliance, its
// directory and text files created. Each appliance's path is its directory;
// fails at the first file that is unusable. As root, a directory that belongs
// to another user, or lies below one, is unusable, and no file is followed
// where it is a link.
// A subdirectory whose name the system's encoding cannot spell is left out,
// named in `unlisted` (as unusableName shows it) when given. Listed again
// (Listing::AsItIs), a directory that holds neither holds no appliance: its
// last subdirectory was taken away, and nothing is created.
enum class Listing { MakeOne, AsItIs };
Result<> loadAppliances(const QString& dir, ApplianceEmulator& emulator,
                        QStringList* unlisted = nullptr, Listing listing = Listing::MakeOne);
// The line that says a subdirectory was left out.
QString unlistedFolderLine(const QString& dir, const QString& shownName);
// Writes back the EEPROM, and the firmware when there is any, of every
// appliance that was sent a page since it was loaded or last saved.
Result<> saveAppliances(ApplianceEmulator& emulator);

// The folder of the appliance kept at `dir`, open, reached as a write's
// folder is (every link on the way judged), as root through root's own
// folders alone, and made when missing as `missing` says. A session holds it
// and goes back to it, never to `dir`, which could lead elsewhere by then.
Result<Folder> applianceFolder(const QString& dir, MissingFolders missing);
// One appliance of those, kept in `folder`: its files read afresh (its path
// is its directory), or what it was sent since written back; failing as
// above.
Result<> reloadAppliance(Appliance& appliance, const Folder& folder);
Result<> saveAppliance(Appliance& appliance, const Folder& folder);
// The fault plan kept in `dir` taken into `appliance`, as loading takes it;
// none there leaves `appliance` as it was.
Result<> readFaultPlan(const QString& dir, Appliance& appliance);

// The fault plan's lines ('#' starts a comment):
//   COMMAND PAGE KIND  COMMAND: version, read, write or firmware; PAGE: the page
//                      index from 0 as sent (the log counts from 1), or * for
//                      every page (the version query takes *); KIND: a name
//                      of kFaultKinds, hold followed by its milliseconds
//   absent             the appliance is not attached
//   open-error REASON  the appliance is found but cannot be opened
//   frame-us N         each request and each reply takes N microseconds, as a
//                      USB frame does (1000 at full speed)
// Fails naming the first line that is none of these, and why.
Result<> parseFaultPlan(const QString& text, Appliance& appliance);

} // namespace orvik
