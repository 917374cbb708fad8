#include "store/StoreTables.h"

#include <QCryptographicHash>
#include <QList>

namespace
{

const QByteArray HEADER_LINE = "Windows Registry Editor Version 5.00\n";
const QByteArray MARKER = "; Kelvara table, generation ";
constexpr qsizetype HASH_DIGITS = 16;

// Covers the generation and the length too: a write cut short within the digits of a line
// must not make an older copy pass for a newer one.
QByteArray HashOf(std::uint64_t nGeneration, QByteArrayView body)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(nGeneration) + ' ' + QByteArray::number(body.size()) + '\n');
    hash.addData(body);
    return hash.result().toHex().first(HASH_DIGITS);
}

// "<generation>, <length> bytes, sha256 <hash>"; false for anything else.
bool ParseMarker(QByteArrayView rest, std::uint64_t& nGeneration, qsizetype& nLength,
                 QByteArray& hash)
{
    const QList<QByteArray> words = rest.toByteArray().split(' ');
    bool bGeneration = false;
    bool bLength = false;
    if (words.size() != 5 || !words[0].endsWith(',') || words[2] != "bytes," ||
        words[3] != "sha256" || words[4].size() != HASH_DIGITS)
        return false;
    nGeneration = words[0].chopped(1).toULongLong(&bGeneration);
    nLength = words[1].toLongLong(&bLength);
    hash = words[4];
    return bGeneration && bLength && nLength >= 0;
}

// Generations count on past the largest number from 0, as serial numbers do: a copy is newer
// when it is less than half the range ahead. A count that stopped at its end would stop every
// later write, for everyone.
bool IsNewer(std::uint64_t nGeneration, std::uint64_t nThan)
{
    const std::uint64_t nAhead = nGeneration - nThan;
    return nAhead != 0 && nAhead < (std::uint64_t{1} << 63);
}

} // namespace

CStoreTable FindNewestTable(const QByteArray& file)
{
    CStoreTable newest{file, 0, 0, file.size(), false};
    qsizetype nFirstMarker = -1;
    std::uint64_t nHighest = 0;
    bool bWhole = false;
    for (qsizetype nLine = 0; nLine < file.size();) {
        const qsizetype nBreak = file.indexOf('\n', nLine);
        const qsizetype nLineEnd = nBreak < 0 ? file.size() : nBreak + 1;
        const QByteArrayView line = QByteArrayView(file).sliced(nLine, nLineEnd - nLine);
        std::uint64_t nGeneration = 0;
        qsizetype nLength = 0;
        QByteArray hash;
        if (nBreak >= 0 && line.startsWith(MARKER) &&
            ParseMarker(line.sliced(MARKER.size()).chopped(1), nGeneration, nLength, hash)) {
            if (nFirstMarker < 0)
                nFirstMarker = nLine;
            if (nFirstMarker == nLine || IsNewer(nGeneration, nHighest))
                nHighest = nGeneration;
            const bool bFits = nLength <= file.size() - nLineEnd;
            const QByteArrayView body = QByteArrayView(file).sliced(nLineEnd, bFits ? nLength : 0);
            if (bFits && HashOf(nGeneration, body) == hash &&
                (!bWhole || IsNewer(nGeneration, newest.nGeneration))) {
                newest = {HEADER_LINE + body.toByteArray(), nGeneration, nLine, nLineEnd + nLength,
                          false};
                bWhole = true;
            }
        }
        nLine = nLineEnd;
    }
    // The torn copies stay untouched until a whole one follows them: a write cut short over
    // them could leave their bodies looking like part of the table before them.
    if (nFirstMarker >= 0 && !bWhole)
        newest = {file.first(nFirstMarker), nHighest, 0, file.size(), true};
    return newest;
}

CTableWrite PlanTableWrite(const CStoreTable& newest, const QByteArray& text)
{
    const QByteArrayView body =
        text.startsWith(HEADER_LINE) ? QByteArrayView(text).sliced(HEADER_LINE.size()) : text;
    const std::uint64_t nGeneration = newest.nGeneration + 1;
    const QByteArray copy = MARKER + QByteArray::number(nGeneration) + ", " +
                            QByteArray::number(body.size()) + " bytes, sha256 " +
                            HashOf(nGeneration, body) + '\n' + body.toByteArray();
    // Short of the newest copy's line, so that the line break before that line stays.
    const QByteArray front = HEADER_LINE + copy;
    if (front.size() < newest.nStart)
        return {0, front, newest.nEnd};
    // After the newest copy, on a line of its own. The space first: a copy cut short before its
    // last line break must not be made whole again by this write.
    const QByteArray after = " \n" + copy;
    return {newest.nEnd, after, newest.nEnd + after.size()};
}
