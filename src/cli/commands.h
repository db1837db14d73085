#pragma once

#include "device/hid_transport.h"

#include <QStringList>
#include <QTextStream>

namespace orvik::cli {

struct Context;

// Runs orvikctl with `args` (without the program name); returns the exit status.
// `usbTransport` reaches the appliance over USB (the program passes the hidapi
// backend; without it only --emulator reaches an appliance).
int runOrvikctl(const QStringList& args, QTextStream& out, QTextStream& err,
                HidTransportFactory usbTransport = {});

// One function per command, each in its own cmd_*.cpp.
int runShow(Context& ctx);
int runCheck(Context& ctx);
int runPack(Context& ctx);
int runUnpack(Context& ctx);
int runDiff(Context& ctx);
int runSave(Context& ctx);
int runList(Context& ctx);
int runInfo(Context& ctx);
int runRead(Context& ctx);
int runWrite(Context& ctx);
int runUploadFirmware(Context& ctx);

} // namespace orvik::cli
