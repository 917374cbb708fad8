#include "appcore/AppCore.h"

#include "platform/Resources.h"
#include "platform/WavePlayer.h"
#include "res/Resource.h"
#include "res/StringTable.h"
#include "store/PlayerSettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

CAppCore& AppCore()
{
    static CAppCore core;
    return core;
}

bool CAppCore::IsValidProgLang(int nLang)
{
    return nLang == 0 || nLang == 1;
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
// translations come from Qt's installed folder, never from one the user names.
void CAppCore::LoadQtTexts()
{
    QCoreApplication::removeTranslator(&m_qtTexts);
    const QLocale locale(m_nProgLang == 1 ? QLocale::Dutch : QLocale::English);
    if (m_nProgLang != 0 && m_qtTexts.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTexts);
}

void CAppCore::SetPlayer(const CPlayerSettings* pPlayer)
{
    m_pPlayer = pPlayer;
}

int CAppCore::LangStringId(int nId) const
{
    return nId + IDS_LANG_STEP * m_nProgLang;
}

QString CAppCore::LoadLangString(int nId) const
{
    return LoadResString(LangStringId(nId));
}

void CAppCore::PlaySoundRes(int nId, bool bAsync) const
{
    if (!m_pPlayer || !m_pPlayer->m_bSound)
        return;
    const QByteArray wave = FindResource(QStringLiteral("Sound"), nId);
    if (!wave.isEmpty())
        WavePlayer().Play(wave, bAsync);
}
