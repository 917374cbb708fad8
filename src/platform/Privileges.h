#pragma once

#include <string_view>
#include <sys/types.h>

// An installed copy is setgid games, so that all users share the players and high scores in
// /var/games/kelvara. It runs with the user's own group and takes the games group back from the
// saved set-group-ID only to open that store's files for writing: no program it starts inherits
// the group, and it loads no code from where the user could point it.

// Call first in main, before Qt exists. Started setgid, the program keeps only the environment
// variables below and no command-line options, for both can make Qt or the libraries under it
// load code; it then runs with the user's group. A setgid copy that is not the installed file
// (a hard link elsewhere) drops the group for good. Otherwise it changes nothing.
void SecureStart(int& argc, char** argv);

// True when the program runs setgid; it then loads code only from the installed folders.
bool StartedPrivileged();

// The environment variables a setgid start keeps: the display, the user's folders, the locale.
bool KeepsVariable(std::string_view name);

// The group the shared store belongs to: the group a setgid copy was started with, else the
// group named games; -1 when there is none.
gid_t SharedStoreGroup();

// While it lives, the games group is the real and the effective group of a setgid copy. Taken
// only to open a file of the shared store for writing, never to create one. Nests. A copy not
// started setgid runs as it is.
class CStoreAccess
{
public:
    CStoreAccess();
    ~CStoreAccess();
    CStoreAccess(const CStoreAccess&) = delete;
    CStoreAccess& operator=(const CStoreAccess&) = delete;
};
