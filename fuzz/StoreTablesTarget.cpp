// A write of the shared table cut short anywhere leaves the old table or the new, never a third.
#include "FuzzTargets.h"

#include "store/RegFile.h"
#include "store/RegTree.h"
#include "store/StoreTables.h"

#include <QByteArray>
#include <cstdlib>

namespace
{

constexpr int MAX_WRITES = 32;
constexpr unsigned char WHOLE = 255;

const QString ROOT = QStringLiteral("HKEY_LOCAL_MACHINE");

// The table as a reader sees it, in the form the store writes.
QByteArray Table(const QByteArray& file)
{
    CRegNode tree;
    ParseRegFile(FindNewestTable(file).text, ROOT, tree);
    return FormatRegFile(tree, ROOT);
}

// Tables of several lengths, so that copies go to the front as well as after the newest.
QByteArray TableText(unsigned char nChoice)
{
    QByteArray text = "Windows Registry Editor Version 5.00\n\n"
                      "[HKEY_LOCAL_MACHINE\\Software\\Torvane\\Kelvara\\HiScores]\n";
    for (int i = 0; i <= nChoice % 5; ++i)
        text += "\"H0" + QByteArray::number(i) + "\"=\"" + QByteArray::number(nChoice) +
                ";7;Anna;0;WORD\"\n";
    return text + '\n';
}

} // namespace

// The input: a count of writes, for each the table and where it is cut short (255: not at all),
// then the store an older Kelvara left, as it writes it. Each write starts from what the last
// one left. Bytes made to look like a copy's line once a later write is cut short (which the
// fuzzer builds from the checksums it sees compared) would need someone who may write the file
// anyway.
int FuzzStoreTables(const std::uint8_t* pData, std::size_t nSize)
{
    const QByteArray input(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nSize));
    FindNewestTable(input); // any file is read without harm
    const int nWrites = input.isEmpty() ? 0 : static_cast<unsigned char>(input[0]) % MAX_WRITES;
    if (input.size() < 1 + 2 * nWrites)
        return 0;
    CRegNode older;
    ParseRegFile(input.sliced(1 + 2 * nWrites), ROOT, older);
    QByteArray file = FormatRegFile(older, ROOT);
    QByteArray seen = Table(file);
    for (int i = 0; i < nWrites; ++i) {
        const QByteArray text = TableText(static_cast<unsigned char>(input[1 + 2 * i]));
        const auto nCut = static_cast<unsigned char>(input[2 + 2 * i]);
        const CTableWrite write = PlanTableWrite(FindNewestTable(file), text);
        const qsizetype nBytes =
            nCut == WHOLE ? write.bytes.size() : write.bytes.size() * nCut / WHOLE;
        file = file.leftJustified(write.nOffset, '\0')
                   .replace(write.nOffset, nBytes, write.bytes.first(nBytes));
        if (nCut == WHOLE) {
            file.truncate(write.nFileSize);
            if (FindNewestTable(file).text != text)
                std::abort();
        }
        const QByteArray now = Table(file);
        if (now != seen && now != Table(text))
            std::abort();
        seen = now;
    }
    return 0;
}
