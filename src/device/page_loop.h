#pragma once

#include "device/hid_transport.h"
#include "device/progress.h"

#include <QString>
#include <functional>

namespace orvik {

// What a session's pages are, and what its end says.
struct PageRun {
    PageWords words;
    QString successLine;   // logged after the last page, unless empty
    QString unpluggedLine; // what the appliance unplugged in the middle means
    QString untouchedLine; // the same before the first page: nothing was changed
    // The transport must keep the pages first (HidTransport::keep).
    bool keep = false;
};

// The page loop of every session: the progress bar from 0 to `pageCount`, a
// log line per page counted from 1 ("Page written: 7/192"), then the success
// line and the bar back at 0. Stops at the first page `transfer` fails,
// leaving the bar where it was, and fails for that page's log line ("Page
// write error: 7/192"), or, when the appliance is gone, for the run's
// unplugged line (its untouched line at the first page), noted with the page
// it went at ("Orvik 2.0 was disconnected at page 7/192."). When the pages
// must be kept and cannot be, no success line follows and it fails for the
// reason they could not.
Result<> transferPages(Progress& progress, HidTransport& transport, int pageCount,
                       const PageRun& run, const std::function<Result<>(int page)>& transfer);

} // namespace orvik
