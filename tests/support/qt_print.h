#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest show a QString (and a QStringList, element by element) as
// readable text when an expectation fails.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
