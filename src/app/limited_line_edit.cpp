#include "app/limited_line_edit.h"

#include "settings/latin1.h"

#include <QValidator>
#include <algorithm>
#include <limits>

namespace orvik {

// QLineEdit's own maximum length counts UTF-16 units and may split a surrogate
// pair, so the bound is kept here instead: of what was just put in, which ends
// at the cursor, the characters beyond the bound are dropped.
class CharacterBound : public QValidator {
public:
    using QValidator::QValidator;

    qsizetype bound = 0;
    QString before; // the text as it stood before the change being checked

    State validate(QString& input, int& pos) const override
    {
        qsizetype excess = characterCount(input) - bound;
        if (excess <= 0)
            return Acceptable;
        int cut = pos;
        for (; excess > 0 && cut > 0; --excess) {
            const bool pair =
                cut >= 2 && input[cut - 1].isLowSurrogate() && input[cut - 2].isHighSurrogate();
            cut -= pair ? 2 : 1;
        }
        input.remove(cut, pos - cut);
        pos = cut;
        // Nothing of it fits: QLineEdit then takes the change back quietly.
        return input == before ? Invalid : Acceptable;
    }
};

LimitedLineEdit::LimitedLineEdit(int limit, QWidget* parent)
    : QLineEdit(parent), limit_(limit), bound_(new CharacterBound(this))
{
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(bound_);
    fitBound();
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) { bound_->before = t; });
    // A user edit that shortened an over-long text lowers the bound with it.
    connect(this, &QLineEdit::textEdited, this, &LimitedLineEdit::fitBound);
}

void LimitedLineEdit::showText(const QString& text)
{
    // Widen first, so neither the old nor the new text is cut on the way.
    bound_->bound =
        std::max({qsizetype(limit_), characterCount(text), characterCount(this->text())});
    setText(text);
    fitBound();
}

void LimitedLineEdit::fitBound()
{
    bound_->bound = std::max(qsizetype(limit_), characterCount(text()));
}

} // namespace orvik
