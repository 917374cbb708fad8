#include "DictionaryDlg.h"

#include "DialogTemplates.h"
#include "GameApp.h"
#include "MessageFormat.h"
#include "SoundIds.h"
#include "WordList.h"

#include <QListWidget>

namespace
{

constexpr int IDD_DICTIONARY = 1205;
constexpr int IDC_DICTIONARIES = 3006;
constexpr int IDC_WORDS = 3007;
constexpr int IDC_FLAG = 3008;
constexpr int IDC_COUNT = 3009;
constexpr int FIRST_DICTIONARY_COMMAND = 201;

} // namespace

CDictionaryDlg::CDictionaryDlg(QWidget* pParent) : CBaseDlg(IDD_DICTIONARY, pParent)
{
    m_nClosingSound = SND_WINDOW_CLOSED;
}

int CDictionaryDlg::GetSelectedCommand() const
{
    return FIRST_DICTIONARY_COMMAND + m_nDict;
}

bool CDictionaryDlg::OnInitDialog()
{
    CBaseDlg::OnInitDialog();
    m_listDict = qobject_cast<QListWidget*>(GetDlgItem(IDC_DICTIONARIES));
    m_listWords = qobject_cast<QListWidget*>(GetDlgItem(IDC_WORDS));
    theApp.PlaySoundRes(SND_WINDOW_OPEN, true);
    SetCaption(theApp.LoadLangString(10003));
    SetItemText(IDOK, theApp.LoadLangString(10005));
    FillDictionaryList();
    if (m_listDict) {
        connect(m_listDict, &QListWidget::currentRowChanged, this, &CDictionaryDlg::Refresh);
        connect(m_listDict, &QListWidget::itemDoubleClicked, this, [this] { OnCommand(IDOK); });
    }
    Refresh();
    return false;
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
}

void CDictionaryDlg::Refresh()
{
    const QListWidgetItem* pSelected = m_listDict ? m_listDict->currentItem() : nullptr;
    m_nDict = pSelected ? pSelected->data(Qt::UserRole).toInt() : -1;
    SetButtonIcon(IDC_FLAG, DictionaryResourceId(m_nDict));
    FillWordList();
    SetItemText(IDC_COUNT, FormatMessageText(theApp.LoadLangString(10021), m_nWords));
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
    if (nId != IDC_FLAG)
        return CBaseDlg::OnCommand(nId);
    m_bLower = !m_bLower;
    Refresh();
    return true;
}
