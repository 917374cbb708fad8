#include "platform/WavePlayer.h"
#include "support/IsolatedHome.h"
#include "support/RecordingWavePlayer.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace
{

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform remarks on every fixed-size window and every tooltip; nothing to act on.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& strMsg)
{
    if (!strMsg.contains(QLatin1String("does not support propagateSizeHints")) &&
        !strMsg.contains(QLatin1String("does not support raise()")))
        g_previousHandler(type, context, strMsg);
}

} // namespace

int main(int argc, char* argv[])
{
    IsolatedHome home;
    // A desktop that asks for no language, whoever runs the tests: the chooser offers English.
    for (const char* pszVar : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(pszVar);
    qputenv("LANG", "C.UTF-8");
    // Offscreen, unless a run on a real display server names its platform.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariable("KELVARA_TEST_PLATFORM", "offscreen").toLocal8Bit());
    QApplication app(argc, argv);
    g_previousHandler = qInstallMessageHandler(QuietOffscreenNotes);
    // Widget tests never reach the sound card; they check what was asked of it.
    SetWavePlayer(&RecordingWavePlayer::Instance());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
