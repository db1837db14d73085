#include "cli/context.h"

#include "configfile/config_file.h"
#include "settings/catalogue.h"
#include "settings/settings.h"

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

std::unique_ptr<Settings> Context::prepareSettings()
{
    auto settings = freshSettings();
    if (!positional.isEmpty() && !importConfigFile(*settings, positional.first()))
        return nullptr;
    if (!applySets(*settings))
        return nullptr;
    return settings;
}

bool Context::importConfigFile(Settings& settings, const QString& path)
{
    const Result<QStringList> read = ImportConfigFile(settings, path, reporter);
    if (!tell(reporter, read))
        return false;
    if (reporter.mode() != CliReporter::Mode::Quiet) {
        for (const QString& warning : *read)
            err << warning << Qt::endl;
    }
    return true;
}

bool Context::saveConfigFile(const Settings& settings)
{
    return runOperation(reporter, [&] {
        Result<> saved = ExportConfigFile(settings, output);
        if (saved.ok() || saved.error().reason().isEmpty())
            return saved;
        // One line naming the file and why, as for every file written.
        err << "orvikctl: cannot write " << output << ": " << saved.error().reason() << Qt::endl;
        return Result<>(alreadyTold(saved.errorText()));
    });
}

bool Context::applySets(Settings& settings)
{
    // Not a structured binding: clang before 16 cannot capture one in a lambda.
    for (const QPair<QString, QString>& set : sets) {
        if (!runOperation(reporter, [&] { settings.setValueText(set.first, set.second); }))
            return false;
    }
    return true;
}

void Context::printSettings(const Settings& settings)
{
    for (const SettingDef& d : catalogue())
        out << d.name << '=' << settings.valueText(d.id) << '\n';
    out.flush();
}

} // namespace orvik::cli
