#include "StoreBench.h"

#include "BenchStats.h"
#include "store/RegFile.h"
#include "store/RegKey.h"
#include "store/RegTree.h"
#include "support/TempRegistry.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace
{

constexpr int VALUES = 100000;
constexpr int RUNS = 5;
constexpr int READS = 21;
constexpr double MAX_PARSE_MS = 500;
constexpr double MAX_UNCHANGED_READ_MS = 50;

const QString ROOT = QStringLiteral("HKEY_CURRENT_USER");

// A store file of VALUES dword values, nKeys keys of equal share below Settings.
QByteArray MakeFile(int nKeys)
{
    QByteArray text = "Windows Registry Editor Version 5.00\n\n";
    for (int nKey = 0; nKey < nKeys; ++nKey) {
        text += "[HKEY_CURRENT_USER\\Software\\Torvane\\Kelvara\\Settings\\Key" +
                QByteArray::number(nKey) + "]\n";
        for (int nValue = 0; nValue < VALUES / nKeys; ++nValue)
            text += "\"Value" + QByteArray::number(nValue) + "\"=dword:0000002a\n";
        text += '\n';
    }
    return text;
}

double ParseMs(const QByteArray& text)
{
    QList<double> times;
    for (int i = 0; i < RUNS; ++i) {
        QElapsedTimer timer;
        timer.start();
        CRegNode root;
        ParseRegFile(text, ROOT, root);
        times.append(timer.nsecsElapsed() / 1e6);
    }
    return Median(times);
}

// The first read parses the file; the ones after it find the same bytes and keep the tree.
double UnchangedReadMs(const QByteArray& text)
{
    TempRegistry registry;
    QFile file(registry.UserFile());
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return -1;
    file.close();
    const CRegKey key(HKEY_CURRENT_USER, QStringLiteral("Settings\\Key0"));
    int nValue = 0;
    key.GetInt(QStringLiteral("Value0"), nValue);
    QList<double> times;
    for (int i = 0; i < READS; ++i) {
        QElapsedTimer timer;
        timer.start();
        key.GetInt(QStringLiteral("Value1"), nValue);
        times.append(timer.nsecsElapsed() / 1e6);
    }
    return nValue == 42 ? Median(times) : -1;
}

} // namespace

bool RunStoreBench()
{
    const QByteArray oneKey = MakeFile(1);
    const QByteArray manyKeys = MakeFile(VALUES / 10);
    const double rOneKeyMs = ParseMs(oneKey);
    const double rManyKeysMs = ParseMs(manyKeys);
    const double rReadMs = UnchangedReadMs(oneKey);
    const bool bParseMet = rOneKeyMs < MAX_PARSE_MS && rManyKeysMs < MAX_PARSE_MS;
    const bool bReadMet = rReadMs >= 0 && rReadMs < MAX_UNCHANGED_READ_MS;
    std::printf("Store file of %d values (median of %d parses, %d reads):\n", VALUES, RUNS, READS);
    std::printf("  parse, all in one key       %8.1f ms  (%.1f MB)\n", rOneKeyMs,
                oneKey.size() / 1e6);
    std::printf("  parse, in %d keys        %8.1f ms  (%.1f MB)\n", VALUES / 10, rManyKeysMs,
                manyKeys.size() / 1e6);
    std::printf("  target each under %.0f ms: %s\n", MAX_PARSE_MS, bParseMet ? "met" : "MISSED");
    std::printf("  read of a value, file unchanged %6.2f ms (target under %.0f ms): %s\n\n",
                rReadMs, MAX_UNCHANGED_READ_MS, bReadMet ? "met" : "MISSED");
    return bParseMet && bReadMet;
}
