#pragma once

#include "dialogs/PlayerDlg.h"
#include "game/GameRound.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "window/CommandTarget.h"

// Stands in for the application behind a main window under test: it handles none of the
// commands (they stay the window's), records them, and lets the player chooser pick the
// next player, whose dictionary the game takes.
struct FakeApp : CCommandTarget {
    bool OnCmdMsg(int nId, QWidget*) override
    {
        m_commands.append(nId);
        return false;
    }
    int SelectPlayer() override
    {
        CPlayerDlg dlg;
        const int nResult = dlg.DoModal();
        if (nResult == IDOK)
            m_pPlayer->Load(dlg.m_strName);
        m_pGame->m_nDict = m_pPlayer->m_nDict;
        return nResult;
    }

    CPlayerSettings* m_pPlayer = nullptr;
    CGameRound* m_pGame = nullptr;
    QList<int> m_commands; // every command offered to the application, in order
};
