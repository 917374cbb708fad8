#include "dialogs/DictionaryDlg.h"

#include "appcore/AppCore.h"
#include "appcore/MessageFormat.h"
#include "game/WordList.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"

#include <QListWidget>

CDictionaryDlg::CDictionaryDlg(QWidget* pParent) : CBaseDlg(IDD_DICTIONARY, pParent)
{
    m_nClosingSound = SND_WINDOW_CLOSED;
}

int CDictionaryDlg::GetSelectedCommand() const
{
    return IDR_FIRST_DICTIONARY + m_nDict;
}

bool CDictionaryDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    m_listDict = qobject_cast<QListWidget*>(GetDlgItem(IDC_DICTIONARIES));
    m_listWords = qobject_cast<QListWidget*>(GetDlgItem(IDC_WORDS));
    AppCore().PlaySoundRes(SND_WINDOW_OPEN, true);
    SetCaption(AppCore().LoadLangString(IDS_DICTIONARY));
    SetItemText(IDOK, AppCore().LoadLangString(IDS_SELECT));
    NameControls();
    FillDictionaryList();
    if (m_listDict) {
        connect(m_listDict, &QListWidget::currentRowChanged, this, &CDictionaryDlg::Refresh);
        connect(m_listDict, &QListWidget::itemDoubleClicked, this, [this] { OnCommand(IDOK); });
    }
    Refresh();
    return false;
}

void CDictionaryDlg::NameControls()
{
    if (m_listDict)
        m_listDict->setAccessibleName(AppCore().LoadLangString(IDS_A11Y_DICTIONARIES));
    if (m_listWords)
        m_listWords->setAccessibleName(AppCore().LoadLangString(IDS_A11Y_WORDS));
    if (QWidget* pPicture = GetDlgItem(IDC_PICTURE))
        pPicture->setAccessibleDescription(AppCore().LoadLangString(IDS_A11Y_CASE));
}

void CDictionaryDlg::FillDictionaryList()
{
    if (!m_listDict)
        return;
    for (int nDict : DICTIONARY_DISPLAY_ORDER) {
        auto* pItem = new QListWidgetItem(GetDictionaryName(nDict, false), m_listDict);
        pItem->setData(Qt::UserRole, nDict);
        if (nDict == m_nDict)
            m_listDict->setCurrentItem(pItem);
    }
    // A list that takes the focus with nothing current makes its first entry current; for a
    // dictionary it does not list, nothing is to be selected until the player picks one.
    if (!m_listDict->currentItem())
        m_listDict->setCurrentIndex(QModelIndex());
}

void CDictionaryDlg::Refresh()
{
    const QListWidgetItem* pSelected = m_listDict ? m_listDict->currentItem() : nullptr;
    m_nDict = pSelected ? pSelected->data(Qt::UserRole).toInt() : -1;
    SetButtonIcon(IDC_PICTURE, DictionaryResourceId(m_nDict));
    if (QWidget* pPicture = GetDlgItem(IDC_PICTURE))
        pPicture->setAccessibleName(pSelected ? pSelected->text() : QString());
    FillWordList();
    SetItemText(IDC_COUNT, FormatMessageText(AppCore().LoadLangString(IDS_WORD_COUNT), m_nWords));
    EnableItem(IDOK, pSelected != nullptr);
    FocusItem(IDC_DICTIONARIES);
}

void CDictionaryDlg::FillWordList()
{
    QStringList arWords;
    m_nWords = LoadWordList(m_nDict, arWords);
    if (!m_listWords)
        return;
    m_listWords->clear();
    if (m_bLower) {
        for (QString& strWord : arWords)
            strWord = strWord.toLower();
    }
    m_listWords->addItems(arWords);
}

bool CDictionaryDlg::OnCommand(int nId)
{
    if (nId != IDC_PICTURE)
        return CBaseDlg::OnCommand(nId);
    m_bLower = !m_bLower;
    Refresh();
    return true;
}
