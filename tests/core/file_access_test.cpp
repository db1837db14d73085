#include "configfile/file_access.h"
#include "configfile/native_names.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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
        {"directory", dir.path(), "", "Is a directory"},
        {"FIFO, never waited on", fifo("p"), "", "Is a FIFO, not a regular file"},
        {"device", device("null"), "", "Is a device, not a regular file"},
    };
    for (const Case& c : cases) {
        const FileContent got = readRegularFile(c.path, 4);
        EXPECT_EQ(got.bytes, c.bytes) << c.name;
        EXPECT_EQ(got.error, c.error) << c.name;
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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(writeFileAtomically(c.path, "new").error, c.error) << c.name;
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
    // Like /tmp, but another user's.
    const QString sticky = dir.filePath("tmp");
    ASSERT_TRUE(QDir().mkdir(sticky));
    ASSERT_EQ(::chmod(QFile::encodeName(sticky).constData(), 01777), 0);
    ASSERT_EQ(::chown(QFile::encodeName(sticky).constData(), 5678, 5678), 0);
    struct Case {
        QString folder;
        uid_t linkOwner;
        bool targetExists;
        QString error;
    };
    const Case cases[] = {
        {sticky, 1234, true, "Permission denied"}, // planted by a third user
        {sticky, 1234, false, "Permission denied"},
        {sticky, 5678, true, ""}, // the folder's owner's
        {sticky, 0, true, ""},    // the user's own
        {dir.path(), 1234, false, ""},
    };
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const Case& c = cases[i];
        const QString target = dir.filePath(QStringLiteral("target%1").arg(i));
        if (c.targetExists)
            write(QFileInfo(target).fileName(), "old");
        const QString path = c.folder + QStringLiteral("/link%1").arg(i);
        ASSERT_TRUE(QFile::link(target, path));
        ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), c.linkOwner, 0), 0);
        EXPECT_EQ(writeFileAtomically(path, "new").error, c.error) << i;
        EXPECT_EQ(read(target),
                  !c.error.isEmpty() ? (c.targetExists ? "old" : "<unreadable>") : "new")
            << i;
    }
}

TEST(NativeNames, RefusesAnArgumentThatDoesNotComeBackByteForByte)
{
    struct Case {
        std::vector<const char*> argv;
        QString shown;
    };
    const Case cases[] = {
        {{"orvikctl", "pack", "-o", "caf\xc3\xa9.bin"}, ""},
        {{"orvikctl", "pack", "-o", "a\xe9.bin"}, "a\\xe9.bin"},
        {{"orvikctl", "caf\xc3\xa9\xe8\t.cfg", "\xe9"}, "caf\u00e9\\xe8\\x09.cfg"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(unusableArgument(int(c.argv.size()), c.argv.data()), c.shown) << c.argv.back();
    EXPECT_EQ(unusableArgumentMessage("a\\xe9.bin"),
              "the argument 'a\\xe9.bin' cannot be used (not valid in this system's encoding)");
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
