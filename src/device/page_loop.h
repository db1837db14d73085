#pragma once

#include "device/hid_transport.h"

#include <QString>
#include <functional>

namespace orvik {

class Progress;

// What the log says of a page that went and of one that did not.
struct PageWords {
    const char* done;
    const char* failed;
};
inline constexpr PageWords kPagesWritten{"Page written: ", "Page write error: "};
inline constexpr PageWords kPagesRead{"Page read: ", "Page read error: "};

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
