#include "cli/command_files.h"

#include "files/atomic_write.h"
#include "files/capped_read.h"
#include "files/path_walk.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace orvik::cli {

namespace {

// Also when neither exists yet: two outputs may name one new file.
bool samePlace(const QString& a, const QString& b)
{
    return isSameFile(a, b) || QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

Result<> checkCommandFiles(const QStringList& inputs, const QList<OutputFile>& outputs)
{
    for (const QString& input : inputs) {
        const Result<> status = checkRegularFile(input, kLargestInput);
        if (!status.ok())
            return OperationError(Cause::ProgramFile,
                                  QCoreApplication::translate("orvikctl", "cannot open %1: %2")
                                      .arg(input, status.errorText()));
    }
    for (qsizetype i = 0; i < outputs.size(); ++i) {
        const OutputFile& out = outputs[i];
        // Refused before the appliance is read, not after.
        if (const Result<> status = checkReplaceable(out.path); !status.ok())
            return OperationError(Cause::ProgramFile,
                                  QCoreApplication::translate("orvikctl", "cannot write %1: %2")
                                      .arg(out.path, status.errorText()));
        for (const QString& input : inputs) {
            if (!out.updatesInput && samePlace(out.path, input)) {
                return OperationError(
                    Cause::ProgramFile,
                    QCoreApplication::translate(
                        "orvikctl", "%1 %2 would overwrite the input %3; nothing was written")
                        .arg(out.option, out.path, input));
            }
        }
        for (qsizetype j = 0; j < i; ++j) {
            if (samePlace(out.path, outputs[j].path)) {
                return OperationError(
                    Cause::ProgramFile,
                    QCoreApplication::translate(
                        "orvikctl", "%1 %2 and %3 %4 are the same file; nothing was written")
                        .arg(out.option, out.path, outputs[j].option, outputs[j].path));
            }
        }
    }
    return {};
}

} // namespace orvik::cli
