#pragma once

#include "app/Unit1.h"
#include "app/dialogs.h"
#include "app/test_application.h"
#include "device/emulator.h"
#include "device/firmware_upload.h"
#include "support/operation_end.h"
#include "support/qt_print.h"

#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace orvik::test {

// Records every box and file dialog, one line each, in order, and answers the
// file dialogs from `answers` (none left: cancelled). `whileOpen` runs inside
// each, as the user may act while a modal box or dialog is open.
class FakeDialogs : public Dialogs {
public:
    void information(const QString& text) override { see("information: " + text); }
    void notice(const QString& text) override { see("notice: " + text); }
    void error(const QString& text) override { see("error: " + text); }
    QString getSaveFileName(const QString& startFolder, const QString& proposed,
                            const QString& filter) override
    {
        see(QStringLiteral("save: %1 | %2 | %3").arg(startFolder, proposed, filter));
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString getOpenFileName(const QString& startFolder, const QString& proposed,
                            const QString& filter) override
    {
        see(QStringLiteral("open: %1 | %2 | %3").arg(startFolder, proposed, filter));
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString getFirmwareFileName(const QString& startFolder, const QString& proposed) override
    {
        see(QStringLiteral("firmware: %1 | %2").arg(startFolder, proposed));
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    // Answered by an index in `answers`; anything else cancels.
    int chooseAppliance(const QStringList& appliances) override
    {
        see("appliance: " + appliances.join(" | "));
        bool ok = false;
        const int index = answers.isEmpty() ? -1 : answers.takeFirst().toInt(&ok);
        return ok ? index : -1;
    }

    QStringList seen;
    QStringList answers;
    std::function<void()> whileOpen = [] {};

private:
    void see(const QString& line)
    {
        seen << line;
        whileOpen();
    }
};

class BytesFirmware : public FirmwareSource {
public:
    bool find(int) const override { return carried; }
    std::optional<QByteArray> load(int) const override { return bytes; }
    QByteArray bytes;
    bool carried = true;
};

// The control of the window named `name`. When there is none the test fails,
// by an exception the test runner catches, rather than crash on using it.
template <typename T = QWidget> T* child(const QWidget& window, const char* name)
{
    T* w = window.findChild<T*>(name);
    if (!w)
        throw std::runtime_error(std::string("no control named ") + name);
    return w;
}

// Clicks `click` and, when that started an operation on the appliance, waits
// for its end, as the user would.
inline void clickToEnd(TForm1& form, void (TForm1::*click)())
{
    (form.*click)();
    EXPECT_TRUE(awaitOperationEnd(form));
}

struct ApplicationReady {
    ApplicationReady() { ensureApplication(); }
};

// The main window with every collaborator replaced, standing at
// 2023-11-14 22:13:20 UTC, with one appliance attached, its program in a
// folder of its own.
struct Form1Rig : ApplicationReady {
    Form1Rig() { device.attach("orvik-1"); }

    FakeDialogs dialogs;
    ApplianceEmulator device;
    BytesFirmware firmware;
    QTemporaryDir programFolder;
    TForm1 form{{[] { return std::int64_t{1700000000}; },
                 &dialogs,
                 &device,
                 &firmware,
                 programFolder.path(),
                 {},
                 &testInterrupts()}};
};

} // namespace orvik::test
