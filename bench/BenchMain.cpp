// Start-up time, memory, the cost of a guess, of a review and of a large store file, each
// against its target.
// Exits with 1 when a target is missed, so a script can watch for regressions.
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

    bool bMet = RunStoreBench();
    bMet = RunGuessBench() && bMet;
    bMet = RunReviewBench() && bMet;
    CVirtualDisplay display;
    if (!display.Start()) {
        std::printf("No X server: Xvfb could not be started (make deps installs it)\n");
        return 1;
    }
    bMet = RunStartupBench(display) && bMet;
    bMet = RunMemoryBench(display) && bMet;
    return bMet ? 0 : 1;
}
