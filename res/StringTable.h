#pragma once

#include <QString>

// The program's string table. A missing id gives the empty string.
QString LoadResString(int nId);
