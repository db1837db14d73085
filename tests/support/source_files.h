#pragma once

#include <QFile>
#include <QString>

namespace orvik::test {

inline QString sourceDir()
{
    return QStringLiteral(ORVIK_SOURCE_DIR);
}

// A file of the source tree that the tests hold against the code, with a
// manual page's "\-" read as "-".
inline QString sourceText(const QString& path)
{
    QFile file(sourceDir() + '/' + path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).replace(QLatin1String("\\-"), QLatin1String("-"));
}

} // namespace orvik::test
