#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>

// GoogleTest prints Qt's strings as text, so that a failed comparison says what it saw.
inline void PrintTo(const QString& str, std::ostream* pOut)
{
    *pOut << '"' << str.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* pOut)
{
    *pOut << '{' << list.join(QStringLiteral("\", \"")).prepend('"').append('"').toStdString()
          << '}';
}
