#include "settings/operation.h"

#include <exception>

namespace orvik {

QString errorBoxText(const QString& text)
{
    if (!text.isEmpty() && text.back().unicode() > 46)
        return text + QLatin1Char('.');
    return text;
}

bool runOperation(Reporter& reporter, const std::function<void()>& operation)
{
    try {
        operation();
        return true;
    } catch (const OperationError& e) {
        reporter.error(errorBoxText(e.text()));
    } catch (const std::exception& e) {
        reporter.error(errorBoxText(QString::fromLocal8Bit(e.what())));
    }
    return false;
}

} // namespace orvik
