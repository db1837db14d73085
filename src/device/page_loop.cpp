#include "device/page_loop.h"

#include "settings/operation.h"

namespace orvik {

namespace {

QString pageLine(const char* what, int page, int pageCount)
{
    return QStringLiteral("%1%2/%3").arg(QLatin1String(what)).arg(page).arg(pageCount);
}

} // namespace

Result<> transferPages(Reporter& reporter, int pageCount, PageWords words,
                       const std::function<Result<>(int page)>& transfer,
                       const QString& successLine, HidTransport* keeper)
{
    reporter.setProgress(0);
    reporter.setProgressRange(pageCount);
    for (int p = 0; p < pageCount; ++p) {
        if (!transfer(p).ok())
            return logLine(pageLine(words.failed, p + 1, pageCount));
        reporter.log(pageLine(words.done, p + 1, pageCount));
        reporter.setProgress(p + 1);
    }
    if (keeper) {
        if (Result<> kept = keeper->keep(); !kept.ok())
            return alreadyTold(kept.errorText());
    }
    if (!successLine.isEmpty())
        reporter.log(successLine);
    reporter.setProgress(0);
    return {};
}

} // namespace orvik
