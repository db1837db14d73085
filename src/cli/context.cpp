#include "cli/context.h"

#include "configfile/config_file.h"
#include "settings/catalogue.h"
#include "settings/number.h"
#include "settings/settings.h"

#include <QCoreApplication>

namespace orvik::cli {

Clock Context::clock() const
{
    if (time) {
        const std::int64_t t = *time;
        return [t] { return t; };
    }
    return systemNow;
}

std::unique_ptr<Settings> Context::freshSettings() const
{
    return std::make_unique<Settings>(clock());
}

Result<std::unique_ptr<Settings>> Context::prepareSettings() const
{
    auto settings = freshSettings();
    Result<> imported;
    if (!positional.isEmpty())
        imported = importConfigFile(*settings, positional.first());
    std::vector<OperationError> notes = imported.notes();
    if (!imported.ok())
        return {imported.error(), std::move(notes)};
    if (Result<> set = applySets(*settings); !set.ok())
        return {set.error(), std::move(notes)};
    return {std::move(settings), std::move(notes)};
}

Result<> Context::importConfigFile(Settings& settings, const QString& path) const
{
    const Result<QStringList> read = ImportConfigFile(settings, path);
    std::vector<OperationError> notes = read.notes();
    if (!read.ok())
        return {read.error(), std::move(notes)};
    if (reporter.mode() != CliReporter::Mode::Quiet) {
        for (const QString& warning : *read)
            notes.push_back(OperationError(Cause::ValueChanged, warning));
    }
    return Result<>(std::move(notes));
}

Result<> Context::saveConfigFile(const Settings& settings) const
{
    Result<> saved = ExportConfigFile(settings, output);
    if (saved.ok() || saved.error().reason().isEmpty())
        return saved;
    // One line naming the file and why, as for every file written.
    return OperationError(Cause::ProgramFile,
                          QCoreApplication::translate("orvikctl", "cannot write %1: %2")
                              .arg(output, saved.error().reason()));
}

Result<> Context::applySets(Settings& settings) const
{
    for (const auto& [name, value] : sets) {
        if (Result<> set = settings.setValueText(name, value); !set.ok())
            return set;
    }
    return {};
}

void Context::printSettings(const Settings& settings)
{
    for (const SettingDef& d : catalogue())
        out << d.name << '=' << settings.valueText(d.id) << '\n';
    out.flush();
}

} // namespace orvik::cli
