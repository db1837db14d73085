#include "files/file_access.h"
#include "files/native_names.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
