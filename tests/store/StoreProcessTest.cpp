#include "HighScoreTable.h"
#include "RegKey.h"
#include "TempRegistry.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <gtest/gtest.h>

// Two copies writing to one store at the same time must keep each other's values.
TEST(StoreProcesses, ConcurrentWritersLoseNoValues)
{
    TempRegistry reg;
    constexpr int VALUES = 150;
    QProcess a, b;
    a.start(STORE_WRITER, {"values", reg.UserFile(), "A", QString::number(VALUES)});
    b.start(STORE_WRITER, {"values", reg.UserFile(), "B", QString::number(VALUES)});
    ASSERT_TRUE(a.waitForFinished(60000) && b.waitForFinished(60000));
    const CRegKey key(HKEY_CURRENT_USER, "Settings");
    EXPECT_EQ(key.EnumValues(), 2 * VALUES);
    int nValue = -1;
    for (int i = 0; i < VALUES; ++i) {
        EXPECT_TRUE(key.GetInt("A" + QString::number(i), nValue) && nValue == i);
        EXPECT_TRUE(key.GetInt("B" + QString::number(i), nValue) && nValue == i);
    }
}

// A copy killed while it saves the high score table leaves the old table or the new one,
// whole, and its stale lock does not stop the next copy.
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
        for (std::int16_t i = 0; i < MAX_HIGH_SCORES; ++i)
            EXPECT_TRUE(table.GetAt(i)->m_nSeconds == nGeneration &&
                        table.GetAt(i)->m_nGuesses == i + 1);
        EXPECT_GT(nGeneration, nLastGeneration);
        nLastGeneration = nGeneration;
    }
}
