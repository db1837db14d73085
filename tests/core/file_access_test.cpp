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

class FileAccess : public test::TempFiles {
protected:
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

TEST_F(FileAccess, ReadsOnlyARegularFileOfBoundedSize)
{
    const QString regular = write("r.cfg", "1234");
    struct Case {
        const char* name;
        QString path;
        QByteArray bytes;
        QString error;
    };
    const Case cases[] = {
        {"regular, at the bound", regular, "1234", ""},
        {"link to a regular file", link("l.cfg", regular), "1234", ""},
        {"empty", write("e.cfg", ""), "", ""},
        {"over the bound", write("big.cfg", "12345"), "", "File too large (more than 4 bytes)"},
        {"missing", dir.filePath("none"), "", "No such file or directory"},
        {"below a regular file", regular + "/x", "", "Not a directory"},
        {"in a regular file as a folder", regular + "/.", "", "Not a directory"},
        {"empty path", "", "", "No such file or directory"},
        {"directory", dir.path(), "", "Is a directory"},
        {"FIFO, never waited on", fifo("p"), "", "Is a FIFO, not a regular file"},
        {"device", device("null"), "", "Is a device, not a regular file"},
    };
    for (const Case& c : cases) {
        const Result<QByteArray> got = readRegularFile(c.path, 4);
        EXPECT_EQ(got.ok() ? *got : QByteArray(), c.bytes) << c.name;
        EXPECT_EQ(got.errorText(), c.error) << c.name;
    }
}

TEST_F(FileAccess, WritesOnlyOverARegularFileAndKeepsLinks)
{
    const QString regular = write("r.cfg", "old");
    const QString linked = link("l.cfg", regular);
    struct Case {
        const char* name;
        QString path;
        QString error;
        std::function<bool()> kept; // the target is as the case wants it after
    };
    const QString pipe = fifo("p");
    const QString node = device("null");
    const Case cases[] = {
        {"new file", dir.filePath("n.cfg"), "",
         [&] { return read(dir.filePath("n.cfg")) == "new"; }},
        {"link: the target is replaced", linked, "",
         [&] { return QFileInfo(linked).isSymLink() && read(regular) == "new"; }},
        {"FIFO", pipe, "Is a FIFO, not a regular file",
         [&] { return QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile(); }},
        {"device", node, "Is a device, not a regular file",
         [&] { return !QFileInfo(node).isFile(); }},
        {"directory", dir.path(), "Is a directory", [] { return true; }},
        {"below a regular file", regular + "/x", "Not a directory",
         [&] { return read(regular) == "new"; }},
        {"in a regular file as a folder", regular + "/.", "Not a directory",
         [&] { return read(regular) == "new"; }},
        {"empty path", "", "No such file or directory", [] { return true; }},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(writeFileAtomically(c.path, "new").errorText(), c.error) << c.name;
        EXPECT_TRUE(c.kept()) << c.name;
    }
    // No temporary file is left beside any of them.
    QStringList expected{"l.cfg", "n.cfg", "p", "r.cfg"};
    if (node.startsWith(dir.path()))
        expected.insert(2, "null");
    EXPECT_EQ(entries(), expected);
}

TEST_F(FileAccess, FollowsALinkInAStickyFolderOnlyAsTheKernelWould)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can make a link another user's";
    const QByteArray sticky = QFile::encodeName(dir.filePath("tmp")); // like /tmp, another's
    ASSERT_EQ(::mkdir(sticky, 0) | ::chmod(sticky, 01777) | ::chown(sticky, 5678, 5678), 0);
    // `below`: the link leads to a folder, and the file below it is written.
    for (const auto& [name, owner, error, below] :
         {std::tuple<const char*, uid_t, QString, QString>{"tmp/planted", 1234, "Permission denied",
                                                           ""},
          {"tmp/planted-folder", 1234, "Permission denied", "/f"},
          {"tmp/folder-owners", 5678, "", ""},
          {"tmp/own", 0, "", ""},
          {"others", 1234, "", ""}}) {
        const QString to = "to-" + QString(name).replace('/', '-');
        ASSERT_TRUE(below.isEmpty() || QDir(dir.path()).mkdir(to));
        const QString target = write(to + below, "old");
        const QString link = dir.filePath(name);
        ASSERT_TRUE(QFile::link(dir.filePath(to), link));
        ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), owner, 0), 0);
        EXPECT_EQ(writeFileAtomically(link + below, "new").errorText(), error) << name;
        EXPECT_EQ(read(target), error.isEmpty() ? "new" : "old") << name;
        // A folder made below a link is made only where the write would land.
        const bool made = !below.isEmpty() && error.isEmpty();
        EXPECT_EQ(openFolder(link + "/made", MissingFolders::Made).errorText(),
                  made || !error.isEmpty() ? error : "Not a directory")
            << name;
        EXPECT_EQ(QDir(dir.filePath(to) + "/made").exists(), made) << name;
    }
}

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
TEST_F(FileAccess, LandsWhereTheKernelWould)
{
    const int home = ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    const QByteArray base = QFile::encodeName(dir.path());
    ASSERT_EQ(::mkdir(base + "/caf\xe9", 0700), 0);
    const int cafe = ::open(base + "/caf\xe9", O_PATH);
    const int top = ::open(base, O_PATH | O_DIRECTORY);
    int deep = ::dup(top); // 300 folders of 20 characters: beyond PATH_MAX from the root
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(::mkdirat(deep, "aaaaaaaaaaaaaaaaaaaa", 0700), 0);
        ::close(std::exchange(deep, ::openat(deep, "aaaaaaaaaaaaaaaaaaaa", O_PATH)));
    }
    const int stdoutFile = ::openat(top, "out.bin", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const QByteArray far = base + QByteArray("/aaaaaaaaaaaaaaaaaaaa").repeated(300) + "/f.bin";
    for (const auto& [cwd, path, landing] : {std::tuple{cafe, "/proc/self/cwd/p.bin", "p.bin"},
                                             {cafe, "n.bin", "n.bin"},
                                             {top, "/dev/stdout", "out.bin"},
                                             {deep, "d.bin", "d.bin"},
                                             {deep, far.constData(), "f.bin"}}) {
        ASSERT_EQ(::fchdir(cwd), 0);
        const int kept = ::dup(1);
        ::dup2(stdoutFile, 1);
        const Result<> written = writeFileAtomically(path, "new");
        const Result<QByteArray> back = readRegularFile(path, 16);
        ::dup2(kept, 1);
        ::close(kept);
        ASSERT_EQ(::fchdir(home), 0);
        EXPECT_EQ(written.errorText(), "") << path;
        // Standard output still is the file that was replaced.
        EXPECT_EQ(back.ok() ? *back : back.errorText(), cwd == top ? "" : "new") << path;
        EXPECT_EQ(test::readToEnd(::openat(cwd, landing, O_RDONLY)), "new") << path;
    }
    // Taken down by hand: QTemporaryDir can neither reach past PATH_MAX nor
    // spell a name that is no text.
    ::unlinkat(cafe, "p.bin", 0);
    ::unlinkat(cafe, "n.bin", 0);
    ::unlinkat(top, "caf\xe9", AT_REMOVEDIR);
    ::unlinkat(deep, "d.bin", 0);
    ::unlinkat(deep, "f.bin", 0);
    for (int i = 0; i < 300; ++i) {
        ::close(std::exchange(deep, ::openat(deep, "..", O_PATH)));
        ::unlinkat(deep, "aaaaaaaaaaaaaaaaaaaa", AT_REMOVEDIR);
    }
}

TEST(NativeNames, NamesAnArgumentThatDoesNotComeBackByteForByte)
{
    const std::vector<const char*> good = {"orvikctl", "pack", "-o", "caf\xc3\xa9.bin"};
    const std::vector<const char*> bad = {"orvikctl", "a\xe9\xc3\xa9\t.bin", "\xe8"};
    EXPECT_EQ(unusableArgument(int(good.size()), good.data()), "");
    EXPECT_EQ(unusableArgument(int(bad.size()), bad.data()), "a\\xe9\u00e9\\x09.bin");
}

TEST_F(FileAccess, TellsTheSameFileByDeviceAndInode)
{
    const QString a = write("a", "x");
    const QString b = write("b", "x");
    const QString hard = dir.filePath("hard");
    ASSERT_EQ(::link(QFile::encodeName(a).constData(), QFile::encodeName(hard).constData()), 0);
    struct Case {
        QString first;
        QString second;
        bool same;
    };
    const Case cases[] = {
        {a, a, true},  {a, dir.path() + "/./a", true},   {a, hard, true}, {a, link("s", a), true},
        {a, b, false}, {a, dir.filePath("none"), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isSameFile(c.first, c.second), c.same) << c.second.toStdString();
}

} // namespace
} // namespace orvik
