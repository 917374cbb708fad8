#include "appcore/MessageFormat.h"

#include "appcore/AppCore.h"
#include "res/Resource.h"

#include <QFontMetrics>
#include <QList>

QString FormatMessageText(const QString& strTemplate, const QString& strInsert)
{
    // One pass, so that an insert which itself holds "%1" is taken literally.
    const QStringView text(strTemplate);
    QString strResult;
    qsizetype nPos = 0;
    for (qsizetype nMark; (nMark = text.indexOf(u"%1", nPos)) >= 0;) {
        strResult += text.mid(nPos, nMark - nPos);
        strResult += strInsert;
        nPos = nMark + 2;
        if (text.mid(nPos).startsWith(u"!d!"))
            nPos += 3;
    }
    strResult += text.mid(nPos);
    return strResult;
}

QString FormatMessageText(const QString& strTemplate, int nInsert)
{
    return FormatMessageText(strTemplate, QString::number(nInsert));
}

QString GuessCountText(int nGuesses)
{
    const CAppCore& core = AppCore();
    return nGuesses == 1 ? core.LoadLangString(IDS_ONE_GUESS)
                         : FormatMessageText(core.LoadLangString(IDS_GUESSES), nGuesses);
}

namespace
{

// A hand-edited store may hold names the name rule keeps out of a typed one.
QString Defused(const QString& strName)
{
    QString strShown;
    for (const char32_t ch : strName.toUcs4()) {
        switch (QChar::category(ch)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            strShown += QChar(QChar::ReplacementCharacter);
            break;
        default:
            strShown += QChar::fromUcs4(ch);
        }
    }
    return strShown;
}

QString Isolated(const QString& strText)
{
    return QChar(0x2068) + strText + QChar(0x2069); // FIRST STRONG ISOLATE ... POP DIRECTIONAL
}

} // namespace

QString ShownName(const QString& strName)
{
    return Isolated(Defused(strName));
}

// Cut short before it is isolated, so that the ellipsis never drops the closing mark.
QString ShownName(const QString& strName, const QFontMetrics& metrics, int nWidth)
{
    return Isolated(metrics.elidedText(Defused(strName), Qt::ElideRight, nWidth));
}
