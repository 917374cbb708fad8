// Start-up time, memory, the cost of a guess, of a review and of a large store file, each
// against its target.
// Exits with 1 when a target is missed, so a script can watch for regressions.
// Names on the command line (store, guess, review, startup, memory) run just those.
#include "GuessBench.h"
#include "ReviewBench.h"
#include "StartupBench.h"
#include "StoreBench.h"
#include "VirtualDisplay.h"
#include "support/IsolatedHome.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    IsolatedHome home;
    // Qt's offscreen platform warns at every resize of the main window; the figures are
    // the output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // The bench's own window works offscreen; the programs it times get an X server.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QStringList chosen = app.arguments().mid(1);
    const auto wanted = [&chosen](const char* pszName) {
        return chosen.isEmpty() || chosen.contains(QLatin1String(pszName));
    };
    bool bMet = !wanted("store") || RunStoreBench();
    bMet = (!wanted("guess") || RunGuessBench()) && bMet;
    bMet = (!wanted("review") || RunReviewBench()) && bMet;
    if (!wanted("startup") && !wanted("memory"))
        return bMet ? 0 : 1;
    CVirtualDisplay display;
    if (!display.Start()) {
        std::printf("No X server: Xvfb could not be started (make deps installs it)\n");
        return 1;
    }
    bMet = (!wanted("startup") || RunStartupBench(display)) && bMet;
    bMet = (!wanted("memory") || RunMemoryBench(display)) && bMet;
    return bMet ? 0 : 1;
}
