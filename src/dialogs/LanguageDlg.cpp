#include "dialogs/LanguageDlg.h"

#include "game/WordList.h"
#include "res/Resource.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <algorithm>

namespace
{

constexpr int ENGLISH = 0;
constexpr int FLAGS_PER_COLUMN = 5;
constexpr int FLAG_COUNT = std::size(DICTIONARY_DISPLAY_ORDER);

} // namespace

int ProgLangForLocales(const QStringList& arLocales)
{
    const auto isSeparator = [](QChar ch) { return QStringView(u"-_.@").contains(ch); };
    for (const QString& strLocale : arLocales) {
        const auto itEnd = std::find_if(strLocale.cbegin(), strLocale.cend(), isSeparator);
        const QStringView language(strLocale.cbegin(), itEnd);
        // Each dictionary with a word list is coded by its language's ISO 639-1 code.
        for (const int nLang : DICTIONARY_DISPLAY_ORDER) {
            if (language.compare(GetDictionaryName(nLang, true), Qt::CaseInsensitive) == 0)
                return nLang;
        }
    }
    return ENGLISH;
}

CLanguageDlg::CLanguageDlg(QWidget* pParent) : CBaseDlg(IDD_LANGUAGE, pParent) {}

bool CLanguageDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    for (const int nLang : DICTIONARY_DISPLAY_ORDER) {
        const int nId = IDC_FIRST_LANGUAGE + nLang;
        SetButtonIcon(nId, DictionaryResourceId(nLang));
        auto* pFlag = qobject_cast<QAbstractButton*>(GetDlgItem(nId));
        // No language is chosen yet: each flag is named in its own language.
        pFlag->setAccessibleName(GetDictionaryName(nLang, false));
        pFlag->installEventFilter(this);
        m_flags.append(pFlag);
    }
    // The dialog gives its default button the focus as it shows.
    const int nDefault = ProgLangForLocales(QLocale::system().uiLanguages());
    qobject_cast<QPushButton*>(GetDlgItem(IDC_FIRST_LANGUAGE + nDefault))->setDefault(true);
    return false;
}

// Up and Down step through the ten as Tab does, from one column into the next; Left and Right
// cross to the other column on the same row.
bool CLanguageDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::KeyPress)
        return CBaseDlg::eventFilter(pWatched, pEvent);
    int nStep = 0;
    switch (static_cast<QKeyEvent*>(pEvent)->key()) {
    case Qt::Key_Up:
        nStep = -1;
        break;
    case Qt::Key_Down:
        nStep = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        nStep = FLAGS_PER_COLUMN;
        break;
    default:
        return CBaseDlg::eventFilter(pWatched, pEvent);
    }
    const int nFlag = m_flags.indexOf(static_cast<QAbstractButton*>(pWatched));
    m_flags[(nFlag + nStep + FLAG_COUNT) % FLAG_COUNT]->setFocus(Qt::TabFocusReason);
    return true;
}

bool CLanguageDlg::OnCommand(int nId)
{
    const int nLang = nId - IDC_FIRST_LANGUAGE;
    if (std::ranges::find(DICTIONARY_DISPLAY_ORDER, nLang) == std::end(DICTIONARY_DISPLAY_ORDER))
        return CBaseDlg::OnCommand(nId);
    done(nLang);
    return true;
}

void CLanguageDlg::OnCancel() {}
