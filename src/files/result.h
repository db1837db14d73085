#pragma once

#include <QString>
#include <QtGlobal>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvik {

// Why an operation, or one step of it, failed: its cause, which code
// branches on, the system's errno where the system gave one, and the words
// the user reads. Thrown only for a fault of the program's own (a name its
// tables do not hold), which ends the operation in the error box; every other
// step returns it in a Result, and the front end that ran the operation tells
// the user, where its cause says.
class OperationError : public std::exception {
public:
    enum class Cause {
        Failed, // of a kind no caller tells apart
        // the appliance
        NotFound,
        InUse,
        CannotOpen, // with the system's errno where it gave one
        NoReply,    // an exchange that went wrong: no reply, a short one
        WrongEcho,
        BadChecksum,
        Disconnected,
        VersionUnread,   // the firmware's version could not be read
        VersionMismatch, // the firmware's version is not the one expected
        FirmwareRefused, // a firmware image that is not uploaded
        // files
        System, // the system's errno
        NotRegular,
        TooLarge,
        UpdatedElsewhere,
        NotConfigFile,
        CannotWrite, // a configuration file not written, for the cause beneath
        OutOfMemory,
        // what the user gave
        Refused,       // a value, a file or a step the program does not take
        Unconvertible, // a value that does not convert
        ValueChanged,  // a value taken otherwise than given (a note)
        // A file or folder of the program's own that cannot be used (the
        // emulator's files, orvikctl's inputs and outputs).
        ProgramFile,
        // Told already, as it came, by a step that went on after it: the
        // front end tells nothing more.
        AlreadyTold,
    };
    // `reason` is the system's own text, where the failure has one and the
    // error box does not show it (orvikctl prints it).
    OperationError(Cause cause, const QString& text, const QString& reason = {},
                   int systemError = 0)
        : cause_(cause), systemError_(systemError), text_(text), reason_(reason)
    {}
    // Made when first asked for, which only a fault of the program's own
    // does: most failures are told by their text and never thrown.
    const char* what() const noexcept override
    {
        if (what_.empty())
            what_ = text_.toStdString();
        return what_.c_str();
    }
    Cause cause() const { return cause_; }
    // The system's errno, 0 where the system gave none.
    int systemError() const { return systemError_; }
    const QString& text() const { return text_; }
    const QString& reason() const { return reason_; }

private:
    Cause cause_;
    int systemError_;
    QString text_;
    QString reason_;
    mutable std::string what_;
};

using Cause = OperationError::Cause;

// The error box adds a full stop when the text's last character sorts after
// "." (code 46), as any letter or digit does.
inline QString errorBoxText(const QString& text)
{
    if (!text.isEmpty() && text.back().unicode() > 46)
        return text + QLatin1Char('.');
    return text;
}

// The one way a fallible step reports: its value, or the OperationError that
// says why there is none. Besides, its notes: what the user reads first, in
// order, whether the step then succeeds (a warning) or fails (a failure it
// went on after). A debug build asserts that only the state it is in is read.
template <class T = void> class [[nodiscard]] Result {
public:
    Result(T value, std::vector<OperationError> notes = {})
        : value_(std::move(value)), notes_(std::move(notes))
    {}
    Result(OperationError error, std::vector<OperationError> notes = {})
        : error_(std::move(error)), notes_(std::move(notes))
    {}

    bool ok() const { return value_.has_value(); }
    const OperationError& error() const
    {
        Q_ASSERT_X(!ok(), "Result::error", "the step succeeded");
        return *error_;
    }
    // The failure's text, empty on success.
    QString errorText() const { return ok() ? QString() : error_->text(); }
    const std::vector<OperationError>& notes() const { return notes_; }
    const T& operator*() const&
    {
        Q_ASSERT_X(ok(), "Result::operator*", "the step failed");
        return *value_;
    }
    T&& operator*() &&
    {
        Q_ASSERT_X(ok(), "Result::operator*", "the step failed");
        return std::move(*value_);
    }
    const T* operator->() const
    {
        Q_ASSERT_X(ok(), "Result::operator->", "the step failed");
        return &*value_;
    }

private:
    std::optional<T> value_;
    std::optional<OperationError> error_;
    std::vector<OperationError> notes_;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    explicit Result(std::vector<OperationError> notes) : notes_(std::move(notes)) {}
    Result(OperationError error, std::vector<OperationError> notes = {})
        : error_(std::move(error)), notes_(std::move(notes))
    {}

    bool ok() const { return !error_; }
    const OperationError& error() const
    {
        Q_ASSERT_X(!ok(), "Result::error", "the step succeeded");
        return *error_;
    }
    QString errorText() const { return ok() ? QString() : error_->text(); }
    const std::vector<OperationError>& notes() const { return notes_; }

private:
    std::optional<OperationError> error_;
    std::vector<OperationError> notes_;
};

} // namespace orvik
