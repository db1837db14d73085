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

// Tells the user of a failure in its box.
void report(Reporter& reporter, const OperationError& error);

// Runs one operation, which returns nothing, whether it succeeded (false once
// it has told the user why not), or a Result. An exception escaping it ends it
// in the error box, a failed Result in its own box, and the program goes on.
// True when it succeeded.
template <class Operation> bool runOperation(Reporter& reporter, Operation&& operation)
{
    using Returned = std::invoke_result_t<Operation&>;
    try {
        if constexpr (std::is_void_v<Returned>) {
            operation();
            return true;
        } else if constexpr (std::is_same_v<Returned, bool>) {
            return operation();
        } else {
            const Result<> done = operation();
            if (!done.ok())
                report(reporter, done.error());
            return done.ok();
        }
    } catch (const std::exception& e) {
        reporter.error(errorBoxText(e));
    }
    return false;
}

} // namespace orvik
