#include "app/limited_line_edit.h"

#include <algorithm>

namespace orvik {

LimitedLineEdit::LimitedLineEdit(int limit, QWidget* parent) : QLineEdit(parent), limit_(limit)
{
    fitBound();
    // A user edit that shortened an over-long text lowers the bound with it.
    connect(this, &QLineEdit::textEdited, this, &LimitedLineEdit::fitBound);
}

void LimitedLineEdit::showText(const QString& text)
{
    // Widen first, so neither the old nor the new text is cut on the way.
    setMaxLength(std::max<int>({limit_, int(text.size()), int(this->text().size())}));
    setText(text);
    fitBound();
}

void LimitedLineEdit::fitBound()
{
    setMaxLength(std::max<int>(limit_, text().size()));
}

} // namespace orvik
