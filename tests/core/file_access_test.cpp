#include "files/atomic_write.h"
#include "files/capped_read.h"
#include "files/native_names.h"
#include "files/path_walk.h"
#include "support/resource_limit.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace orvik {
namespace {

template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

class FileAccess : public test::TempFiles {
public: // for the rows, which make the files they name
    using TempFiles::dir;
    using TempFiles::fifo;
    using TempFiles::read;
    using TempFiles::write;
    // A node of our own where root may make one, so that a fault here never
    // replaces the system's /dev/null.
    QString device(const QString& name)
    {
        if (geteuid() != 0)
            return QStringLiteral("/dev/null");
        const QString path = dir.filePath(name);
        EXPECT_EQ(::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        return path;
    }
    QString link(const QString& name, const QString& target)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(QFile::link(target, path));
        return path;
    }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }
};

struct ReadRow {
    const char* name;
    QString (*path)(FileAccess&); // made for the row
    QByteArray bytes;
    QString error;
};
class FileAccessRead : public FileAccess, public testing::WithParamInterface<ReadRow> {};

TEST_P(FileAccessRead, ReadsOnlyARegularFileOfBoundedSize)
{
    const Result<QByteArray> got = readRegularFile(GetParam().path(*this), 4);
    EXPECT_EQ(got.ok() ? *got : QByteArray(), GetParam().bytes);
    EXPECT_EQ(got.errorText(), GetParam().error);
}

QString regularFile(FileAccess& f)
{
    return f.write("r.cfg", "1234");
}

INSTANTIATE_TEST_SUITE_P(
    FileAccess, FileAccessRead,
    testing::Values(
        ReadRow{"RegularAtTheBound", regularFile, "1234", ""},
        ReadRow{"LinkToARegularFile", [](FileAccess& f) { return f.link("l.cfg", regularFile(f)); },
                "1234", ""},
        ReadRow{"Empty", [](FileAccess& f) { return f.write("e.cfg", ""); }, "", ""},
        ReadRow{"OverTheBound", [](FileAccess& f) { return f.write("big.cfg", "12345"); }, "",
                "File too large (more than 4 bytes)"},
        ReadRow{"Missing", [](FileAccess& f) { return f.dir.filePath("none"); }, "",
                "No such file or directory"},
        ReadRow{"BelowARegularFile", [](FileAccess& f) { return regularFile(f) + "/x"; }, "",
                "Not a directory"},
        ReadRow{"InARegularFileAsAFolder", [](FileAccess& f) { return regularFile(f) + "/."; }, "",
                "Not a directory"},
        ReadRow{"EmptyPath", [](FileAccess&) { return QString(); }, "",
                "No such file or directory"},
        ReadRow{"Directory", [](FileAccess& f) { return f.dir.path(); }, "", "Is a directory"},
        ReadRow{"FifoNeverWaitedOn", [](FileAccess& f) { return f.fifo("p"); }, "",
                "Is a FIFO, not a regular file"},
        ReadRow{"Device", [](FileAccess& f) { return f.device("null"); }, "",
                "Is a device, not a regular file"}),
    rowName<ReadRow>);

// Each row writes over one of these.
class FileAccessWriteTargets : public FileAccess {
public:
    const QString regular = write("r.cfg", "old");
    const QString linked = link("l.cfg", regular);
    const QString pipe = fifo("p");
    const QString node = device("null");
};

struct WriteRow {
    const char* name;
    QString (*path)(FileAccessWriteTargets&);
    QString error;
    bool (*kept)(FileAccessWriteTargets&); // the target is as the row wants it after
    const char* made;                      // the file the row makes, if any
};
class FileAccessWrite : public FileAccessWriteTargets,
                        public testing::WithParamInterface<WriteRow> {};

