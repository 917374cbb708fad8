#pragma once

#include "window/CommandTarget.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class CGameRound;
class CPlayerSettings;
class CHighScoreTable;
class CHelpDlg;
class QWidget;

// The application object: the game, the player and the high scores the whole program
// shares. main() builds the QApplication and hands control to theApp.InitInstance().
class CGameApp : public QObject, public CCommandTarget
{
    Q_OBJECT
public:
    CGameApp();
    ~CGameApp() override;

    // Runs the whole program, from the settings and the player choice through the
    // main window to the settings written at exit. Always false.
    bool InitInstance();

    // The application's own commands, offered before the window's own.
    bool OnCmdMsg(int nId, QWidget* pMainWnd) override;
    int SelectPlayer() override;

    // Ends the program in order, as Exit would but asking nothing: on a signal to end, or
    // when the desktop session asks its programs to save their data.
    static void EndSession();
    static QString GetModuleFolder();
    static QString GetVersionText();

    std::unique_ptr<CGameRound> m_pGame;
    std::unique_ptr<CPlayerSettings> m_pPlayer;
    std::unique_ptr<CHighScoreTable> m_pHighScores;
    // Open while it exists: the help window deletes itself when it closes.
    QPointer<CHelpDlg> m_pHelpDlg;

private:
    static void ReadSettings();
    static void StoreSettings();
    static void StoreProgramInfo();
    void RunMainWindow();
    void OnHelp(QWidget* pMainWnd);
    void OnAbout(QWidget* pMainWnd);
    void OnHighScores(QWidget* pMainWnd);
    void OnStatistics(QWidget* pMainWnd);
};

extern CGameApp theApp;
