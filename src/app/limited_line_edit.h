#pragma once

#include <QLineEdit>

namespace orvik {

class CharacterBound;

// A text field whose limit binds what the user types or pastes, never what the
// program puts in: a configuration read or a file import may hold longer text,
// which must be shown whole and can still be shortened. The limit counts
// characters, so a character outside the Basic Multilingual Plane is one.
class LimitedLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LimitedLineEdit(int limit, QWidget* parent = nullptr);

    int limit() const { return limit_; }
    // Shows `text` whole, whatever its length; emits no textEdited.
    void showText(const QString& text);

private:
    // The bound stops typing, pasting and dropping alike; it is kept at the
    // limit or at the current length when that is longer, so it never cuts a
    // text the program set.
    void fitBound();

    int limit_;
    CharacterBound* bound_;
};

} // namespace orvik
