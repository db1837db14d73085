#pragma once

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace orvik::test {

// A home of the test program's own, made before Qt starts and removed when
// the program ends, so that what Qt keeps (the file dialogs' QtProject.conf,
// caches, the runtime folder) lands neither in the user's home nor in /tmp.
// The settings path is fixed to it at once: a test that points HOME elsewhere
// for a while does not move it.
class PrivateHome {
public:
    PrivateHome()
    {
        const QDir home(dir_.path());
        for (const char* folder : {".config", ".cache", ".local/share", ".local/state", "runtime"})
            home.mkpath(QLatin1String(folder));
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(".cache")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(".local/share")));
        qputenv("XDG_STATE_HOME", QFile::encodeName(home.filePath(".local/state")));
        QFile::setPermissions(home.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath("runtime")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath(".config"));
    }

private:
    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/orvik-test-home-XXXXXX")};
};

} // namespace orvik::test
