#pragma once

#include "dialogs/PlayerDlg.h"
#include "game/GameRound.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "window/CommandTarget.h"

#include "appcore/AppCore.h"
#include "store/HighScoreTable.h"
#include "support/TempRegistry.h"
#include "window/GameDlg.h"

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

// Anna's main window and what it works on, wired the way start-up wires them.
struct MainWindowRig {
    void Open(bool bAutoStart)
    {
        AppCore().m_bAutoStart = bAutoStart;
        AppCore().SetPlayer(&m_player);
        m_player.m_strName = QStringLiteral("Anna");
        m_game.m_nDict = m_player.m_nDict;
        m_dlg.m_pGame = m_app.m_pGame = &m_game;
        m_dlg.m_pPlayer = m_app.m_pPlayer = &m_player;
        m_dlg.m_pHighScores = &m_table;
        m_dlg.m_pCommands = &m_app;
        m_dlg.Create();
    }

    TempRegistry m_registry;
    CHighScoreTable m_table;
    CGameRound m_game;
    CPlayerSettings m_player{AppCore().m_nProgLang};
    FakeApp m_app;
    CGameDlg m_dlg;
};
