#include "device/page_loop.h"

#include "device/progress.h"

#include <QCoreApplication>

namespace orvik {

QString pageLine(const char* words, int page, int pages)
{
    return QCoreApplication::translate("Appliance", words)
        .arg(QString::number(page), QString::number(pages));
}

Result<> transferPages(Progress& progress, int pageCount, PageWords words,
                       const std::function<Result<>(int page)>& transfer,
                       const QString& successLine, HidTransport* keeper)
{
    progress.setProgress(0);
    progress.setProgressRange(pageCount);
    for (int p = 0; p < pageCount; ++p) {
        if (!transfer(p).ok())
            return logLine(pageLine(words.failed, p + 1, pageCount));
        progress.logPage(words, p + 1, pageCount);
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
