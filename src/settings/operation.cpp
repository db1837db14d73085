#include "settings/operation.h"

#include <exception>

namespace orvik {

QString errorBoxText(const QString& text)
{
    if (!text.isEmpty() && text.back().unicode() > 46)
        return text + QLatin1Char('.');
    return text;
}

QString errorBoxText(const std::exception& e)
{
    const auto* own = dynamic_cast<const OperationError*>(&e);
    return errorBoxText(own ? own->text() : QString::fromLocal8Bit(e.what()));
}

bool runOperation(Reporter& reporter, const std::function<void()>& operation)
{
    try {
        operation();
        return true;
    } catch (const std::exception& e) {
        reporter.error(errorBoxText(e));
    }
    return false;
}

} // namespace orvik
