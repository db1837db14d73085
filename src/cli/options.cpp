#include "cli/options.h"

#include "cli/context.h"
#include "device/hid_log.h"
#include "settings/catalogue.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace orvik::cli {

namespace {

QString takeSet(Context& ctx, const QString& value)
{
    const qsizetype eq = value.indexOf('=');
    if (eq <= 0)
        return QCoreApplication::translate("orvikctl", "--set: '%1' is not NAME=VALUE").arg(value);
    const QString name = value.left(eq);
    if (!findSetting(name))
        return QCoreApplication::translate("orvikctl", "--set: unknown setting %1").arg(name);
    ctx.sets.append({name, value.mid(eq + 1)});
    return {};
}

QString keepTime(Context& ctx, const QString& value)
{
    bool ok = false;
    const qint64 t = value.toLongLong(&ok);
    if (!ok)
        return QCoreApplication::translate("orvikctl", "--time: '%1' is not a number of seconds")
            .arg(value);
    ctx.time = t;
    return {};
}

QString takeVerbose(Context&, const QString&)
{
    QLoggingCategory::setFilterRules(
        QStringLiteral("%1.debug=true").arg(QLatin1String(lcHid().categoryName())));
    return {};
}

QString takeQuiet(Context& ctx, const QString&)
{
    ctx.reporter.setMode(CliReporter::Mode::Quiet);
    return {};
}

template <QString Context::*field> QString keep(Context& ctx, const QString& value)
{
    ctx.*field = value;
    return {};
}

} // namespace

const OptionDef kSetOption{
    {QStringLiteral("set"),
     QT_TRANSLATE_NOOP("orvikctl",
                       "Change a setting first, repeatable: a text, a list's index, a check box's "
                       "0 or 1."),
     QStringLiteral("NAME=VALUE")},
    true,
    takeSet};
const OptionDef kTimeOption{
    {QStringLiteral("time"),
     QT_TRANSLATE_NOOP("orvikctl",
                       "Take \"now\" as EPOCH seconds since 1970-01-01 UTC (clock fields, write "
                       "stamp)."),
     QStringLiteral("EPOCH")},
    false,
    keepTime};
const OptionDef kOutputOption{{QStringLiteral("o"),
                               QT_TRANSLATE_NOOP("orvikctl", "The file to write."),
                               QStringLiteral("FILE")},
                              false,
                              keep<&Context::output>};
const OptionDef kImageOption{{QStringLiteral("image"),
                              QT_TRANSLATE_NOOP("orvikctl", "The image file (see above)."),
                              QStringLiteral("FILE")}};
const OptionDef kEmulatorOption{
    {QStringLiteral("emulator"),
     QT_TRANSLATE_NOOP("orvikctl", "Use the emulated appliances kept in DIR, not USB."),
     QStringLiteral("DIR")},
    false,
    keep<&Context::emulatorDir>};
const OptionDef kDeviceOption{
    {QStringLiteral("device"),
     QT_TRANSLATE_NOOP("orvikctl", "Pick an appliance by its path or serial number."),
     QStringLiteral("PATH|SERIAL")},
    false,
    keep<&Context::device>};
const OptionDef kVerboseOption{
    {QStringLiteral("verbose"),
     QT_TRANSLATE_NOOP("orvikctl", "Log failed exchanges with the HID layer's reason.")},
    false,
    takeVerbose};
const OptionDef kQuietOption{
    {QStringLiteral("quiet"), QT_TRANSLATE_NOOP("orvikctl", "Say only what went wrong.")},
    false,
    takeQuiet};

std::vector<OptionUse> withDeviceOptions(std::vector<OptionUse> own)
{
    own.insert(own.end(), {kEmulatorOption, kDeviceOption, kVerboseOption, kQuietOption});
    return own;
}

QString spelled(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace orvik::cli
