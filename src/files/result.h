#pragma once

#include <QString>
#include <optional>
#include <stdexcept>
#include <utility>

namespace orvik {

// Why an operation, or one step of it, failed, in the words the user reads.
// Thrown only where an operation ends in the error box (a value that does not
// convert); every other step returns it in a Result.
class OperationError : public std::runtime_error {
public:
    // A refusal the user is told of in the information box rather than the
    // error box.
    enum class Box { Error, Information };
    // `reason` is the system's own text, where the failure has one and the
    // error box does not show it (orvikctl prints it).
    explicit OperationError(const QString& text, const QString& reason = {}, Box box = Box::Error)
        : std::runtime_error(text.toStdString()), text_(text), reason_(reason), box_(box)
    {}
    const QString& text() const { return text_; }
    const QString& reason() const { return reason_; }
    Box box() const { return box_; }

private:
    QString text_;
    QString reason_;
    Box box_;
};

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
