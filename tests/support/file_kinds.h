#pragma once

#include "support/temp_files.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace orvik::test {

// A test's folder with files of every kind in it: links, device nodes, FIFOs.
class FileKinds : public TempFiles {
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

} // namespace orvik::test
