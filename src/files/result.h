#pragma once

#include <QString>
#include <optional>
#include <stdexcept>
#include <utility>

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
        // Nothing more to tell: the session that went on after the failure
        // told it there and then, or the session's end says why.
        Already,
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

// A failure the user has been told of, or is told of at the session's end.
inline OperationError alreadyTold(const QString& text)
{
    return OperationError(text, OperationError::Told::Already);
}

// The one way a fallible step reports: its value, or the OperationError that
// says why there is none.
template <class T = void> class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(OperationError error) : error_(std::move(error)) {}

    bool ok() const { return value_.has_value(); }
    const OperationError& error() const { return *error_; }
    // The failure's text, empty on success.
    QString errorText() const { return ok() ? QString() : error_->text(); }
    const T& operator*() const& { return *value_; }
    T&& operator*() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }

private:
    std::optional<T> value_;
    std::optional<OperationError> error_;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(OperationError error) : error_(std::move(error)) {}

    bool ok() const { return !error_; }
    const OperationError& error() const { return *error_; }
    QString errorText() const { return ok() ? QString() : error_->text(); }

private:
    std::optional<OperationError> error_;
};

} // namespace orvik
