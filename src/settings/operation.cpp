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

void report(Reporter& reporter, const OperationError& error)
{
    switch (error.told()) {
    case OperationError::Told::ErrorBox:
        reporter.error(errorBoxText(error.text()));
        break;
    case OperationError::Told::InformationBox:
        reporter.information(error.text());
        break;
    case OperationError::Told::Log:
        reporter.log(error.text());
        break;
    case OperationError::Told::Already:
        break;
    }
}

} // namespace orvik
