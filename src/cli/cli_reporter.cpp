#include "cli/cli_reporter.h"

#include "device/page_loop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <mutex>
#include <utility>

namespace orvik::cli {

namespace {

// A terminal is drawn at most this often; the first and last page always.
constexpr qint64 kRedrawMs = 100;

QString minutesAndSeconds(qint64 seconds)
{
    return QStringLiteral("%1:%2").arg(QString::number(seconds / 60),
                                       QString::number(seconds % 60).rightJustified(2, '0'));
}

} // namespace

qint64 CliReporter::steadyMs()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

void CliReporter::log(const QString& line)
{
    if (mode_ == Mode::Quiet && inSession_)
        held_ = line;
    else
        print(line);
}

void CliReporter::logPage(const PageWords& words, int page, int pages)
{
    if (mode_ != Mode::Terminal || page <= 0 || pages <= 0) {
        Reporter::logPage(words, page, pages);
        return;
    }
    Progress& p = progress_;
    const qint64 now = ticks_();
    p.words = words.progress;
    p.page = page;
    p.pages = pages;
    p.stale = true;
    if (p.page == 1 || p.page == p.pages || now - p.drawnMs >= kRedrawMs)
        drawProgress();
}

void CliReporter::setProgressRange(int)
{
    progress_.startedMs = ticks_();
}

void CliReporter::drawProgress()
{
    Progress& p = progress_;
    const qint64 now = ticks_();
    const qint64 elapsed = now - p.startedMs;
    QString pace = QCoreApplication::translate("orvikctl", "-- pages/s  -:-- left");
    if (elapsed > 0) {
        const qint64 perSecond = p.page * 1000 / elapsed;
        const qint64 left = (p.pages - p.page) * elapsed / p.page / 1000;
        pace = QCoreApplication::translate("orvikctl", "%1 pages/s  %2 left")
                   .arg(QString::number(perSecond), minutesAndSeconds(left));
    }
    const QString percent = QCoreApplication::translate("orvikctl", "%1%", "of the pages done")
                                .arg(p.page * 100 / p.pages);
    const std::lock_guard lock(openLine_.mutex);
    // \r and "erase to the end of the line" draw over the previous state.
    err_ << '\r' << operation_ << ": " << pageLine(p.words, p.page, p.pages) << "  " << percent
         << "  " << pace << "\x1b[K" << Qt::flush;
    p.drawnMs = now;
    p.stale = false;
    openLine_.open = true;
}

std::unique_lock<std::mutex> CliReporter::endLine()
{
    if (progress_.stale)
        drawProgress();
    std::unique_lock lock(openLine_.mutex);
    if (std::exchange(openLine_.open, false))
        err_ << '\n' << Qt::flush;
    return lock;
}

void CliReporter::print(const QString& text)
{
    // Under the line's lock, so that a line the write guard says, and the
    // end it may bring, comes before or after this one, never in between.
    const std::unique_lock lock = endLine();
    err_ << text << Qt::endl;
}

void CliReporter::information(const QString& text)
{
    held_.clear();
    print(text);
}

void CliReporter::notice(const QString& text)
{
    if (mode_ != Mode::Quiet)
        print(text);
}

void CliReporter::error(const QString& text)
{
    held_.clear();
    print(text);
}

void CliReporter::programError(const QString& text)
{
    print(QStringLiteral("orvikctl: ") + text);
}

void CliReporter::endSession(bool succeeded)
{
    if (!succeeded && !held_.isEmpty())
        print(held_);
    held_.clear();
    inSession_ = false;
    endLine();
}

} // namespace orvik::cli
