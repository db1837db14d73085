#include "files/atomic_write.h"
#include "files/capped_read.h"
#include "files/path_walk.h"
#include "support/file_kinds.h"
#include "support/resource_limit.h"
#include "support/row_name.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace orvik {
namespace {

using test::FileKinds;
using test::rowName;

// `below`: the link leads to a folder, and the file below it is written.
struct StickyRow {
    const char* name;
    const char* link;
    uid_t owner;
    QString error;
    QString below;
};
class PathWalkSticky : public FileKinds, public testing::WithParamInterface<StickyRow> {};

TEST_P(PathWalkSticky, FollowsALinkInAStickyFolderOnlyAsTheKernelWould)
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
    Files, PathWalkSticky,
    testing::Values(StickyRow{"Planted", "tmp/planted", 1234, "Permission denied", ""},
                    StickyRow{"PlantedFolder", "tmp/planted-folder", 1234, "Permission denied",
                              "/f"},
                    StickyRow{"FolderOwners", "tmp/folder-owners", 5678, "", ""},
                    StickyRow{"Own", "tmp/own", 0, "", ""},
                    StickyRow{"OutsideTheStickyFolder", "others", 1234, "", ""}),
    rowName<StickyRow>);

class PathWalk : public FileKinds {};

// Another user swaps their folder and their link in a sticky folder while
// root writes below it: each write lands in the folder or fails, never in the
// folder the link leads to.
TEST_F(PathWalk, AFolderSwappedForALinkMakesTheWriteFailNeverLandElsewhere)
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
class PathWalkLands;
struct LandingRow {
    const char* name;
    int PathWalkLands::*cwd;
    QByteArray (*path)(const PathWalkLands&);
    const char* landing;
};

class PathWalkLands : public FileKinds, public testing::WithParamInterface<LandingRow> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::mkdir(base + "/caf\xe9", 0700), 0);
        cafe = ::open(base + "/caf\xe9", O_PATH);
        top = ::open(base, O_PATH | O_DIRECTORY);
        deep = ::dup(top); // 300 folders of 20 characters: beyond PATH_MAX from the root
        for (; levels < (GetParam().cwd == &PathWalkLands::deep ? 300 : 0); ++levels) {
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

TEST_P(PathWalkLands, WhereTheKernelWould)
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
    Files, PathWalkLands,
    testing::Values(
        LandingRow{"ProcLinkFromAFolderNamedNoText", &PathWalkLands::cafe,
                   [](const PathWalkLands&) { return QByteArray("/proc/self/cwd/p.bin"); },
                   "p.bin"},
        LandingRow{"InAFolderNamedNoText", &PathWalkLands::cafe,
                   [](const PathWalkLands&) { return QByteArray("n.bin"); }, "n.bin"},
        LandingRow{"StandardOutput", &PathWalkLands::top,
                   [](const PathWalkLands&) { return QByteArray("/dev/stdout"); }, "out.bin"},
        LandingRow{"BeyondPathMaxRelative", &PathWalkLands::deep,
                   [](const PathWalkLands&) { return QByteArray("d.bin"); }, "d.bin"},
        LandingRow{"BeyondPathMaxFromTheRoot", &PathWalkLands::deep,
                   [](const PathWalkLands& f) { return f.far; }, "f.bin"}),
    rowName<LandingRow>);
class PathWalkTwoFiles : public FileKinds {
public:
    const QString a = write("a", "x");
    const QString b = write("b", "x");
    const QString hard = dir.filePath("hard");
};

struct SameFileRow {
    const char* name;
    QString (*second)(PathWalkTwoFiles&); // named beside `a`
    bool same;
};
class PathWalkSameFile : public PathWalkTwoFiles,
                         public testing::WithParamInterface<SameFileRow> {};

TEST_P(PathWalkSameFile, TellsTheSameFileByDeviceAndInode)
{
    ASSERT_EQ(::link(QFile::encodeName(a).constData(), QFile::encodeName(hard).constData()), 0);
    EXPECT_EQ(isSameFile(a, GetParam().second(*this)), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PathWalkSameFile,
    testing::Values(
        SameFileRow{"Itself", [](PathWalkTwoFiles& f) { return f.a; }, true},
        SameFileRow{"ThroughDot", [](PathWalkTwoFiles& f) { return f.dir.path() + "/./a"; }, true},
        SameFileRow{"HardLink", [](PathWalkTwoFiles& f) { return f.hard; }, true},
        SameFileRow{"SymbolicLink", [](PathWalkTwoFiles& f) { return f.link("s", f.a); }, true},
        SameFileRow{"AnotherFile", [](PathWalkTwoFiles& f) { return f.b; }, false},
        SameFileRow{"Missing", [](PathWalkTwoFiles& f) { return f.dir.filePath("none"); }, false}),
    rowName<SameFileRow>);

} // namespace
} // namespace orvik
