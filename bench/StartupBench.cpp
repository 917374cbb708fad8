#include "StartupBench.h"

#include "BenchStats.h"
#include "VirtualDisplay.h"
#include "store/RegKey.h"
#include "store/RegistryLocation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace
{

constexpr int STARTS = 41;
constexpr int WINDOW_TIMEOUT_MS = 30000;
constexpr int SETTLE_MS = 1000; // lets the window paint and the program go idle
constexpr double MAX_START_RATIO = 1.05;
constexpr double MAX_EXTRA_RESIDENT_MB = 5; // over the bare dialog's

const QString KELVARA = QStringLiteral(KELVARA_PROGRAM);
const QString BARE_DIALOG = QStringLiteral(BARE_DIALOG_PROGRAM);

// One run of a program with empty home and XDG folders of its own, so that Kelvara
// starts as on a first run, and nothing it might store reaches the real home.
class CFreshRun
{
public:
    CFreshRun(const CVirtualDisplay& display, const QString& strProgram)
    {
        QDir root(m_home.path());
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("DISPLAY"), display.Name());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path()); // private: 0700
        for (const char* pszVar : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            const QString strName = QString::fromLatin1(pszVar);
            root.mkdir(strName);
            env.insert(strName, root.filePath(strName));
        }
        m_process.setProcessEnvironment(env);
        m_process.setProgram(strProgram);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
    }
    ~CFreshRun()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    QString ConfigFolder() const { return m_home.filePath(QStringLiteral("XDG_CONFIG_HOME")); }
    QString DataFolder() const { return m_home.filePath(QStringLiteral("XDG_DATA_HOME")); }
    QProcess& Process() { return m_process; }

private:
    QTemporaryDir m_home;
    QProcess m_process;
};

// Milliseconds from the start of the process to its first mapped window; -1 for none.
double TimeToFirstWindow(CVirtualDisplay& display, const QString& strProgram)
{
    CFreshRun run(display, strProgram);
    display.DropEvents();
    QElapsedTimer timer;
    timer.start();
    run.Process().start();
    const bool bShown = display.WaitForMap(WINDOW_TIMEOUT_MS) != 0;
    const double rMs = timer.nsecsElapsed() / 1e6;
    return bShown ? rMs : -1;
}

Memory MemoryAfterSettling(CFreshRun& run)
{
    QThread::msleep(SETTLE_MS);
    return ReadMemory(run.Process().processId());
}

void PrintMemory(const char* pszWhat, const Memory& memory)
{
    std::printf("  %-42s %6.1f MB  (peak %.1f MB)\n", pszWhat, memory.rResident, memory.rPeak);
}

// A known program language and a remembered player, but no stored player: Kelvara skips
// the language chooser and offers the name in its name dialog, so Enter reaches the game.
void PrepareReturningPlayer(const CFreshRun& run)
{
    SetRegistryFiles(run.ConfigFolder() + QStringLiteral("/Torvane/Kelvara.reg"),
                     run.DataFolder() + QStringLiteral("/Torvane/Kelvara/machine.reg"));
    CRegKey key(HKEY_CURRENT_USER, QStringLiteral("Settings"));
    key.SetInt(QStringLiteral("ProgLang"), 0);
    key.SetString(QStringLiteral("LastPlayer"), QStringLiteral("Bench"));
    SetRegistryFiles(QString(), QString());
}

bool PressReturnIn(const CVirtualDisplay& display, std::uint32_t nWindow)
{
    QProcess xdotool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display.Name());
    xdotool.setProcessEnvironment(env);
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                   QString::number(nWindow), QStringLiteral("key"), QStringLiteral("Return")});
    return xdotool.waitForFinished(WINDOW_TIMEOUT_MS) && xdotool.exitCode() == 0;
}

// Memory of Kelvara once its main window shows, reached through the name dialog.
Memory KelvaraMainWindowMemory(CVirtualDisplay& display)
{
    CFreshRun run(display, KELVARA);
    PrepareReturningPlayer(run);
    display.DropEvents();
    run.Process().start();
    const std::uint32_t nNameDlg = display.WaitForMap(WINDOW_TIMEOUT_MS);
    if (!nNameDlg || !PressReturnIn(display, nNameDlg) || !display.WaitForMap(WINDOW_TIMEOUT_MS))
        return {};
    return MemoryAfterSettling(run);
}

Memory FirstWindowMemory(CVirtualDisplay& display, const QString& strProgram)
{
    CFreshRun run(display, strProgram);
    display.DropEvents();
    run.Process().start();
    if (!display.WaitForMap(WINDOW_TIMEOUT_MS))
        return {};
    return MemoryAfterSettling(run);
}

} // namespace

bool RunStartupBench(CVirtualDisplay& display)
{
    // One unmeasured start each brings the libraries into the page cache.
    TimeToFirstWindow(display, KELVARA);
    TimeToFirstWindow(display, BARE_DIALOG);
    QList<double> kelvara;
    QList<double> bare;
    for (int i = 0; i < STARTS; ++i) {
        kelvara.append(TimeToFirstWindow(display, KELVARA));
        bare.append(TimeToFirstWindow(display, BARE_DIALOG));
    }
    if (kelvara.contains(-1) || bare.contains(-1)) {
        std::printf("Start-up: a program showed no window within %d s\n", WINDOW_TIMEOUT_MS / 1000);
        return false;
    }
    const double rRatio = Median(kelvara) / Median(bare);
    const bool bMet = rRatio <= MAX_START_RATIO;
    std::printf("Start-up, process start to first window mapped (Xvfb, median of %d starts):\n",
                STARTS);
    std::printf("  Kelvara (language chooser)  %7.1f ms  (min %.1f, max %.1f)\n", Median(kelvara),
                *std::min_element(kelvara.begin(), kelvara.end()), Max(kelvara));
    std::printf("  bare Qt dialog              %7.1f ms  (min %.1f, max %.1f)\n", Median(bare),
                *std::min_element(bare.begin(), bare.end()), Max(bare));
    std::printf("  ratio %.2f (target at most %.2f): %s\n\n", rRatio, MAX_START_RATIO,
                bMet ? "met" : "MISSED");
    return bMet;
}

bool RunMemoryBench(CVirtualDisplay& display)
{
    const QFileInfo shared(QStringLiteral("/var/games/kelvara"));
    if (shared.isDir() && shared.isWritable()) {
        std::printf("Memory: skipped, Kelvara would read the players in /var/games/kelvara\n\n");
        return false;
    }
    const Memory main = KelvaraMainWindowMemory(display);
    const Memory chooser = FirstWindowMemory(display, KELVARA);
    const Memory bare = FirstWindowMemory(display, BARE_DIALOG);
    const bool bMet = main.rResident > 0 && bare.rResident > 0 &&
                      main.rResident - bare.rResident <= MAX_EXTRA_RESIDENT_MB;
    std::printf("Resident memory (VmRSS, %d ms after the window is mapped):\n", SETTLE_MS);
    PrintMemory("Kelvara, main window with a game running", main);
    PrintMemory("Kelvara, language chooser", chooser);
    PrintMemory("bare Qt dialog", bare);
    std::printf("  Kelvara's game over the bare dialog: %+.1f MB (target at most %+.0f MB): %s\n\n",
                main.rResident - bare.rResident, MAX_EXTRA_RESIDENT_MB, bMet ? "met" : "MISSED");
    return bMet;
}
