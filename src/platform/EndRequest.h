#pragma once

#include <functional>

// Calls fnEnd on the user-interface thread whenever the process is asked to end by SIGTERM,
// SIGINT or SIGHUP, instead of letting the signal kill it mid-game. Needs the application
// object; the last call's function wins.
void OnEndRequest(std::function<void()> fnEnd);
