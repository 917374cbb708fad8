#pragma once

#include <QString>

class QFontMetrics;

// Fills the first insert of a message text: %1 takes the text, %1!d! the number.
// Everything else is copied unchanged.
QString FormatMessageText(const QString& strTemplate, const QString& strInsert);
QString FormatMessageText(const QString& strTemplate, int nInsert);

// "1 guess", "%1!d! guesses" in the program language.
QString GuessCountText(int nGuesses);

// A player's name as every window shows it, never as a key: isolated, so that it cannot
// reorder the text after it, and with each control, format and line or paragraph separator
// character shown as a mark instead of acting. With metrics, cut short to fit nWidth pixels.
QString ShownName(const QString& strName);
QString ShownName(const QString& strName, const QFontMetrics& metrics, int nWidth);
