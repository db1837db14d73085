#include "frontend/reporter.h"

namespace orvik {

Result<> toldOutcome(bool succeeded)
{
    if (succeeded)
        return {};
    return OperationError(Cause::AlreadyTold, {});
}

QString errorBoxText(const std::exception& e)
{
    const auto* own = dynamic_cast<const OperationError*>(&e);
    return errorBoxText(own ? own->text() : QString::fromLocal8Bit(e.what()));
}

namespace {

// Where the user reads a failure, by its cause.
enum class Told { ErrorBox, InformationBox, Log, Program, Nothing };

Told toldBy(Cause cause)
{
    switch (cause) {
    case Cause::NotFound:
    case Cause::CannotOpen:
    case Cause::NoReply:
    case Cause::WrongEcho:
    case Cause::BadChecksum:
    case Cause::Disconnected:
    case Cause::VersionUnread:
    case Cause::ValueChanged:
        return Told::Log;
    case Cause::VersionMismatch:
    case Cause::FirmwareRefused:
    case Cause::Refused:
        return Told::InformationBox;
    case Cause::ProgramFile:
        return Told::Program;
    case Cause::AlreadyTold:
        return Told::Nothing;
    case Cause::Failed:
    case Cause::InUse:
    case Cause::System:
    case Cause::NotRegular:
    case Cause::TooLarge:
    case Cause::UpdatedElsewhere:
    case Cause::NotConfigFile:
    case Cause::CannotWrite:
    case Cause::OutOfMemory:
    case Cause::Unconvertible:
        break;
    }
    return Told::ErrorBox;
}

} // namespace

void report(Reporter& reporter, const OperationError& error)
{
    switch (toldBy(error.cause())) {
    case Told::ErrorBox:
        reporter.error(errorBoxText(error.text()));
        break;
    case Told::InformationBox:
        reporter.information(error.text());
        break;
    case Told::Log:
        reporter.log(error.text());
        break;
    case Told::Program:
        reporter.programError(error.text());
        break;
    case Told::Nothing:
        break;
    }
}

} // namespace orvik
