#pragma once

#include <QString>

namespace orvik {

// What a session shows while it runs: the lines it logs as it goes (the
// "found" line, a line per page, its success line) and the progress bar.
// Nothing else: a session returns its failures, and the front end that ran
// it shows them.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void log(const QString& line) = 0;
    // The bar runs from 0 to `maximum`; position is set afresh each time.
    virtual void setProgressRange(int maximum) = 0;
    virtual void setProgress(int position) = 0;
    // Lets the window handle its pending events (only the firmware upload
    // asks for this, between pages).
    virtual void handlePendingEvents() {}
};

} // namespace orvik
