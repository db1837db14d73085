#include "files/atomic_write.h"
#include "support/file_kinds.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QString>

namespace orvik {
namespace {

using test::FileKinds;
using test::rowName;

// Each row writes over one of these.
class AtomicWriteTargets : public FileKinds {
public:
    const QString regular = write("r.cfg", "old");
    const QString linked = link("l.cfg", regular);
    const QString pipe = fifo("p");
    const QString node = device("null");
};

struct WriteRow {
    const char* name;
    QString (*path)(AtomicWriteTargets&);
    QString error;
    bool (*kept)(AtomicWriteTargets&); // the target is as the row wants it after
    const char* made;                  // the file the row makes, if any
};
class AtomicWrite : public AtomicWriteTargets, public testing::WithParamInterface<WriteRow> {};

TEST_P(AtomicWrite, WritesOnlyOverARegularFileAndKeepsLinks)
{
    QStringList expected = entries();
    EXPECT_EQ(writeFileAtomically(GetParam().path(*this), "new").errorText(), GetParam().error);
    EXPECT_TRUE(GetParam().kept(*this));
    // No temporary file is left beside it.
    if (GetParam().made)
        expected.append(GetParam().made);
    expected.sort();
    EXPECT_EQ(entries(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AtomicWrite,
    testing::Values(
        WriteRow{"NewFile", [](AtomicWriteTargets& f) { return f.dir.filePath("n.cfg"); }, "",
                 [](AtomicWriteTargets& f) { return f.read(f.dir.filePath("n.cfg")) == "new"; },
                 "n.cfg"},
        WriteRow{"LinkTheTargetIsReplaced", [](AtomicWriteTargets& f) { return f.linked; }, "",
                 [](AtomicWriteTargets& f) {
                     return QFileInfo(f.linked).isSymLink() && f.read(f.regular) == "new";
                 },
                 nullptr},
        WriteRow{"Fifo", [](AtomicWriteTargets& f) { return f.pipe; },
                 "Is a FIFO, not a regular file",
                 [](AtomicWriteTargets& f) {
                     return QFileInfo(f.pipe).exists() && !QFileInfo(f.pipe).isFile();
                 },
                 nullptr},
        WriteRow{"Device", [](AtomicWriteTargets& f) { return f.node; },
                 "Is a device, not a regular file",
                 [](AtomicWriteTargets& f) { return !QFileInfo(f.node).isFile(); }, nullptr},
        WriteRow{"Directory", [](AtomicWriteTargets& f) { return f.dir.path(); }, "Is a directory",
                 [](AtomicWriteTargets&) { return true; }, nullptr},
        WriteRow{"BelowARegularFile", [](AtomicWriteTargets& f) { return f.regular + "/x"; },
                 "Not a directory",
                 [](AtomicWriteTargets& f) { return f.read(f.regular) == "old"; }, nullptr},
        WriteRow{"InARegularFileAsAFolder", [](AtomicWriteTargets& f) { return f.regular + "/."; },
                 "Not a directory",
                 [](AtomicWriteTargets& f) { return f.read(f.regular) == "old"; }, nullptr},
        WriteRow{"EmptyPath", [](AtomicWriteTargets&) { return QString(); },
                 "No such file or directory", [](AtomicWriteTargets&) { return true; }, nullptr}),
    rowName<WriteRow>);

} // namespace
} // namespace orvik
