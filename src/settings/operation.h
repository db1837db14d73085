#pragma once

#include "files/result.h"

#include <QString>
#include <type_traits>

namespace orvik {

// How every operation tells the user what happens. The window shows these in
// Memo1, ProgressBar1 and three modal boxes; orvikctl prints them; tests
// record them.
class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void log(const QString& line) = 0;
    // The bar runs from 0 to `maximum`; position is set afresh each time.
    virtual void setProgressRange(int maximum) = 0;
    virtual void setProgress(int position) = 0;
    // "Information" box: information icon, one OK.
    virtual void information(const QString& text) = 0;
    // Box titled with the application title, no icon, one OK.
    virtual void notice(const QString& text) = 0;
    // Box titled with the application title, error icon. `text` already
    // carries the full stop of errorBoxText.
    virtual void error(const QString& text) = 0;
    // Lets the window handle its pending events (only the firmware upload
    // asks for this, between pages).
    virtual void handlePendingEvents() {}
};

class ConversionError : public OperationError {
public:
    explicit ConversionError(const QString& field)
        : OperationError(QStringLiteral("'%1' is not a valid integer value").arg(field))
    {}
};

// The error box adds a full stop when the text's last character sorts after
// "." (code 46), as any letter or digit does.
QString errorBoxText(const QString& text);
// What the error box says of an exception that ended an operation.
QString errorBoxText(const std::exception& e);

// Tells the user of a failure where it is to be read.
void report(Reporter& reporter, const OperationError& error);

// What a front end does with a step it ran: tells the user why it failed.
// True when it succeeded.
template <class T> bool tell(Reporter& reporter, const Result<T>& result)
{
    if (!result.ok())
        report(reporter, result.error());
    return result.ok();
}

// Runs one operation, which returns nothing or a Result. An exception
// escaping it ends it in the error box, a failed Result is told where it is
// to be read, and the program goes on. True when it succeeded.
template <class Operation> bool runOperation(Reporter& reporter, Operation&& operation)
{
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Operation&>>) {
            operation();
            return true;
        } else {
            return tell(reporter, operation());
        }
    } catch (const std::exception& e) {
        reporter.error(errorBoxText(e));
    }
    return false;
}

} // namespace orvik
