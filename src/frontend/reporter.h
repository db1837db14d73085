#pragma once

#include "device/progress.h"
#include "files/result.h"

#include <QString>
#include <exception>
#include <type_traits>

namespace orvik {

// How a front end tells the user what happens: a session's progress, and the
// three modal boxes. The window shows these in Memo1, ProgressBar1 and its
// boxes; orvikctl prints them; tests record them.
class Reporter : public Progress {
public:
    // "Information" box: information icon, one OK.
    virtual void information(const QString& text) = 0;
    // Box titled with the application title, no icon, one OK.
    virtual void notice(const QString& text) = 0;
    // Box titled with the application title, error icon. `text` already
    // carries the full stop of errorBoxText.
    virtual void error(const QString& text) = 0;
    // A file or folder of the program's own that cannot be used: the error box.
    virtual void programError(const QString& text) { error(errorBoxText(text)); }
};

// How a step that tells its failures itself, as they come, went: a failure
// told no more.
Result<> toldOutcome(bool succeeded);

// What the error box says of an exception that ended an operation.
QString errorBoxText(const std::exception& e);

// Tells the user of a failure, or of a note, where it is to be read.
void report(Reporter& reporter, const OperationError& error);

// What a front end does with a step it ran: tells the user its notes, then
// why it failed. True when it succeeded.
template <class T> bool tell(Reporter& reporter, const Result<T>& result)
{
    for (const OperationError& note : result.notes())
        report(reporter, note);
    if (!result.ok())
        report(reporter, result.error());
    return result.ok();
}

// Runs one operation, which returns nothing or a Result. An exception
// escaping it ends it in the error box, a Result is told, and the program goes
// on. True when it succeeded.
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
