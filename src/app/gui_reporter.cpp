#include "app/gui_reporter.h"

#include "app/dialogs.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <utility>

namespace orvik {

namespace {
// About 25 frames a second: smooth to watch, and a 192-page session spends
// next to nothing on painting.
constexpr qint64 kPaintIntervalMs = 40;
// What waits for the next paint is painted once nothing has followed it for
// this long: the user sees how far a slow session came, while a fast one is
// painted by its own changes.
constexpr qint64 kLatePaintMs = 100;
} // namespace

GuiReporter::GuiReporter(QPlainTextEdit& log, QProgressBar& progress, Dialogs& dialogs,
                         std::function<void(const QString&)> announce)
    : log_(log), progress_(progress), dialogs_(dialogs), announce_(std::move(announce))
{
    latePaint_.setSingleShot(true);
    latePaint_.callOnTimeout([this] {
        const qint64 quiet = lastChange_.elapsed();
        if (quiet < kLatePaintMs)
            latePaint_.start(static_cast<int>(kLatePaintMs - quiet));
        else
            flush();
    });
}

void GuiReporter::log(const QString& line)
{
    outcome_ << line;
    logStep(line);
}

void GuiReporter::logStep(const QString& line)
{
    pendingLines_ << line;
    changed();
}

void GuiReporter::setProgressRange(int maximum)
{
    // The range changes once per operation; a position set before it must
    // meet the old range, as it would have without the wait.
    applyPosition();
    // A bar of 0..0 turns into a "busy" animation that never ends; an
    // operation with no pages (an empty firmware image) shows an empty bar.
    progress_.setRange(0, std::max(maximum, 1));
    changed();
}

void GuiReporter::setProgress(int position)
{
    pendingPosition_ = position;
    changed();
}

void GuiReporter::information(const QString& text)
{
    box(BoxKind::Information, text);
}

void GuiReporter::notice(const QString& text)
{
    box(BoxKind::Notice, text);
}

void GuiReporter::error(const QString& text)
{
    box(BoxKind::Error, text);
}

void GuiReporter::box(BoxKind kind, const QString& text)
{
    flush();
    switch (kind) {
    case BoxKind::Information:
        dialogs_.information(text);
        break;
    case BoxKind::Notice:
        dialogs_.notice(text);
        break;
    case BoxKind::Error:
        dialogs_.error(text);
        break;
    }
}

void GuiReporter::flush()
{
    if (unpainted_)
        paintNow();
}

void GuiReporter::finish()
{
    flush();
    if (!outcome_.isEmpty() && announce_)
        announce_(outcome_.join(QLatin1Char('\n')));
    outcome_.clear();
}

void GuiReporter::announceLines(const QStringList& lines)
{
    pendingLines_ << lines;
    paintNow();
    if (announce_)
        announce_(lines.join(QLatin1Char('\n')));
}

void GuiReporter::changed()
{
    if (lastPaint_.isValid() && lastPaint_.elapsed() < kPaintIntervalMs) {
        unpainted_ = true;
        lastChange_.start();
        if (!latePaint_.isActive())
            latePaint_.start(static_cast<int>(kLatePaintMs));
        return;
    }
    paintNow();
}

void GuiReporter::applyPosition()
{
    if (pendingPosition_)
        progress_.setValue(*std::exchange(pendingPosition_, std::nullopt));
}

void GuiReporter::paintNow()
{
    if (!pendingLines_.isEmpty()) {
        // One append lays the lines out once; each becomes a line of its own.
        log_.appendPlainText(pendingLines_.join(QLatin1Char('\n')));
        pendingLines_.clear();
        log_.setTextCursor(QTextCursor(log_.document()->lastBlock()));
        // The newest line is shown even when the user had scrolled away.
        QScrollBar* bar = log_.verticalScrollBar();
        bar->setValue(bar->maximum());
    }
    applyPosition();
    log_.repaint();
    progress_.repaint();
    lastPaint_.start();
    unpainted_ = false;
}

} // namespace orvik
