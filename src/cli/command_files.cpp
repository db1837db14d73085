#include "cli/command_files.h"

#include "cli/context.h"
#include "files/file_access.h"

#include <QFileInfo>

namespace orvik::cli {

namespace {

// Also when neither exists yet: two outputs may name one new file.
bool samePlace(const QString& a, const QString& b)
{
    return isSameFile(a, b) || QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

bool checkCommandFiles(Context& ctx, const QStringList& inputs, const QList<OutputFile>& outputs)
{
    for (const QString& input : inputs) {
        const Result<> status = checkRegularFile(input, kLargestInput);
        if (!status.ok()) {
            ctx.err << "orvikctl: cannot open " << input << ": " << status.errorText() << Qt::endl;
            return false;
        }
    }
    for (qsizetype i = 0; i < outputs.size(); ++i) {
        const OutputFile& out = outputs[i];
        for (const QString& input : inputs) {
            if (!out.updatesInput && samePlace(out.path, input)) {
                ctx.err << "orvikctl: " << out.option << ' ' << out.path
                        << " would overwrite the input " << input << "; nothing was written"
                        << Qt::endl;
                return false;
            }
        }
        for (qsizetype j = 0; j < i; ++j) {
            if (samePlace(out.path, outputs[j].path)) {
                ctx.err << "orvikctl: " << out.option << ' ' << out.path << " and "
                        << outputs[j].option << ' ' << outputs[j].path
                        << " are the same file; nothing was written" << Qt::endl;
                return false;
            }
        }
    }
    return true;
}

} // namespace orvik::cli
