#include "configfile/ini_document.h"
#include "configfile/ini_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik {
namespace {

TEST(IniUpdating, ReplacesInPlaceAndKeepsEveryOtherByte)
{
    struct Case {
        const char* name;
        QByteArray before;
        const char* section;
        const char* key;
        const char* value;
        QByteArray after;
    };
    const Case cases[] = {
        {"new file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"in place, own line only", "; c\n[S]\n  k = old  \nx =  1\n", "S", "k", "v",
         "; c\n[S]\nk=v\nx =  1\n"},
        {"the file's spelling of names stays", "[s]\nKEY=1\n", "S", "key", "2", "[s]\nKEY=2\n"},
        {"after the last key line", "[S]\na=1\n\n; note\n[T]\nb=2\n", "S", "k", "v",
         "[S]\na=1\nk=v\n\n; note\n[T]\nb=2\n"},
        {"section without keys", "[S]\n\n[T]\n", "S", "k", "v", "[S]\nk=v\n\n[T]\n"},
        {"last key line without a break", "[S]\na=1", "S", "k", "v", "[S]\na=1\nk=v\n"},
        {"header without a break", "[S]", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"new section, no final break", "x", "S", "k", "v", "x\r\n[S]\r\nk=v\r\n"},
        {"new section after LF", "x\n", "S", "k", "v", "x\n[S]\nk=v\n"},
        {"new section after CR", "x\r", "S", "k", "v", "x\r[S]\rk=v\r"},
        {"value exactly as given", "", "S", "k", "  a=b;\"q\" ", "[S]\r\nk=  a=b;\"q\" \r\n"},
        {"first section wins", "[S]\na=1\n[S]\nk=2\n", "S", "k", "v", "[S]\na=1\nk=v\n[S]\nk=2\n"},
        {"CR lines", "[S]\rk=1\rz=2\r", "S", "k", "v", "[S]\rk=v\rz=2\r"},
        {"the first line's break", "[S]\r\na=1\n", "S", "k", "v", "[S]\r\na=1\nk=v\r\n"},
        {"binary bytes kept", QByteArray("\0\xff\n[S]\n", 7), "S", "k", "v",
         QByteArray("\0\xff\n[S]\nk=v\n", 11)},
        {"a control character is part of a name", "[S]\n\x01k=1\n", "S", "k", "v",
         "[S]\n\x01k=1\nk=v\n"},
        {"UTF-8 mark stays", "\xEF\xBB\xBF[S]\nk=1\n", "S", "k", "v", "\xEF\xBB\xBF[S]\nk=v\n"},
        {"UTF-8 mark alone", "\xEF\xBB\xBF", "S", "k", "v", "\xEF\xBB\xBF[S]\r\nk=v\r\n"},
    };
    for (const Case& c : cases) {
        const IniEntry entry{c.section, c.key, c.value};
        EXPECT_EQ(IniDocument(c.before).updated({&entry, 1}).joined(), c.after) << c.name;
    }
}

class IniFileUpdate : public test::TempFiles {
protected:
    const std::vector<IniEntry> entries{{"S", "k", "v"}};
};

TEST_F(IniFileUpdate, KeepsModeOwnerAndGroupAndLeavesNoTemporaryFile)
{
    const QString path = write("a.cfg", "[S]\nk=1\n");
    const QByteArray name = QFile::encodeName(path);
    // Only root can give a file away; others check the mode alone.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(name.constData(), 1234, 5678), 0);
    }
    // Root writes over a read-only file too.
    const mode_t mode = root ? 0444 : 0640;
    ASSERT_EQ(::chmod(name.constData(), mode), 0);
    ASSERT_TRUE(updateIniFile(path, entries).ok());
    EXPECT_EQ(read(path), "[S]\nk=v\n");
    struct stat st {};
    ASSERT_EQ(::stat(name.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode);
    if (root) {
        EXPECT_EQ(st.st_uid, 1234u);
        EXPECT_EQ(st.st_gid, 5678u);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.cfg"});
}

TEST_F(IniFileUpdate, RefusesAFileItCannotReadOrWrite)
{
    // Neither fails by permissions, which do not bind root.
    const QString folder = dir.filePath("folder.cfg");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_FALSE(updateIniFile(folder, entries).ok());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QDir(folder).isEmpty());

    const QString plain = write("plain.cfg", "[S]\nk=1\n");
    EXPECT_FALSE(updateIniFile(plain + "/a.cfg", entries).ok());
    EXPECT_EQ(read(plain), "[S]\nk=1\n");
}

} // namespace
} // namespace orvik
