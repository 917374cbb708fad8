#include "store/HighScoreTable.h"

#include "game/GameRound.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "store/RegLayout.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

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

} // namespace

CHighScoreTable::CHighScoreTable()
{
    const CRegKey key = HighScoresKey();
    QStringList names;
    key.EnumValues(&names);
    for (const QString& strName : names.first(std::min<qsizetype>(names.size(), MAX_HIGH_SCORES))) {
        QString strText;
        CHighScore record;
        if (key.GetString(strName, strText) && ParseRecord(record, strText))
            m_scores.append(record);
    }
}

CHighScoreTable::~CHighScoreTable()
{
    if (m_bModified)
        Save();
}

std::int16_t CHighScoreTable::GetCount() const
{
    return static_cast<std::int16_t>(m_scores.size());
}

const CHighScore* CHighScoreTable::GetAt(std::int16_t nIndex) const
{
    return nIndex >= 0 && nIndex < m_scores.size() ? &m_scores[nIndex] : nullptr;
}

void CHighScoreTable::ClearAll()
{
    m_scores.clear();
    m_bModified = true;
}

std::int16_t CHighScoreTable::AddWonGame(const CGameRound& game, const CPlayerSettings& player)
{
    const CHighScore record{player.m_strName, game.GetElapsedSeconds(), game.m_nGuesses,
                            game.m_nDict, game.GetWord()};
    if (m_scores.size() >= MAX_HIGH_SCORES && !IsBetter(record, m_scores.last()))
        return 0;
    const auto it = std::find_if(m_scores.cbegin(), m_scores.cend(),
                                 [&](const CHighScore& other) { return IsBetter(record, other); });
    const qsizetype nPlace = it - m_scores.cbegin();
    m_scores.insert(nPlace, record);
    if (m_scores.size() > MAX_HIGH_SCORES)
        m_scores.resize(MAX_HIGH_SCORES);
    m_bModified = true;
    return static_cast<std::int16_t>(nPlace + 1);
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

void CHighScoreTable::Save() const
{
    // One replacement of the store: a run cut short leaves the old table or the new one.
    const CRegBatch batch(HIGH_SCORES.hRoot);
    const CRegKey key = HighScoresKey();
    key.DeleteAllValues();
    for (qsizetype i = 0; i < std::min<qsizetype>(m_scores.size(), MAX_HIGH_SCORES); ++i)
        key.SetString(RegLayout::HighScoreValueName(static_cast<int>(i) + 1),
                      FormatRecord(m_scores[i]));
}
