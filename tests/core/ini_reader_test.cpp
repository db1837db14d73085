#include "configfile/ini_document.h"
#include "configfile/ini_file.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace orvik {
namespace {

TEST(IniReading, FollowsThePrivateProfileRules)
{
    struct Case {
        const char* name;
        QByteArray file;
        const char* section;
        const char* key;
        std::optional<QByteArray> value;
    };
    const Case cases[] = {
        {"CR LF", "[S]\r\nk=v\r\n", "S", "k", "v"},
        {"LF", "[S]\nk=v\n", "S", "k", "v"},
        {"CR", "[S]\rk=v\r", "S", "k", "v"},
        {"no final break", "[S]\nk=v", "S", "k", "v"},
        {"only blanks trimmed", " \t[ S ]\n\t k \t= \x01a b \t\x1a\n", "S", "k", "\x01a b \t\x1a"},
        {"a control character is part of a name", "[S\x1a]\nk=v\n", "S", "k", std::nullopt},
        {"UTF-8 mark is no part of the first line", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v"},
        {"names ignore case", "[dEvIcE]\nCALLSIGN=x\n", "Device", "Callsign", "x"},
        {"Latin-1 names ignore case", "[\xc9t\xc9]\nk=x\n", "\xe9t\xe9", "k", "x"},
        {"empty value is present", "[S]\nk=\nk2=  \n", "S", "k", ""},
        {"split at the first =", "[S]\nk = a=b;c \n", "S", "k", "a=b;c"},
        {"double quotes go", "[S]\nk=\"  v \"\n", "S", "k", "  v "},
        {"single quotes go", "[S]\nk='v'\n", "S", "k", "v"},
        {"empty quoted", "[S]\nk=\"\"\n", "S", "k", ""},
        {"three quotes", "[S]\nk=\"\"\"\n", "S", "k", "\""},
        {"one quote stays", "[S]\nk=\"\n", "S", "k", "\""},
        {"mixed quotes stay", "[S]\nk=\"v'\n", "S", "k", "\"v'"},
        {"Latin-1 value bytes", "[S]\nk=\xe9\xff\n", "S", "k", "\xe9\xff"},
        {"first section wins", "[S]\na=1\n[s]\na=2\nk=3\n", "S", "k", std::nullopt},
        {"first key wins", "[S]\nk=1\nK=2\n", "S", "k", "1"},
        {"section up to the last ]", "[a]b] c\nk=v\n", "a]b", "k", "v"},
        {"[ without ] opens nothing", "[S]\n[T\nk=v\n", "S", "k", "v"},
        {"line without = is no key", "[S]\nk\n", "S", "k", std::nullopt},
        {"key before any section", "k=v\n[S]\n", "S", "k", std::nullopt},
        {"key of the next section", "[S]\n[T]\nk=v\n", "S", "k", std::nullopt},
        {"missing section", "[T]\nk=v\n", "S", "k", std::nullopt},
        {"empty text", "", "S", "k", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniDocument(c.file).value(c.section, c.key), c.value) << c.name;
}

TEST(IniReader, EveryProblemGivesTheDefault)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QString good = write("good.cfg", "[S]\nhex=0x1F\nzeros=007\nletters=12a\nempty=\n"
                                           "flag0=0\nflag2=2\nneg=-4\n");
    const IniName names[] = {{"S", "hex"}, {"S", "zeros"}, {"S", "letters"}, {"S", "empty"},
                             {"S", "neg"}, {"S", "flag0"}, {"S", "flag2"},   {"S", "missing"}};
    const IniReader r(good, names);
    EXPECT_EQ(r.readInteger("S", "hex", 9), 31);
    EXPECT_EQ(r.readInteger("s", "ZEROS", 9), 7);
    EXPECT_EQ(r.readInteger("S", "letters", 9), 9);
    EXPECT_EQ(r.readInteger("S", "empty", 9), 9);
    EXPECT_EQ(r.readInteger("S", "neg", 9), -4);
    EXPECT_EQ(r.readInteger("S", "missing", 9), 9);
    EXPECT_EQ(r.readText("S", "empty", "def"), "");
    EXPECT_EQ(r.readText("S", "missing", "def"), "def");
    EXPECT_FALSE(r.readFlag("S", "flag0", true));
    EXPECT_TRUE(r.readFlag("S", "flag2", false));
    EXPECT_TRUE(r.readFlag("S", "missing", true));

    const QString unreadable[] = {
        dir.filePath("missing.cfg"),
        dir.path(),
        write("binary.cfg", QByteArray("[S]\nk=v\n\0", 9)),
        write("utf16.cfg", QByteArray("\xFF\xFE[\0S\0]\0\n\0k\0=\0v\0", 16)),
        "/dev/null",
    };
    const IniName k{"S", "k"};
    for (const QString& path : unreadable)
        EXPECT_EQ(IniReader(path, {&k, 1}).readText("S", "k", "def"), "def") << path.toStdString();
}

// A value is cut before it becomes text, to the start of the whole's text, whose length is
// counted: a pair of UTF-16 units at the cut, a mark, bytes no text holds across the pieces.
class IniReaderCut : public test::TempFiles, public testing::WithParamInterface<QByteArray> {};

TEST_P(IniReaderCut, TakesTheStartOfTheWholeText)
{
    const QString whole = QString::fromUtf8(GetParam());
    const IniName k{"S", "k"};
    const IniReader r(write("v.cfg", "\xEF\xBB\xBF[S]\nk=" + GetParam()), {&k, 1});
    EXPECT_EQ(r.readText("S", "k", "def"),
              whole.left(kLongestIniText - whole[kLongestIniText - 1].isHighSurrogate()));
    EXPECT_EQ(r.textLength("S", "k"), whole.size());
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniReaderCut,
    testing::Values(
        QByteArray(1023, 'a') + "\xF0\x9F\x98\x80" + 'b', "\xEF\xBB\xBF" + QByteArray(1500, 'x'),
        QByteArray("\xE2\x82"
                   "a\x80\xBF\xBF\xBF\xBF\xF0\x9F\x98\x80\xEF\xBB\xBF\xF5\xED\xA0\x80\xC3\xA9\xE2")
            .repeated(20000)),
    [](const auto& info) {
        return std::string(info.index == 0   ? "pair_at_the_cut"
                           : info.index == 1 ? "mark"
                                             : "hostile");
    });

} // namespace
} // namespace orvik
