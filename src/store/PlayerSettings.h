#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// The current player's settings, and the operations on the stored players.
class CPlayerSettings
{
public:
    // nProgLang is the program language, followed by the default dictionary.
    explicit CPlayerSettings(const int& nProgLang);

    void ResetDefaults();
    void Load(const QString& strName);
    // False when the store could not be written.
    bool Save() const;

    static QString GetLastPlayer();
    static std::uint16_t ListPlayers(QStringList* parNames = nullptr);
    static void DeletePlayer(const QString& strName);

    QString m_strName;
    int m_nDict = 0;
    bool m_bSound = true;
    bool m_bLower = false;

private:
    const int& m_nProgLang;
};
