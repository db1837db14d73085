#pragma once

#include "frontend/device_operation.h"
#include "support/process_wait.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace orvik::test {

// A click on a device button returns at once; the window's operation tells
// its end. Waits for it, bounded; true when none runs any more.
inline bool awaitOperationEnd(const QObject& window)
{
    auto* operation = window.findChild<DeviceOperation*>();
    if (!operation || !operation->running())
        return true;
    QEventLoop ended;
    QObject::connect(operation, &DeviceOperation::finished, &ended, &QEventLoop::quit);
    QTimer::singleShot(kProcessWaitMs, &ended, &QEventLoop::quit);
    ended.exec();
    return !operation->running();
}

} // namespace orvik::test
