#include "frontend/reporter.h"

namespace orvik {

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
    case OperationError::Told::Program:
        reporter.programError(error.text());
        break;
    }
}

} // namespace orvik
