#include "device/page_loop.h"

#include "device/progress.h"

#include <QCoreApplication>

namespace orvik {

QString pageLine(const char* words, int page, int pages)
{
    return QCoreApplication::translate("Appliance", words)
        .arg(QString::number(page), QString::number(pages));
}

namespace {

// The line that tells the appliance was unplugged at `page` of `pages`.
QString disconnectedLine(int page, int pages)
{
    return QCoreApplication::translate("Appliance", "Orvik 2.0 was disconnected at page %1/%2.")
        .arg(QString::number(page), QString::number(pages));
}

} // namespace

Result<> transferPages(Progress& progress, HidTransport& transport, int pageCount,
                       const PageRun& run, const std::function<Result<>(int page)>& transfer)
{
    progress.setProgress(0);
    progress.setProgressRange(pageCount);
    for (int p = 0; p < pageCount; ++p) {
        if (const Result<> sent = transfer(p); !sent.ok()) {
            // Unplugged, the appliance failed no page: the cure is the cable.
            // The page it went at was not taken: at the first, nothing was.
            if (transport.gone())
                return {OperationError(Cause::Disconnected,
                                       p == 0 ? run.untouchedLine : run.unpluggedLine),
                        {OperationError(Cause::Disconnected, disconnectedLine(p + 1, pageCount))}};
            return OperationError(sent.error().cause(),
                                  pageLine(run.words.failed, p + 1, pageCount));
        }
        progress.logPage(run.words, p + 1, pageCount);
        progress.setProgress(p + 1);
    }
    if (run.keep) {
        if (Result<> kept = transport.keep(); !kept.ok())
            return kept;
    }
    if (!run.successLine.isEmpty())
        progress.log(run.successLine);
    progress.setProgress(0);
    return {};
}

} // namespace orvik
