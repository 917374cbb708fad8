#pragma once

#include "controls/NoFocusButton.h"

#include <QKeySequence>

class CGameRound;
class CPlayerSettings;
class QMenu;

// Keys for three of the menu's commands; the menu shows them beside their items. Functions, as
// the platform decides the standard keys once the application runs.
inline QKeySequence HelpKey()
{
    return QKeySequence::HelpContents;
}
inline QKeySequence NewGameKey()
{
    return Qt::Key_F2;
}
inline QKeySequence ReviewKey()
{
    return Qt::Key_F3;
}
// Keys that open the menu as a press with no modifier would.
inline QList<QKeySequence> MenuKeys()
{
    return {Qt::Key_Menu, Qt::SHIFT | Qt::Key_F10};
}

// The button with the dictionary's flag: a press of either mouse button opens the program's
// menu below it, and the item chosen goes to the dialog as a command. Shift held at the
// press adds "Cheat", Ctrl adds "Set Word".
class CFlagButton : public CNoFocusButton
{
    Q_OBJECT
public:
    explicit CFlagButton(QWidget* pParent = nullptr);

    // Fills menu for the current program language, dictionary, the player's switches and the game,
    // with the items that the modifiers of the press add. False when there is no menu to show.
    bool BuildFlagMenu(QMenu& menu, Qt::KeyboardModifiers modifiers) const;
    // Runs the menu below the button and returns when it has closed.
    void ShowFlagMenu(Qt::KeyboardModifiers modifiers);

    CGameRound* m_pGame = nullptr;        // not owned
    CPlayerSettings* m_pPlayer = nullptr; // not owned

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
};
