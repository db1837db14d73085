#include "app/window_text.h"

#include "settings/catalogue.h"

#include <QCoreApplication>

namespace orvik {

QString windowText(const QString& text, const char* disambiguation)
{
    return text.isEmpty()
               ? text
               : QCoreApplication::translate("Window", text.toUtf8().constData(), disambiguation);
}

QString windowAppTitle()
{
    return QCoreApplication::translate("Window", kAppTitleText);
}

QString windowCaption()
{
    return windowAppTitle() + QLatin1Char(' ') + kVersionText;
}

} // namespace orvik
