#include "store/HighScoreTable.h"
#include "store/RegKey.h"
#include "support/TempRegistry.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

// Guards against two copies writing to one store at once losing each other's values.
TEST(StoreProcesses, ConcurrentWritersLoseNoValues)
{
    TempRegistry reg;
    QProcess writers[2];
    for (int i = 0; i < 2; ++i)
        writers[i].start(STORE_WRITER, {"values", reg.UserFile(), i ? "B" : "A", "150"});
    ASSERT_TRUE(writers[0].waitForFinished(60000) && writers[1].waitForFinished(60000));
    EXPECT_EQ(CRegKey(HKEY_CURRENT_USER, "Settings").EnumValues(), 2 * 150);
}

// Guards against a copy killed while saving the high scores leaving a torn table or a stale lock.
TEST(StoreProcesses, KilledSaveLeavesAWholeTable)
{
    TempRegistry reg;
    int nLastGeneration = 0;
    for (int nRun = 0; nRun < 25; ++nRun) {
        QProcess writer;
        writer.start(STORE_WRITER, {"scores", reg.MachineFile()});
        ASSERT_TRUE(writer.waitForReadyRead(20000));
        QThread::usleep(QRandomGenerator::global()->bounded(20000));
        writer.kill();
        writer.waitForFinished();
        const CHighScoreTable table;
        ASSERT_EQ(table.GetCount(), MAX_HIGH_SCORES) << "run " << nRun;
        const int nGeneration = table.GetAt(0)->m_nSeconds;
        EXPECT_TRUE(table.GetAt(MAX_HIGH_SCORES - 1)->m_nSeconds == nGeneration && // not torn
                    nGeneration > std::exchange(nLastGeneration, nGeneration))
            << "run " << nRun;
    }
}
