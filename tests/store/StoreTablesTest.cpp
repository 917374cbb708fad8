#include "store/StoreTables.h"
#include "store/RegFile.h"
#include "store/RegTree.h"

#include <gtest/gtest.h>

namespace
{

const QByteArray HEADER = "Windows Registry Editor Version 5.00\n";

// The table as a reader sees it, in the form the store writes.
QByteArray Table(const QByteArray& file)
{
    CRegNode tree;
    ParseRegFile(FindNewestTable(file).text, "HKEY_LOCAL_MACHINE", tree);
    return FormatRegFile(tree, "HKEY_LOCAL_MACHINE");
}

} // namespace

// Guards against a copy cut short at any byte of its write leaving anything but the old table or
// the new one, whether the file held copies already or was an older store without any, also
// when the cut falls within the digits of a generation (19 and 21 cut to 29).
TEST(StoreTables, AWriteCutAnywhereLeavesTheOldTableOrTheNew)
{
    // Each table another value, of two lengths in turn, so that copies go to both places.
    const auto table = [](int nWrite) {
        return HEADER + "\n[HKEY_LOCAL_MACHINE\\Software]\n\"v" + QByteArray(nWrite % 2, 'v') +
               "\"=dword:" + QByteArray::number(nWrite).rightJustified(8, '0') + "\n";
    };
    QByteArray file = table(0);
    for (int nWrite = 1; nWrite <= 24; ++nWrite) {
        const QByteArray text = table(nWrite);
        const CTableWrite write = PlanTableWrite(FindNewestTable(file), text);
        const auto written = [&](qsizetype nBytes) {
            QByteArray result = file.leftJustified(write.nOffset, '\0');
            return result.replace(write.nOffset, nBytes, write.bytes.first(nBytes));
        };
        const QByteArray before = Table(file);
        const QByteArray after = Table(written(write.bytes.size()));
        for (qsizetype nCut = 0; nCut < write.bytes.size(); ++nCut) {
            const QByteArray seen = Table(written(nCut));
            EXPECT_TRUE(seen == before || seen == after) << "write " << nWrite << " cut " << nCut;
        }
        file = written(write.bytes.size()).first(write.nFileSize);
        EXPECT_EQ(FindNewestTable(file).text, text) << "write " << nWrite;
        EXPECT_EQ(FindNewestTable(file).nGeneration, static_cast<unsigned>(nWrite));
    }
    EXPECT_LT(file.size(), 4 * table(0).size()); // two copies and the header, not a growing log
}