TEST_P(FileAccessWrite, WritesOnlyOverARegularFileAndKeepsLinks)
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
    FileAccess, FileAccessWrite,
    testing::Values(
        WriteRow{"NewFile", [](FileAccessWriteTargets& f) { return f.dir.filePath("n.cfg"); }, "",
                 [](FileAccessWriteTargets& f) { return f.read(f.dir.filePath("n.cfg")) == "new"; },
                 "n.cfg"},
        WriteRow{"LinkTheTargetIsReplaced", [](FileAccessWriteTargets& f) { return f.linked; }, "",
                 [](FileAccessWriteTargets& f) {
                     return QFileInfo(f.linked).isSymLink() && f.read(f.regular) == "new";
                 },
                 nullptr},
        WriteRow{"Fifo", [](FileAccessWriteTargets& f) { return f.pipe; },
                 "Is a FIFO, not a regular file",
                 [](FileAccessWriteTargets& f) {
                     return QFileInfo(f.pipe).exists() && !QFileInfo(f.pipe).isFile();
                 },
                 nullptr},
        WriteRow{"Device", [](FileAccessWriteTargets& f) { return f.node; },
                 "Is a device, not a regular file",
                 [](FileAccessWriteTargets& f) { return !QFileInfo(f.node).isFile(); }, nullptr},
        WriteRow{"Directory", [](FileAccessWriteTargets& f) { return f.dir.path(); },
                 "Is a directory", [](FileAccessWriteTargets&) { return true; }, nullptr},
        WriteRow{"BelowARegularFile", [](FileAccessWriteTargets& f) { return f.regular + "/x"; },
                 "Not a directory",
                 [](FileAccessWriteTargets& f) { return f.read(f.regular) == "old"; }, nullptr},
        WriteRow{"InARegularFileAsAFolder",
                 [](FileAccessWriteTargets& f) { return f.regular + "/."; }, "Not a directory",
                 [](FileAccessWriteTargets& f) { return f.read(f.regular) == "old"; }, nullptr},
        WriteRow{"EmptyPath", [](FileAccessWriteTargets&) { return QString(); },
                 "No such file or directory", [](FileAccessWriteTargets&) { return true; },
                 nullptr}),
    rowName<WriteRow>);

// `below`: the link leads to a folder, and the file below it is written.
struct StickyRow {
    const char* name;
    const char* link;
    uid_t owner;
    QString error;
    QString below;
};
class FileAccessSticky : public FileAccess, public testing::WithParamInterface<StickyRow> {};

TEST_P(FileAccessSticky, FollowsALinkInAStickyFolderOnlyAsTheKernelWould)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can make a link another user's";
    const QByteArray sticky = QFile::encodeName(dir.filePath("tmp")); // like /tmp, another's
    ASSERT_EQ(::mkdir(sticky, 0) | ::chmod(sticky, 01777) | ::chown(sticky, 5678, 5678), 0);
    const char* name = GetParam().link;
    const QString& error = GetParam().error;
    const QString& below = GetParam().below;
    const QString to = "to-" + QString(name).replace('/', '-');
    ASSERT_TRUE(below.isEmpty() || QDir(dir.path()).mkdir(to));
    const QString target = write(to + below, "old");
    const QString link = dir.filePath(name);
    ASSERT_TRUE(QFile::link(dir.filePath(to), link));
    ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), GetParam().owner, 0), 0);
    EXPECT_EQ(writeFileAtomically(link + below, "new").errorText(), error);
    EXPECT_EQ(read(target), error.isEmpty() ? "new" : "old");
    // A folder made below a link is made only where the write would land.
    const bool made = !below.isEmpty() && error.isEmpty();
    EXPECT_EQ(openFolder(link + "/made", MissingFolders::Made).errorText(),
              made || !error.isEmpty() ? error : "Not a directory");
    EXPECT_EQ(QDir(dir.filePath(to) + "/made").exists(), made);
}

INSTANTIATE_TEST_SUITE_P(
    FileAccess, FileAccessSticky,
    testing::Values(StickyRow{"Planted", "tmp/planted", 1234, "Permission denied", ""},
                    StickyRow{"PlantedFolder", "tmp/planted-folder", 1234, "Permission denied",
                              "/f"},
                    StickyRow{"FolderOwners", "tmp/folder-owners", 5678, "", ""},
                    StickyRow{"Own", "tmp/own", 0, "", ""},
                    StickyRow{"OutsideTheStickyFolder", "others", 1234, "", ""}),
    rowName<StickyRow>);

