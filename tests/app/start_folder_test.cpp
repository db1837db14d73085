#include "app/dialogs.h"
#include "test_application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// The `config` folder beside the program is only a convenience: where it is
// no folder, the dialogs start in Documents, or in the home folder when even
// that is missing. Whichever they start in exists, or the dialog would take
// its name for a file to propose.
TEST(StartFolder, FirstFolderThatExists)
{
    enum Program { PlainFolder, RegularFile };
    enum Config { Missing, Folder, File };
    const struct {
        const char* what;
        Program program;
        Config config;
        bool documents;
        const char* expected; // below the temporary folder
    } rows[] = {
        {"config folder", PlainFolder, Folder, true, "program/config"},
        {"config missing", PlainFolder, Missing, true, "home/Documents"},
        {"config a regular file", PlainFolder, File, true, "home/Documents"},
        {"program folder a regular file", RegularFile, Missing, true, "home/Documents"},
        {"config and Documents missing", PlainFolder, Missing, false, "home"},
    };
    ensureApplication();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir root;
        const QDir dir(root.path());
        ASSERT_TRUE(dir.mkpath("home/.config"));
        const ScopedEnv home("HOME", dir.filePath("home").toLocal8Bit());
        const ScopedEnv xdg("XDG_CONFIG_HOME", dir.filePath("home/.config").toLocal8Bit());
        if (row.documents) {
            ASSERT_TRUE(dir.mkpath("home/Documents"));
        }
        if (row.program == RegularFile)
            touch(dir.filePath("program"));
        else
            ASSERT_TRUE(dir.mkpath("program"));
        if (row.config == Folder)
            ASSERT_TRUE(dir.mkpath("program/config"));
        else if (row.config == File)
            touch(dir.filePath("program/config"));
        EXPECT_EQ(orvik::configStartFolder(dir.filePath("program")), dir.filePath(row.expected));
    }
}

// Neither `config` nor Documents there: the open dialog shows the home folder
// and proposes no file name.
TEST(StartFolder, OpenDialogProposesNoName)
{
    ensureApplication();
    QTemporaryDir root;
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("home/.config") && dir.mkpath("program"));
    const ScopedEnv home("HOME", dir.filePath("home").toLocal8Bit());
    const ScopedEnv xdg("XDG_CONFIG_HOME", dir.filePath("home/.config").toLocal8Bit());
    QString shownFolder;
    QString proposed = "not shown";
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownFolder = dialog->directory().absolutePath();
        proposed = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        dialog->reject();
    });
    orvik::QtDialogs dialogs(nullptr);
    const QString chosen = dialogs.getOpenFileName(
        orvik::configStartFolder(dir.filePath("program")), {}, orvik::configFileFilter());
    EXPECT_EQ(chosen, "");
    EXPECT_EQ(shownFolder, dir.filePath("home"));
    EXPECT_EQ(proposed, "");
}

} // namespace
