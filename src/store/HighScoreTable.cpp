#include "store/HighScoreTable.h"

#include "game/GameRound.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "store/RegLayout.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>

namespace
{

using RegLayout::HIGH_SCORES;

constexpr int RECORD_FIELDS = 5;

CRegKey HighScoresKey()
{
    return CRegKey(HIGH_SCORES.hRoot, HIGH_SCORES.subKey);
}

// Faster wins; at the same time, fewer guesses; at a tie the record already there stays ahead.
bool IsBetter(const CHighScore& a, const CHighScore& b)
{
    return a.m_nSeconds < b.m_nSeconds ||
           (a.m_nSeconds == b.m_nSeconds && a.m_nGuesses < b.m_nGuesses);
}

// As atoi: leading blanks, a sign, the digits that follow; 0 without digits. Out of range
// numbers stop at the int limits instead of being undefined.
int AtoI(QStringView field)
{
    const long nValue = std::strtol(field.toUtf8().constData(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(nValue, INT_MIN, INT_MAX));
}

// The first ten values in the store's order; those that cannot be read or parsed are skipped.
QList<CHighScore> ReadTable()
{
    const CRegKey key = HighScoresKey();
    QStringList names;
    key.EnumValues(&names);
    QList<CHighScore> scores;
    for (const QString& strName : names.first(std::min<qsizetype>(names.size(), MAX_HIGH_SCORES))) {
        QString strText;
        CHighScore record;
        if (key.GetString(strName, strText) && CHighScoreTable::ParseRecord(record, strText))
            scores.append(record);
    }
    return scores;
}

// Ranks the record into the table as stored now and writes the table back when it entered.
std::int16_t EnterRecord(const CHighScore& record)
{
    QList<CHighScore> scores = ReadTable();
    if (scores.size() >= MAX_HIGH_SCORES && !IsBetter(record, scores.last()))
        return HIGH_SCORE_NOT_ENTERED;
    const auto it = std::find_if(scores.cbegin(), scores.cend(),
                                 [&](const CHighScore& other) { return IsBetter(record, other); });
    const qsizetype nPlace = it - scores.cbegin();
    scores.insert(nPlace, record);
    scores.resize(std::min<qsizetype>(scores.size(), MAX_HIGH_SCORES));
    const CRegKey key = HighScoresKey();
    key.DeleteAllValues();
    for (qsizetype i = 0; i < scores.size(); ++i)
        key.SetString(RegLayout::HighScoreValueName(static_cast<int>(i) + 1),
                      CHighScoreTable::FormatRecord(scores[i]));
    return static_cast<std::int16_t>(nPlace + 1);
}

} // namespace

CHighScoreTable::CHighScoreTable() : m_scores(ReadTable()) {}

std::int16_t CHighScoreTable::GetCount()
{
    m_scores = ReadTable();
    return static_cast<std::int16_t>(m_scores.size());
}

const CHighScore* CHighScoreTable::GetAt(std::int16_t nIndex) const
{
    return nIndex >= 0 && nIndex < m_scores.size() ? &m_scores[nIndex] : nullptr;
}

bool CHighScoreTable::ClearAll()
{
    const bool bStored =
        CRegKey::Transact(HIGH_SCORES.hRoot, [] { HighScoresKey().DeleteAllValues(); });
    m_scores = ReadTable();
    return bStored;
}

std::int16_t CHighScoreTable::AddWonGame(const CGameRound& game, const CPlayerSettings& player)
{
    if (!CPlayerSettings::IsValidName(player.m_strName))
        return HIGH_SCORE_NOT_ENTERED;
    const CHighScore record{CPlayerSettings::TrimmedName(player.m_strName),
                            game.GetElapsedSeconds(), game.m_nGuesses, game.m_nDict,
                            game.GetWord()};
    // The change may be made again later, when this table is long gone.
    const auto pPlace = std::make_shared<std::int16_t>(HIGH_SCORE_NOT_ENTERED);
    const bool bStored =
        CRegKey::Transact(HIGH_SCORES.hRoot, [record, pPlace] { *pPlace = EnterRecord(record); });
    m_scores = ReadTable();
    return bStored ? *pPlace : HIGH_SCORE_NOT_STORED;
}

QString CHighScoreTable::FormatRecord(const CHighScore& record)
{
    return QStringLiteral("%1;%2;%3;%4;%5")
        .arg(QString::number(record.m_nSeconds), QString::number(record.m_nGuesses),
             record.m_strName, QString::number(record.m_nDict), record.m_strWord);
}

// Seconds;guesses;name;dictionary;word. The first four fields must be non-empty and
// closed by ';'; the word runs to the next ';' or the end, and what follows it is ignored.
bool CHighScoreTable::ParseRecord(CHighScore& record, const QString& strText)
{
    const QList<QStringView> fields = QStringView(strText).split(QLatin1Char(';'));
    if (fields.size() < RECORD_FIELDS ||
        std::any_of(fields.cbegin(), fields.cbegin() + RECORD_FIELDS,
                    [](QStringView field) { return field.isEmpty(); }))
        return false;
    record.m_nSeconds = AtoI(fields[0]);
    record.m_nGuesses = static_cast<std::int16_t>(AtoI(fields[1]));
    record.m_strName = fields[2].toString();
    record.m_nDict = AtoI(fields[3]);
    record.m_strWord = fields[4].toString();
    return true;
}
