#include "device/page_loop.h"

#include "settings/operation.h"

namespace orvik {

namespace {

QString pageLine(const char* what, int page, int pageCount)
{
    return QStringLiteral("%1%2/%3").arg(QLatin1String(what)).arg(page).arg(pageCount);
}

} // namespace

bool transferPages(Reporter& reporter, int pageCount, PageWords words,
                   const std::function<bool(int page)>& transfer, const QString& successLine,
                   HidTransport* keeper)
{
    reporter.setProgress(0);
    reporter.setProgressRange(pageCount);
    for (int p = 0; p < pageCount; ++p) {
        if (!transfer(p)) {
            reporter.log(pageLine(words.failed, p + 1, pageCount));
            return false;
        }
        reporter.log(pageLine(words.done, p + 1, pageCount));
        reporter.setProgress(p + 1);
    }
    // Not kept: no success line; the session's end says why.
    if (keeper && !keeper->keep().ok())
        return false;
    if (!successLine.isEmpty())
        reporter.log(successLine);
    reporter.setProgress(0);
    return true;
}

} // namespace orvik
