#pragma once

#include <QObject>
#include <QString>

class CGameRound;
class CPlayerSettings;
class CHighScoreTable;
class CHelpDlg;
class QWidget;

// The application object: the state the whole program shares. main() builds the
// QApplication and hands control to theApp.InitInstance().
class CGameApp : public QObject
{
    Q_OBJECT
public:
    CGameApp();
    ~CGameApp() override;

    static bool IsValidProgLang(int nLang);

    // Runs the whole program, from the settings and the player choice through the
    // main window to the settings written at exit. Always false.
    bool InitInstance();

    // Commands the application handles itself, offered before the window's own;
    // true when handled. pMainWnd is the window the command came from.
    bool OnCmdMsg(int nId, QWidget* pMainWnd);

    int SelectPlayer();
    // Switches the program language (0 or 1; others are ignored) and an open help window.
    void SetProgLang(int nLang);
    // Called by the help window once it has closed: forgets and deletes it.
    void OnHelpClosed();
    static QString GetModuleFolder();
    static QString GetVersionText();

    int LangStringId(int nId) const;
    QString LoadLangString(int nId) const;
    void PlaySoundRes(int nId, bool bAsync) const;

    int m_nProgLang = 0;
    bool m_bAutoStart = true;
    CGameRound* m_pGame = nullptr;            // owned
    CPlayerSettings* m_pPlayer = nullptr;     // owned
    CHighScoreTable* m_pHighScores = nullptr; // owned
    CHelpDlg* m_pHelpDlg = nullptr;           // owned while the help window is open

private:
    void OnHelp(QWidget* pMainWnd);
    void OnAbout(QWidget* pMainWnd);
    void OnHighScores(QWidget* pMainWnd);
};

extern CGameApp theApp;
