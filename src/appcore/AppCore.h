#pragma once

#include <QObject>
#include <QString>
#include <QTranslator>

class CPlayerSettings;

// What every window reads of the application: the program language, AutoStart, and the
// strings and sounds that follow the language and the current player's sound switch.
// It sits beneath the windows so that they need not know the application object.
class CAppCore : public QObject
{
    Q_OBJECT
public:
    static bool IsValidProgLang(int nLang);

    // Switches the program language (0 or 1; others are ignored), and the texts Qt itself
    // supplies with it, and announces it.
    void SetProgLang(int nLang);
    // The player whose sound switch the sounds obey; none means silence.
    void SetPlayer(const CPlayerSettings* pPlayer);

    int LangStringId(int nId) const;
    QString LoadLangString(int nId) const;
    void PlaySoundRes(int nId, bool bAsync) const;

    // A player's settings refer to it for their default dictionary, so it stays a plain int.
    int m_nProgLang = 0;
    bool m_bAutoStart = true;

signals:
    void ProgLangChanged(int nLang);

private:
    void LoadQtTexts();

    const CPlayerSettings* m_pPlayer = nullptr; // not owned
    QTranslator m_qtTexts;
};

CAppCore& AppCore();
