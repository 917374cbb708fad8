#pragma once

#include <QObject>
#include <QString>
#include <QTranslator>
#include <memory>

class CPlayerSettings;

// What every window reads of the application: the program language, AutoStart, and the
// strings and sounds that follow the language and the current player's sound switch.
// It sits beneath the windows so that they need not know the application object.
class CAppCore : public QObject
{
    Q_OBJECT
public:
    // The program languages are the dictionaries with a word list, by the dictionary's index.
    static bool IsValidProgLang(int nLang);
    // Its two-letter code, which names its catalog.
    static QString ProgLangCode(int nLang);

    // Switches the program language (others are ignored), and the texts Qt itself supplies
    // with it, and announces it.
    void SetProgLang(int nLang);
    // The player whose sound switch the sounds obey; none means silence.
    void SetPlayer(const CPlayerSettings* pPlayer);

    // A string of the table in the program language.
    QString LoadLangString(int nId) const;
    // An English text marked for the catalogs in the context pszContext, in the program
    // language: English where the language's catalog lacks it.
    QString Translate(const char* pszContext, const char* pszSource) const;
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
    // The catalog of m_nCatalogLang only; none for English.
    mutable std::unique_ptr<QTranslator> m_pCatalog;
    mutable int m_nCatalogLang = 0;
};

CAppCore& AppCore();
