#pragma once

#include <QByteArray>
#include <QString>

// The program's built-in resources, found by type name and numeric id as the
// original resource tables did. Type names match without regard to case.
// The data stays in the program image: the result does not copy it.
QByteArray FindResource(const QString& strType, int nId);

// The path of a resource in Qt's resource system, for loaders that want a file name.
QString ResourcePath(const QString& strType, int nId);
