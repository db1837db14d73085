#pragma once

#include <QString>

namespace orvik {

// What the log says of a page that went ("Page written: 7/192") and of one
// that did not ("Page write error: 7/192"), and how a terminal's progress
// line names the pages done ("page written 7/192"): "%1" the page, counted
// from 1, "%2" the page count. Marked for translation in the context
// "Appliance".
struct PageWords {
    const char* done;
    const char* failed;
    const char* progress;
};
inline constexpr PageWords kPagesWritten{QT_TRANSLATE_NOOP("Appliance", "Page written: %1/%2"),
                                         QT_TRANSLATE_NOOP("Appliance", "Page write error: %1/%2"),
                                         QT_TRANSLATE_NOOP("Appliance", "page written %1/%2")};
inline constexpr PageWords kPagesRead{QT_TRANSLATE_NOOP("Appliance", "Page read: %1/%2"),
                                      QT_TRANSLATE_NOOP("Appliance", "Page read error: %1/%2"),
                                      QT_TRANSLATE_NOOP("Appliance", "page read %1/%2")};

// One of the page words for page `page` of `pages`, in the user's language.
QString pageLine(const char* words, int page, int pages);

// What a session shows while it runs: the lines it logs as it goes (the
// "found" line, a line per page, its success line) and the progress bar.
// Nothing else: a session returns its failures, and the front end that ran
// it shows them.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void log(const QString& line) = 0;
    // A line that tells how far the session has come (the appliance found),
    // not how it ends.
    virtual void logStep(const QString& line) { log(line); }
    // The step of page `page` of `pages` done.
    virtual void logPage(const PageWords& words, int page, int pages)
    {
        logStep(pageLine(words.done, page, pages));
    }
    // The bar runs from 0 to `maximum`; position is set afresh each time.
    virtual void setProgressRange(int maximum) = 0;
    virtual void setProgress(int position) = 0;
};

} // namespace orvik
