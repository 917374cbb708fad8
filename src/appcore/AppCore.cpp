#include "appcore/AppCore.h"

#include "game/WordList.h"
#include "platform/Resources.h"
#include "platform/WavePlayer.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "store/PlayerSettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <algorithm>

CAppCore& AppCore()
{
    static CAppCore core;
    return core;
}

// The dictionaries offered are those with a word list; US English has none.
bool CAppCore::IsValidProgLang(int nLang)
{
    return std::ranges::find(DICTIONARY_DISPLAY_ORDER, nLang) != std::end(DICTIONARY_DISPLAY_ORDER);
}

// A dictionary's code is its language's ISO 639-1 code.
QString CAppCore::ProgLangCode(int nLang)
{
    return GetDictionaryName(nLang, true).toLower();
}

void CAppCore::SetProgLang(int nLang)
{
    if (!IsValidProgLang(nLang))
        return;
    m_nProgLang = nLang;
    LoadQtTexts();
    emit ProgLangChanged(nLang);
}

// Qt's own texts (a letter cell's context menu, for one) are English unless translated; the
// translations come from Qt's installed folder, never from one the user names. Debian has
// none for some program languages, which then keep Qt's English.
void CAppCore::LoadQtTexts()
{
    QCoreApplication::removeTranslator(&m_qtTexts);
    const QLocale locale(ProgLangCode(m_nProgLang));
    if (m_nProgLang != 0 && m_qtTexts.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTexts);
}

void CAppCore::SetPlayer(const CPlayerSettings* pPlayer)
{
    m_pPlayer = pPlayer;
}

QString CAppCore::LoadLangString(int nId) const
{
    const char* pszSource = LocalizedSource(nId);
    return pszSource ? Translate("StringTable", pszSource) : LoadResString(nId);
}

QString CAppCore::Translate(const char* pszContext, const char* pszSource) const
{
    // Loaded when first asked for, as m_nProgLang is also set without SetProgLang; the
    // catalogs are built in, so no file outside the program is read.
    if (m_nCatalogLang != m_nProgLang) {
        m_nCatalogLang = m_nProgLang;
        m_pCatalog = std::make_unique<QTranslator>();
        if (!m_pCatalog->load(
                QStringLiteral(":/i18n/kelvara_%1.qm").arg(ProgLangCode(m_nProgLang))))
            m_pCatalog.reset();
    }
    const QString strText = m_pCatalog ? m_pCatalog->translate(pszContext, pszSource) : QString();
    return strText.isEmpty() ? QString::fromUtf8(pszSource) : strText;
}

void CAppCore::PlaySoundRes(int nId, bool bAsync) const
{
    if (!m_pPlayer || !m_pPlayer->m_bSound)
        return;
    const QByteArray wave = FindResource(QStringLiteral("Sound"), nId);
    if (!wave.isEmpty())
        WavePlayer().Play(wave, bAsync);
}
