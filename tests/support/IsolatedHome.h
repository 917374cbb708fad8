#pragma once

#include <QTemporaryDir>

// Points HOME and the XDG folders at a temporary folder and the registry at files in it,
// for a whole test run, so that nothing a test does reaches the real home or /var/games.
class IsolatedHome
{
public:
    IsolatedHome();

private:
    QTemporaryDir m_dir;
};
