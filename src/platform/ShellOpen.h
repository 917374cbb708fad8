#pragma once

#include <QString>
#include <functional>

// Opens a web address or a document with the program the desktop associates with it.
// Failures are silent: the desktop reports them, if at all.
void ShellOpen(const QString& strTarget);

// Replaces what ShellOpen does (tests record the targets); an empty function restores the
// desktop.
void SetShellOpener(std::function<void(const QString&)> opener);
