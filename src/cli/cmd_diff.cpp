#include "cli/commands.h"
#include "cli/context.h"
#include "cli/image_file.h"
#include "cli/options.h"
#include "device/config_sessions.h"
#include "settings/catalogue.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <memory>
#include <optional>

namespace orvik::cli {

namespace {

// One side of the comparison.
struct Loaded {
    std::unique_ptr<Settings> settings;
    bool image = false;
};

// A file exactly one image long whose check passes is unpacked as "Read
// config" would; anything else is imported as "Read from file" would, which
// alone reads it whole. Both tell their messages; nullopt when the file cannot
// be loaded.
std::optional<Loaded> load(Context& ctx, const QString& path, const Clock& clock)
{
    const Result<std::optional<ConfigImage>> read = readIfImage(path);
    if (!tell(ctx.reporter, read))
        return std::nullopt;
    Loaded loaded{std::make_unique<Settings>(clock)};
    const std::optional<ConfigImage>& image = *read;
    if (image && CheckEepromImage(*image)) {
        loaded.image = true;
        if (!tell(ctx.reporter, UnpackConfigImage(*image, *loaded.settings)))
            return std::nullopt;
        return loaded;
    }
    if (!tell(ctx.reporter, ctx.importConfigFile(*loaded.settings, path))) {
        // An image's length: more likely a damaged image than a foreign file.
        if (image)
            ctx.reporter.log(eepromChecksumError());
        return std::nullopt;
    }
    return loaded;
}

// Neither a file nor an image carries the clock fields, and an image has no
// Uploadpctime.
bool compared(Setting setting, const Loaded& a, const Loaded& b)
{
    if (isClockField(setting))
        return false;
    return setting != Setting::Uploadpctime || !(a.image || b.image);
}

// A value in single quotes; a quote inside is doubled and a control character
// stands outside the quotes as #code ('a'#9'b'), so that every difference
// keeps to one line and the " | " between two values cannot be mistaken.
QString quoted(const QString& value)
{
    QString q = QStringLiteral("'");
    for (const QChar c : value) {
        if (c == QLatin1Char('\''))
            q += QStringLiteral("''");
        else if (c.category() == QChar::Other_Control)
            q += QStringLiteral("'#%1'").arg(c.unicode());
        else
            q += c;
    }
    return q + QLatin1Char('\'');
}

int runDiff(Context& ctx)
{
    // Both sides stand at the same moment, so their clock fields agree.
    const std::int64_t now = ctx.clock()();
    const Clock clock = [now] { return now; };
    // What the import or the unpacking says does not name the file.
    const auto notCompared = [&](const QString& path) {
        report(ctx.reporter,
               OperationError(
                   Cause::ProgramFile,
                   QCoreApplication::translate("orvikctl", "%1 could not be compared").arg(path)));
        return 2;
    };
    const std::optional<Loaded> a = load(ctx, ctx.positional[0], clock);
    if (!a)
        return notCompared(ctx.positional[0]);
    const std::optional<Loaded> b = load(ctx, ctx.positional[1], clock);
    if (!b)
        return notCompared(ctx.positional[1]);

    bool differ = false;
    for (const SettingDef& d : catalogue()) {
        if (!compared(d.id, *a, *b))
            continue;
        const QString va = a->settings->valueText(d.id);
        const QString vb = b->settings->valueText(d.id);
        if (va != vb) {
            ctx.out << d.name << ": " << quoted(va) << " | " << quoted(vb) << '\n';
            differ = true;
        }
    }
    ctx.out.flush();
    return differ ? 1 : 0;
}

} // namespace

const CommandDef kDiffCommand{
    .name = "diff",
    .arguments = "A B",
    .options = {kQuietOption},
    .fileFailure = 2,
    .summary = QT_TRANSLATE_NOOP("orvikctl", "compare two configurations setting by setting"),
    .description = QT_TRANSLATE_NOOP(
        "orvikctl",
        "Compare two configurations setting by setting. Each of A and B is a\n"
        "configuration image when it is exactly 6144 bytes long and passes the image\n"
        "check, and a configuration file otherwise; each is loaded as unpack or \"Read\n"
        "from file\" would, onto a freshly started configurator. Prints one line per\n"
        "setting that differs, in show's order and form: NAME: 'VALUE IN A' | 'VALUE IN\n"
        "B', e.g. Callsign: 'NOCALL' | 'SP9XYZ' (a ' inside a value is doubled; a\n"
        "control character stands outside the quotes as #code: 'a'#9'b'). The clock\n"
        "fields are never compared (neither kind keeps them), nor Uploadpctime when A\n"
        "or B is an image. An image keeps Aprsis_user upper-cased and Callsign padded\n"
        "to six characters, so a file and the image packed from it differ there, as\n"
        "the appliance would hold them. Exit status 0: the same, 1: they differ, 2: a\n"
        "usage error or a file that cannot be loaded (its messages on standard error)."),
    .run = runDiff};

} // namespace orvik::cli
