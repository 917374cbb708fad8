#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace
{

std::function<void(const QString&)> g_opener;

} // namespace

void ShellOpen(const QString& strTarget)
{
    if (g_opener)
        g_opener(strTarget);
    else
        QDesktopServices::openUrl(QUrl::fromUserInput(strTarget));
}

void SetShellOpener(std::function<void(const QString&)> opener)
{
    g_opener = std::move(opener);
}
