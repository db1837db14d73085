#include "app/dialogs.h"
#include "test_application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// The `config` folder beside the program is only a convenience: an installed
// program's folder is not the user's, so the dialogs fall back to Documents.
class StartFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        config_ = QCoreApplication::applicationDirPath() + "/config";
        ASSERT_FALSE(QFileInfo::exists(config_)) << "leftover " << config_.toStdString();
    }
    void TearDown() override
    {
        QFile::setPermissions(config_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(config_).removeRecursively();
        QFile::remove(config_);
    }
    QString documents() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    QString config_;
};

TEST_F(StartFolder, ConfigBesideTheProgramWhenItCanBeWritten)
{
    ASSERT_TRUE(QDir().mkdir(config_));
    EXPECT_EQ(orvik::configStartFolder(), config_);
}

TEST_F(StartFolder, DocumentsWhenConfigIsMissingOrNoFolder)
{
    EXPECT_EQ(orvik::configStartFolder(), documents());
    QFile file(config_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(orvik::configStartFolder(), documents());
}

TEST_F(StartFolder, DocumentsWhenConfigCannotBeWritten)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write anywhere";
    ASSERT_TRUE(QDir().mkdir(config_));
    ASSERT_TRUE(QFile::setPermissions(config_, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(orvik::configStartFolder(), documents());
}

} // namespace
