#include "window/FlagButton.h"

#include "appcore/AppCore.h"
#include "dialogs/BaseDlg.h"
#include "game/GameRound.h"
#include "game/WordList.h"
#include "platform/Accessibility.h"
#include "res/MenuResource.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"

#include <QMenu>
#include <QMouseEvent>

namespace
{

void AppendMenuItems(QMenu& menu, std::span<const MenuItemRes> items)
{
    for (const MenuItemRes& item : items) {
        const QString strText = AppCore().Translate("Menu", item.pszText);
        switch (item.kind) {
        case MenuItemKind::String:
            menu.addAction(strText)->setData(item.nId);
            break;
        case MenuItemKind::Separator:
            menu.addSeparator();
            break;
        case MenuItemKind::Popup:
            AppendMenuItems(*menu.addMenu(strText), item.items);
            break;
        }
    }
}

// The item with a command id, in the menu or any of its popups.
QAction* FindCommand(const QMenu& menu, int nId)
{
    for (QAction* pAction : menu.actions()) {
        if (QMenu* pPopup = pAction->menu()) {
            if (QAction* pFound = FindCommand(*pPopup, nId))
                return pFound;
        } else if (!pAction->isSeparator() && pAction->data().toInt() == nId) {
            return pAction;
        }
    }
    return nullptr;
}

// Only the checked items are checkable, so that no empty check boxes show beside the others.
void CheckCommand(const QMenu& menu, int nId)
{
    if (QAction* pAction = FindCommand(menu, nId)) {
        pAction->setCheckable(true);
        pAction->setChecked(true);
    }
}

void ShowKey(const QMenu& menu, int nId, const QKeySequence& key)
{
    if (QAction* pAction = FindCommand(menu, nId))
        pAction->setShortcut(key);
}

QMenu* SubMenuAt(const QMenu& menu, int nPos)
{
    const QAction* pAction = menu.actions().value(nPos);
    return pAction ? pAction->menu() : nullptr;
}

// A string item in front of pBefore, or at the end for nullptr.
void InsertCommand(QMenu& menu, QAction* pBefore, const QString& strText, int nId)
{
    auto* pAction = new QAction(strText, &menu);
    pAction->setData(nId);
    menu.insertAction(pBefore, pAction);
}

// The dictionaries go in front of the popup's own items, in the order they are offered.
void FillDictionaries(QMenu& popup, int nCurrentDict)
{
    QAction* pFirstOwn = popup.actions().value(0);
    for (int nDict : DICTIONARY_DISPLAY_ORDER)
        InsertCommand(popup, pFirstOwn, GetDictionaryName(nDict, false),
                      DictionaryResourceId(nDict));
    CheckCommand(popup, DictionaryResourceId(nCurrentDict));
}

// The placeholder makes way for the program languages, each named in itself.
void FillProgramLanguages(QMenu& popup, int nLang)
{
    delete popup.actions().value(0);
    for (int nIndex = 0; nIndex < DICTIONARY_COUNT; ++nIndex) {
        if (CAppCore::IsValidProgLang(nIndex))
            InsertCommand(popup, nullptr, GetDictionaryName(nIndex, false),
                          ID_FIRST_PROG_LANG + nIndex);
    }
    CheckCommand(popup, ID_FIRST_PROG_LANG + nLang);
}

} // namespace

CFlagButton::CFlagButton(QWidget* pParent) : CNoFocusButton(pParent)
{
    // Space opens nothing, yet a screen reader's press must reach the menu; the main window
    // opens it for the button's context menu request.
    SetAccessibleRole(this, QAccessible::ButtonMenu);
}

bool CFlagButton::BuildFlagMenu(QMenu& menu, Qt::KeyboardModifiers modifiers) const
{
    const std::span<const MenuItemRes> items = FindMenuResource(IDR_FLAG_MENU);
    if (items.empty())
        return false;
    AppendMenuItems(menu, items);

    if (m_pPlayer && m_pPlayer->m_bSound)
        CheckCommand(menu, ID_SOUND);
    if (m_pPlayer && m_pPlayer->m_bHard)
        CheckCommand(menu, ID_HARD_MODE);
    ShowKey(menu, ID_NEW_GAME, NewGameKey());
    ShowKey(menu, ID_REVIEW, ReviewKey());
    ShowKey(menu, ID_HELP, HelpKey());
    // A hint is for a game running, a review for one won.
    if (QAction* pHint = FindCommand(menu, ID_HINT))
        pHint->setEnabled(m_pGame && !m_pGame->m_bFinished);
    if (QAction* pReview = FindCommand(menu, ID_REVIEW))
        pReview->setEnabled(m_pGame && m_pGame->IsWon());
    if (QMenu* pDictionaries = SubMenuAt(menu, 0))
        FillDictionaries(*pDictionaries, m_pGame ? m_pGame->m_nDict : -1);
    if (QMenu* pProgram = SubMenuAt(menu, 1))
        FillProgramLanguages(*pProgram, AppCore().m_nProgLang);

    if (!(modifiers & Qt::ShiftModifier))
        delete FindCommand(menu, ID_CHEAT);
    else if (QAction* pCheat = FindCommand(menu, ID_CHEAT);
             pCheat && m_pGame && m_pGame->m_bFinished)
        pCheat->setEnabled(false);
    if (!(modifiers & Qt::ControlModifier))
        delete FindCommand(menu, ID_SET_WORD);
    return true;
}

void CFlagButton::ShowFlagMenu(Qt::KeyboardModifiers modifiers)
{
    QMenu menu(this);
    if (!BuildFlagMenu(menu, modifiers))
        return;
    // A screen reader triggers an item without the click that ends the menu: the choice is
    // taken from the signal, and the menu closed, either way.
    const QAction* pChosen = nullptr;
    connect(&menu, &QMenu::triggered, &menu, [&menu, &pChosen](const QAction* pAction) {
        pChosen = pAction;
        menu.close();
    });
    menu.exec(mapToGlobal(QPoint(0, height())));
    auto* pDlg = qobject_cast<CBaseDlg*>(window());
    if (!pChosen || !pDlg)
        return;
    // Posted, as the platform's menus post their command: the press that opened the menu
    // has been handled by the time the command runs (it may open a dialog or close this one).
    const int nId = pChosen->data().toInt();
    QMetaObject::invokeMethod(
        pDlg, [pDlg, nId] { pDlg->OnCommand(nId); }, Qt::QueuedConnection);
}

// The press opens the menu and goes no further: the button is never drawn pressed and
// never reports a click.
void CFlagButton::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() == Qt::LeftButton || pEvent->button() == Qt::RightButton)
        ShowFlagMenu(pEvent->modifiers());
    else
        CNoFocusButton::mousePressEvent(pEvent);
}
