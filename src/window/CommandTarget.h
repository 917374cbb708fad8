#pragma once

class QWidget;

// What the main window leaves to the one who opened it: the commands it does not handle
// itself, and the choice of another player.
class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;

    // True when the command was handled. pMainWnd is the window it came from.
    virtual bool OnCmdMsg(int nId, QWidget* pMainWnd) = 0;
    // Lets the user choose or enter a player; IDOK once the player is loaded.
    virtual int SelectPlayer() = 0;
};
