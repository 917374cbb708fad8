#include "appcore/MessageFormat.h"

#include <QRegularExpression>

QString FormatMessageText(const QString& strTemplate, const QString& strInsert)
{
    // One pass, so that an insert which itself holds "%1" is taken literally.
    static const QRegularExpression insertMark(QStringLiteral("%1(!d!)?"));
    QString strResult;
    qsizetype nPos = 0;
    for (const QRegularExpressionMatch& match : insertMark.globalMatch(strTemplate)) {
        strResult += strTemplate.mid(nPos, match.capturedStart() - nPos) + strInsert;
        nPos = match.capturedEnd();
    }
    return strResult + strTemplate.mid(nPos);
}

QString FormatMessageText(const QString& strTemplate, int nInsert)
{
    return FormatMessageText(strTemplate, QString::number(nInsert));
}
