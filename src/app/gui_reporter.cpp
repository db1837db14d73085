#include "app/gui_reporter.h"

#include "app/dialogs.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <algorithm>

namespace orvik {

namespace {
// About 25 frames a second: smooth to watch, and a 192-page session spends
// next to nothing on painting.
constexpr qint64 kPaintIntervalMs = 40;
} // namespace

GuiReporter::GuiReporter(QPlainTextEdit& log, QProgressBar& progress, Dialogs& dialogs)
    : log_(log), progress_(progress), dialogs_(dialogs)
{}

void GuiReporter::log(const QString& line)
{
    log_.appendPlainText(line);
    // The newest line is shown even when the user had scrolled away.
    QScrollBar* bar = log_.verticalScrollBar();
    bar->setValue(bar->maximum());
    changed();
}

void GuiReporter::setProgressRange(int maximum)
{
    // A bar of 0..0 turns into a "busy" animation that never ends; an
    // operation with no pages (an empty firmware image) shows an empty bar.
    progress_.setRange(0, std::max(maximum, 1));
    changed();
}

void GuiReporter::setProgress(int position)
{
    progress_.setValue(position);
    changed();
}

void GuiReporter::information(const QString& text)
{
    flush();
    dialogs_.information(text);
}

void GuiReporter::notice(const QString& text)
{
    flush();
    dialogs_.notice(text);
}

void GuiReporter::error(const QString& text)
{
    flush();
    dialogs_.error(text);
}

void GuiReporter::handlePendingEvents()
{
    QCoreApplication::processEvents();
}

void GuiReporter::flush()
{
    if (unpainted_)
        paintNow();
}

void GuiReporter::changed()
{
    if (lastPaint_.isValid() && lastPaint_.elapsed() < kPaintIntervalMs) {
        unpainted_ = true;
        return;
    }
    paintNow();
}

void GuiReporter::paintNow()
{
    log_.repaint();
    progress_.repaint();
    lastPaint_.start();
    unpainted_ = false;
}

} // namespace orvik
