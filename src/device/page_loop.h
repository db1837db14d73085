#pragma once

#include "device/hid_transport.h"
#include "device/progress.h"

#include <QString>
#include <functional>

namespace orvik {

// The page loop of every session: the progress bar from 0 to `pageCount`, a
// log line per page counted from 1 ("Page written: 7/192"), then
// `successLine` (unless empty) and the bar back at 0. Stops at the first page
// `transfer` fails, leaving the bar where it was, and fails for that page's
// log line ("Page write error: 7/192"). A transport given as `keeper` must
// keep the pages first (HidTransport::keep): when it cannot, no success line
// follows and it fails for the reason it could not.
Result<> transferPages(Progress& progress, int pageCount, PageWords words,
                       const std::function<Result<>(int page)>& transfer,
                       const QString& successLine = {}, HidTransport* keeper = nullptr);

} // namespace orvik
