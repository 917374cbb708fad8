#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

constexpr int MAX_NAME_LENGTH = 50;

// The current player's settings, and the operations on the stored players.
class CPlayerSettings
{
public:
    // nProgLang is the program language, followed by the default dictionary.
    explicit CPlayerSettings(const int& nProgLang);

    void ResetDefaults();
    // Any name loads, also a stored one that breaks the name rule (a hand-edited file).
    void Load(const QString& strName);
    // Stores the settings under the trimmed name and makes it the last player. Writes nothing
    // for a name that breaks the rule; false then, or when the store could not be written.
    bool Save() const;

    // The one rule for a player name: 1 to MAX_NAME_LENGTH characters once the spaces at both
    // ends are trimmed, no control, format or line-separating character, and none of \ / : ;
    // which would nest a key or break a high score record.
    static bool IsValidName(const QString& strName);
    // Whether a name may hold the character at all.
    static bool IsNameChar(QChar ch);
    // The name as it is stored: without the spaces at both ends.
    static QString TrimmedName(const QString& strName);

    static QString GetLastPlayer();
    static std::uint16_t ListPlayers(QStringList* parNames = nullptr);
    static void DeletePlayer(const QString& strName);

    QString m_strName;
    int m_nDict = 0;
    bool m_bSound = true;
    bool m_bLower = false;
    bool m_bHard = false; // hard mode: a guess must agree with every result on the board

private:
    const int& m_nProgLang;
};
