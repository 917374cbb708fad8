#pragma once

#include <QString>

// Fills the first insert of a message text: %1 takes the text, %1!d! the number.
// Everything else is copied unchanged.
QString FormatMessageText(const QString& strTemplate, const QString& strInsert);
QString FormatMessageText(const QString& strTemplate, int nInsert);