// Another user swaps their folder and their link in a sticky folder while
// root writes below it: each write lands in the folder or fails, never in the
// folder the link leads to.
TEST_F(FileAccess, AFolderSwappedForALinkMakesTheWriteFailNeverLandElsewhere)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can be raced by another user";
    const QByteArray sticky = QFile::encodeName(dir.filePath("tmp"));
    const QByteArray secret = QFile::encodeName(dir.filePath("secret"));
    ASSERT_EQ(::mkdir(sticky, 0) | ::chmod(sticky, 01777) | ::mkdir(secret, 0700), 0);
    const QByteArray folder = sticky + "/F";
    const QByteArray link = sticky + "/L";
    ASSERT_EQ(::mkdir(folder, 0755) | ::symlink(secret, link) | ::lchown(folder, 1234, 1234) |
                  ::lchown(link, 1234, 1234),
              0);
    const pid_t swapper = ::fork();
    if (swapper == 0) { // from inside, as the test's folder is root's alone
        if (::chdir(sticky) == 0 && ::setgid(1234) == 0 && ::setuid(1234) == 0)
            for (;;)
                ::renameat2(AT_FDCWD, "F", AT_FDCWD, "L", RENAME_EXCHANGE);
        ::_exit(1);
    }
    int written = 0;
    for (int i = 0; i < 300; ++i)
        written +=
            writeFileAtomically(QFile::decodeName(folder) + QString("/r%1.bin").arg(i), "x").ok();
    ::kill(swapper, SIGKILL);
    ASSERT_EQ(::waitpid(swapper, nullptr, 0), swapper);
    EXPECT_EQ(QDir(QFile::decodeName(secret)).entryList(QDir::Files), QStringList());
    const QString landed = QFileInfo(QFile::decodeName(folder)).isSymLink() ? link : folder;
    EXPECT_EQ(QDir(landed).entryList(QDir::Files).size(), written);
}

// Where the path goes through a link of /proc, lies deeper than PATH_MAX, or
// starts in a folder whose name is no text, the file lands where the kernel
// would put it (`landing`, in the folder `cwd`), and is read back from there.
class FileAccessLands;
struct LandingRow {
    const char* name;
    int FileAccessLands::*cwd;
    QByteArray (*path)(const FileAccessLands&);
    const char* landing;
};

class FileAccessLands : public FileAccess, public testing::WithParamInterface<LandingRow> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::mkdir(base + "/caf\xe9", 0700), 0);
        cafe = ::open(base + "/caf\xe9", O_PATH);
        top = ::open(base, O_PATH | O_DIRECTORY);
        deep = ::dup(top); // 300 folders of 20 characters: beyond PATH_MAX from the root
        for (; levels < (GetParam().cwd == &FileAccessLands::deep ? 300 : 0); ++levels) {
            ASSERT_EQ(::mkdirat(deep, "aaaaaaaaaaaaaaaaaaaa", 0700), 0);
            ::close(std::exchange(deep, ::openat(deep, "aaaaaaaaaaaaaaaaaaaa", O_PATH)));
        }
        stdoutFile = ::openat(top, "out.bin", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    }
    // Taken down by hand: QTemporaryDir can neither reach past PATH_MAX nor
    // spell a name that is no text.
    void TearDown() override
    {
        ::unlinkat(cafe, "p.bin", 0);
        ::unlinkat(cafe, "n.bin", 0);
        ::unlinkat(top, "caf\xe9", AT_REMOVEDIR);
        ::unlinkat(deep, "d.bin", 0);
        ::unlinkat(deep, "f.bin", 0);
        for (; levels > 0; --levels) {
            ::close(std::exchange(deep, ::openat(deep, "..", O_PATH)));
            ::unlinkat(deep, "aaaaaaaaaaaaaaaaaaaa", AT_REMOVEDIR);
        }
        for (const int fd : {home, cafe, top, deep, stdoutFile})
            ::close(fd);
    }

public:
    const int home = ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    const QByteArray base = QFile::encodeName(dir.path());
    const QByteArray far = base + QByteArray("/aaaaaaaaaaaaaaaaaaaa").repeated(300) + "/f.bin";
    int cafe = -1;
    int top = -1;
    int deep = -1; // the deepest folder, where a row needs it
    int levels = 0;
    int stdoutFile = -1;
};

