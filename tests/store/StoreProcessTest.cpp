// What only several processes show: concurrent writers, writers killed mid-save, stale locks.
#include "store/HighScoreTable.h"
#include "store/PlayerStatistics.h"
#include "store/RegKey.h"
#include "store/RegistryLocation.h"
#include "support/TempRegistry.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{

constexpr int KILL_ROUNDS = 200;
constexpr int KILL_ROUNDS_AT_LEAST = 50; // on a machine too busy for all rounds in time
constexpr int KILL_SECONDS = 75;         // for each of the two stores

void RunWriters(const QList<QStringList>& argsOfEach)
{
    QList<QProcess*> writers;
    for (const QStringList& args : argsOfEach) {
        writers.append(new QProcess);
        writers.last()->start(STORE_WRITER, args);
    }
    for (QProcess* pWriter : writers) {
        EXPECT_TRUE(pWriter->waitForFinished(60000));
        EXPECT_EQ(pWriter->exitCode(), 0);
        delete pWriter;
    }
}

// Starts a writer and kills it once it has said what it was asked to wait for.
void KillWhenSaid(const QStringList& args, int nMaxDelayUs)
{
    QProcess writer;
    writer.start(STORE_WRITER, args);
    ASSERT_TRUE(writer.waitForReadyRead(20000));
    QThread::usleep(QRandomGenerator::global()->bounded(nMaxDelayUs + 1));
    writer.kill();
    writer.waitForFinished();
}

} // namespace

// Guards against two copies at once losing each other's values, high scores or counted games.
TEST(StoreProcesses, ConcurrentWritersLoseNoValuesHighScoresOrGames)
{
    TempRegistry reg;
    RunWriters({{"values", reg.UserFile(), "A", "150"}, {"values", reg.UserFile(), "B", "150"}});
    EXPECT_EQ(CRegKey(HKEY_CURRENT_USER, "Settings").EnumValues(), 2 * 150);

    CHighScoreTable loadedBefore;
    RunWriters({{"wins", reg.MachineFile(), "1", "5"}, {"wins", reg.MachineFile(), "2", "5"}});
    CHighScoreTable table;
    ASSERT_EQ(table.GetCount(), MAX_HIGH_SCORES);
    for (std::int16_t i = 0; i < MAX_HIGH_SCORES; ++i)
        EXPECT_EQ(table.GetAt(i)->m_nSeconds, i + 1);
    loadedBefore.ClearAll();
    EXPECT_EQ(table.GetCount(), 0);

    RunWriters({{"stats", reg.MachineFile(), "40"}, {"stats", reg.MachineFile(), "40"}});
    EXPECT_EQ(ReadStatistics("Kim", 0).m_nWon, 80);
    EXPECT_EQ(ReadStatistics("Kim", ALL_DICTIONARIES).m_nWon, 80);
}

// Guards against a copy killed mid-save leaving a torn table or its temporary files.
TEST(StoreProcesses, KilledSavesLeaveWholeTables)
{
    TempRegistry reg;
    QDir(reg.Dir()).mkdir("shared");
    const QString strShared = reg.Dir() + "/shared";
    const QStringList installed = {"Kelvara.reg", "Kelvara.reg.bak"};
    for (const QString& strName : installed)
        QFile(strShared + '/' + strName).open(QIODevice::WriteOnly);
    for (const QString& strWhere : {reg.MachineFile(), "shared:" + strShared}) {
        if (strWhere.startsWith("shared:"))
            SetSharedStore(strShared, geteuid(), getegid());
        int nLastGeneration = 0;
        int nRounds = 0;
        QElapsedTimer timer;
        timer.start();
        const QDeadlineTimer deadline(KILL_SECONDS * 1000);
        for (; nRounds < KILL_ROUNDS && !deadline.hasExpired(); ++nRounds) {
            KillWhenSaid({"scores", strWhere}, 20000);
            CHighScoreTable table;
            ASSERT_EQ(table.GetCount(), MAX_HIGH_SCORES) << qPrintable(strWhere) << nRounds;
            const int nGeneration = table.GetAt(0)->m_nSeconds;
            EXPECT_EQ(table.GetAt(MAX_HIGH_SCORES - 1)->m_nSeconds, nGeneration)
                << qPrintable(strWhere) << nRounds;
            EXPECT_GT(nGeneration, std::exchange(nLastGeneration, nGeneration))
                << qPrintable(strWhere) << nRounds;
        }
        std::printf("%s: %d kill rounds in %.1f s\n", qPrintable(strWhere), nRounds,
                    timer.elapsed() / 1000.0);
        EXPECT_GE(nRounds, KILL_ROUNDS_AT_LEAST);
        ASSERT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "HiScores").SetInt("H99", 1));
    }
    EXPECT_EQ(QDir(reg.Dir()).entryList(QDir::Files), QStringList{"machine.reg"});
    EXPECT_EQ(QDir(strShared).entryList(QDir::Files), installed);
}

// Guards against a killed copy's lock, with or without its process id, holding up writes.
TEST(StoreProcesses, LockOfAKilledCopyIsTakenAtOnce)
{
    TempRegistry reg;
    const QString strLock = reg.MachineFile() + ".lock";
    KillWhenSaid({"hold", reg.MachineFile()}, 0);
    ASSERT_TRUE(QFile::exists(strLock));
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Anna").SetInt("Dict", 1));
    const qint64 nAfterKillMs = timer.elapsed();
    EXPECT_LT(nAfterKillMs, 1000);

    QFile empty(strLock);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.setFileTime(QDateTime::currentDateTime().addSecs(-1), QFileDevice::FileModificationTime);
    empty.close();
    timer.start();
    EXPECT_TRUE(CRegKey(HKEY_LOCAL_MACHINE, "Players\\Anna").SetInt("Dict", 2));
    const qint64 nEmptyMs = timer.elapsed();
    EXPECT_LT(nEmptyMs, 1000);
    std::printf("write after a killed lock holder: %lld ms; after an empty lock file: %lld ms\n",
                static_cast<long long>(nAfterKillMs), static_cast<long long>(nEmptyMs));
}
