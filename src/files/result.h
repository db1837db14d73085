#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace orvik {

// Why an operation, or one step of it, failed, in the words the user reads,
// and where the user reads them. Thrown only where an operation ends in the
// error box (a value that does not convert); every other step returns it in
// a Result, and the front end that ran the operation tells the user.
class OperationError : public std::runtime_error {
public:
    enum class Told {
        ErrorBox,
        InformationBox,
        Log, // a line in the log, no box
        // A file or folder of the program's own that cannot be used (the
        // emulator's files, orvikctl's inputs and outputs): the window shows
        // it in the error box, orvikctl on a line of its own after
        // "orvikctl: ", also with --quiet.
        Program,
    };
    // `reason` is the system's own text, where the failure has one and the
    // error box does not show it (orvikctl prints it).
    explicit OperationError(const QString& text, const QString& reason = {},
                            Told told = Told::ErrorBox)
        : std::runtime_error(text.toStdString()), text_(text), reason_(reason), told_(told)
    {}
    OperationError(const QString& text, Told told) : OperationError(text, {}, told) {}
    const QString& text() const { return text_; }
    const QString& reason() const { return reason_; }
    Told told() const { return told_; }

private:
    QString text_;
    QString reason_;
    Told told_;
};

// A refusal the user reads in the information box.
inline OperationError refusal(const QString& text)
{
    return OperationError(text, OperationError::Told::InformationBox);
}
// A failure the user reads as one line of the log.
inline OperationError logLine(const QString& text)
{
    return OperationError(text, OperationError::Told::Log);
}
// A file or folder of the program's own that cannot be used.
inline OperationError programError(const QString& text)
{
    return OperationError(text, OperationError::Told::Program);
}

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