TEST_P(FileAccessLands, WhereTheKernelWould)
{
    const int cwd = this->*GetParam().cwd;
    const QString path = QFile::decodeName(GetParam().path(*this));
    ASSERT_EQ(::fchdir(cwd), 0);
    const int kept = ::dup(1);
    ::dup2(stdoutFile, 1);
    const Result<> written = writeFileAtomically(path, "new");
    const Result<QByteArray> back = readRegularFile(path, 16);
    ::dup2(kept, 1);
    ::close(kept);
    ASSERT_EQ(::fchdir(home), 0);
    EXPECT_EQ(written.errorText(), "");
    // Standard output still is the file that was replaced.
    EXPECT_EQ(back.ok() ? *back : back.errorText(), cwd == top ? "" : "new");
    EXPECT_EQ(test::readToEnd(::openat(cwd, GetParam().landing, O_RDONLY)), "new");
}

INSTANTIATE_TEST_SUITE_P(
    FileAccess, FileAccessLands,
    testing::Values(
        LandingRow{"ProcLinkFromAFolderNamedNoText", &FileAccessLands::cafe,
                   [](const FileAccessLands&) { return QByteArray("/proc/self/cwd/p.bin"); },
                   "p.bin"},
        LandingRow{"InAFolderNamedNoText", &FileAccessLands::cafe,
                   [](const FileAccessLands&) { return QByteArray("n.bin"); }, "n.bin"},
        LandingRow{"StandardOutput", &FileAccessLands::top,
                   [](const FileAccessLands&) { return QByteArray("/dev/stdout"); }, "out.bin"},
        LandingRow{"BeyondPathMaxRelative", &FileAccessLands::deep,
                   [](const FileAccessLands&) { return QByteArray("d.bin"); }, "d.bin"},
        LandingRow{"BeyondPathMaxFromTheRoot", &FileAccessLands::deep,
                   [](const FileAccessLands& f) { return f.far; }, "f.bin"}),
    rowName<LandingRow>);

TEST(NativeNames, NamesAnArgumentThatDoesNotComeBackByteForByte)
{
    const std::vector<const char*> good = {"orvikctl", "pack", "-o", "caf\xc3\xa9.bin"};
    const std::vector<const char*> bad = {"orvikctl", "a\xe9\xc3\xa9\t.bin", "\xe8"};
    EXPECT_EQ(unusableArgument(int(good.size()), good.data()), "");
    EXPECT_EQ(unusableArgument(int(bad.size()), bad.data()), "a\\xe9\u00e9\\x09.bin");
}

class FileAccessTwoFiles : public FileAccess {
public:
    const QString a = write("a", "x");
    const QString b = write("b", "x");
    const QString hard = dir.filePath("hard");
};

struct SameFileRow {
    const char* name;
    QString (*second)(FileAccessTwoFiles&); // named beside `a`
    bool same;
};
class FileAccessSameFile : public FileAccessTwoFiles,
                           public testing::WithParamInterface<SameFileRow> {};

TEST_P(FileAccessSameFile, TellsTheSameFileByDeviceAndInode)
{
    ASSERT_EQ(::link(QFile::encodeName(a).constData(), QFile::encodeName(hard).constData()), 0);
    EXPECT_EQ(isSameFile(a, GetParam().second(*this)), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    FileAccess, FileAccessSameFile,
    testing::Values(
        SameFileRow{"Itself", [](FileAccessTwoFiles& f) { return f.a; }, true},
        SameFileRow{"ThroughDot", [](FileAccessTwoFiles& f) { return f.dir.path() + "/./a"; },
                    true},
        SameFileRow{"HardLink", [](FileAccessTwoFiles& f) { return f.hard; }, true},
        SameFileRow{"SymbolicLink", [](FileAccessTwoFiles& f) { return f.link("s", f.a); }, true},
        SameFileRow{"AnotherFile", [](FileAccessTwoFiles& f) { return f.b; }, false},
        SameFileRow{"Missing", [](FileAccessTwoFiles& f) { return f.dir.filePath("none"); },
                    false}),
    rowName<SameFileRow>);

} // namespace
} // namespace orvik
