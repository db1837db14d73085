#include "device/page_loop.h"

#include "device/progress.h"

namespace orvik {

namespace {

QString pageLine(const char* what, int page, int pageCount)
{
    return QStringLiteral("%1%2/%3").arg(QLatin1String(what)).arg(page).arg(pageCount);
}

} // namespace

Result<> transferPages(Progress& progress, int pageCount, PageWords words,
                       const std::function<Result<>(int page)>& transfer,
                       const QString& successLine, HidTransport* keeper)
{
    progress.setProgress(0);
    progress.setProgressRange(pageCount);
    for (int p = 0; p < pageCount; ++p) {
        if (!transfer(p).ok())
            return logLine(pageLine(words.failed, p + 1, pageCount));
        progress.log(pageLine(words.done, p + 1, pageCount));
        progress.setProgress(p + 1);
    }
    if (keeper) {
        if (Result<> kept = keeper->keep(); !kept.ok())
            return kept;
    }
    if (!successLine.isEmpty())
        progress.log(successLine);
    progress.setProgress(0);
    return {};
}

} // namespace orvik
