#include "files/capped_read.h"
#include "support/file_kinds.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

#include <QString>

namespace orvik {
namespace {

using test::FileKinds;
using test::rowName;

struct ReadRow {
    const char* name;
    QString (*path)(FileKinds&); // made for the row
    QByteArray bytes;
    QString error;
};
class CappedRead : public FileKinds, public testing::WithParamInterface<ReadRow> {};

TEST_P(CappedRead, ReadsOnlyARegularFileOfBoundedSize)
{
    const Result<QByteArray> got = readRegularFile(GetParam().path(*this), 4);
    EXPECT_EQ(got.ok() ? *got : QByteArray(), GetParam().bytes);
    EXPECT_EQ(got.errorText(), GetParam().error);
}

QString regularFile(FileKinds& f)
{
    return f.write("r.cfg", "1234");
}

INSTANTIATE_TEST_SUITE_P(
    Files, CappedRead,
    testing::Values(
        ReadRow{"RegularAtTheBound", regularFile, "1234", ""},
        ReadRow{"LinkToARegularFile", [](FileKinds& f) { return f.link("l.cfg", regularFile(f)); },
                "1234", ""},
        ReadRow{"Empty", [](FileKinds& f) { return f.write("e.cfg", ""); }, "", ""},
        ReadRow{"OverTheBound", [](FileKinds& f) { return f.write("big.cfg", "12345"); }, "",
                "File too large (more than 4 bytes)"},
        ReadRow{"Missing", [](FileKinds& f) { return f.dir.filePath("none"); }, "",
                "No such file or directory"},
        ReadRow{"BelowARegularFile", [](FileKinds& f) { return regularFile(f) + "/x"; }, "",
                "Not a directory"},
        ReadRow{"InARegularFileAsAFolder", [](FileKinds& f) { return regularFile(f) + "/."; }, "",
                "Not a directory"},
        ReadRow{"EmptyPath", [](FileKinds&) { return QString(); }, "", "No such file or directory"},
        ReadRow{"Directory", [](FileKinds& f) { return f.dir.path(); }, "", "Is a directory"},
        ReadRow{"FifoNeverWaitedOn", [](FileKinds& f) { return f.fifo("p"); }, "",
                "Is a FIFO, not a regular file"},
        ReadRow{"Device", [](FileKinds& f) { return f.device("null"); }, "",
                "Is a device, not a regular file"}),
    rowName<ReadRow>);

} // namespace
} // namespace orvik
