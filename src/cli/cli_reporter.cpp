#include "cli/cli_reporter.h"

namespace orvik::cli {

void CliReporter::log(const QString& line)
{
    err_ << line << Qt::endl;
}

void CliReporter::information(const QString& text)
{
    err_ << text << Qt::endl;
}

void CliReporter::notice(const QString& text)
{
    err_ << text << Qt::endl;
}

void CliReporter::error(const QString& text)
{
    err_ << text << Qt::endl;
}

} // namespace orvik::cli
