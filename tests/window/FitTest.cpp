// Every text a player sees has room in its control, in every program language at the scale of the
// run (1, and 2 in fit_at_scale_2), and the flag menu's keys differ; no other layer lays out the
// translated texts.
#include "appcore/AppCore.h"
#include "appcore/MessageFormat.h"
#include "dialogs/DictionaryDlg.h"
#include "dialogs/HelpDlg.h"
#include "dialogs/HighScoreNoticeDlg.h"
#include "dialogs/HighScoresDlg.h"
#include "dialogs/LanguageDlg.h"
#include "dialogs/MessageDlg.h"
#include "dialogs/NameDlg.h"
#include "dialogs/PlayerDlg.h"
#include "dialogs/SetWordDlg.h"
#include "dialogs/StatisticsDlg.h"
#include "game/GameRound.h"
#include "platform/DialogBuilder.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "store/PlayerStatistics.h"
#include "store/RegLayout.h"
#include "support/TempRegistry.h"
#include "window/FlagButton.h"
#include "window/GameDlg.h"
#include "window/GuessRow.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

namespace
{

const QRegularExpression MNEMONIC(QStringLiteral("&(.)"));

struct Probe : QPushButton {
    using QPushButton::initStyleOption;
};

// Each of the control's texts that lacks room; for a dialog, its title in Qt's Wayland title bar
// (14 px letters, 84 px a side; an X11 one is drawn unscaled).
QStringList Misfits(QWidget* pControl)
{
    QList<std::tuple<QString, int, int>> texts; // the text, the pixels it needs, those it has
    const QFontMetrics metrics = pControl->fontMetrics();
    if (auto* pLabel = qobject_cast<QLabel*>(pControl)) {
        texts = {{pLabel->text(),
                  pLabel->wordWrap() ? pLabel->heightForWidth(pLabel->width())
                                     : metrics.horizontalAdvance(pLabel->text()),
                  pLabel->wordWrap() ? pLabel->height() : pLabel->contentsRect().width()}};
    } else if (auto* pButton = qobject_cast<QPushButton*>(pControl)) {
        QStyleOptionButton option;
        (pButton->*&Probe::initStyleOption)(&option);
        const QString strShown = QString(pButton->text()).replace(MNEMONIC, "\\1");
        texts = {{strShown, metrics.horizontalAdvance(strShown),
                  pButton->style()
                      ->subElementRect(QStyle::SE_PushButtonContents, &option, pButton)
                      .width()}};
    } else if (auto* pCombo = qobject_cast<QComboBox*>(pControl)) {
        texts = {{pCombo->currentText(), pCombo->sizeHint().width(), pCombo->width()}};
    } else if (auto* pHeader = qobject_cast<QHeaderView*>(pControl)) {
        for (int n = 0; n < pHeader->count(); ++n)
            texts.append({pHeader->model()->headerData(n, Qt::Horizontal).toString(),
                          pHeader->sectionSizeHint(n), pHeader->sectionSize(n)});
    } else if (pControl->windowType() == Qt::Dialog &&
               (pControl->windowFlags() & Qt::WindowTitleHint)) {
        QFont font = QGuiApplication::font();
        font.setPixelSize(14);
        const qreal rScale =
            QGuiApplication::platformName() == "wayland" ? 1 : pControl->devicePixelRatioF();
        const int nNeeds = QFontMetrics(font).horizontalAdvance(pControl->windowTitle()) + 2 * 84;
        texts = {{pControl->windowTitle(), qCeil(nNeeds / rScale), pControl->width()}};
    }
    QStringList arMisfits;
    for (const auto& [strText, nNeeds, nHas] : texts) {
        if (nNeeds > nHas)
            arMisfits << QString("'%1' needs %2 px, has %3").arg(strText).arg(nNeeds).arg(nHas);
    }
    return arMisfits;
}

// Each dialog as it opens, with a message box for each question the program asks.
QList<std::pair<QString, std::function<CBaseDlg*()>>> Dialogs(CGameRound* pRound,
                                                              CPlayerSettings* pPlayer)
{
    QList<std::pair<QString, std::function<CBaseDlg*()>>> dialogs = {
        {"name", [] { return new CNameDlg; }},
        {"player chooser", [] { return new CPlayerDlg; }},
        {"player chooser after New",
         [] {
             auto* pDlg = new CPlayerDlg;
             pDlg->Create();
             pDlg->OnCommand(IDC_NEW);
             return pDlg;
         }},
        {"dictionary", [] { return new CDictionaryDlg; }},
        {"help", [] { return new CHelpDlg(nullptr); }},
        {"language", [] { return new CLanguageDlg; }},
        {"set word", [] { return new CSetWordDlg; }},
        {"high scores", [] { return new CHighScoresDlg(nullptr); }},
        {"high score notice 1", [] { return new CHighScoreNoticeDlg(1); }},
        {"high score notice 10", [] { return new CHighScoreNoticeDlg(10); }},
        {"statistics", [] { return new CStatisticsDlg("Anna", 1); }},
        {"guess row", [] { return new CGuessRow(32767, "QZXJ", 0, 0, nullptr); }},
        {"main window",
         [pRound, pPlayer] {
             auto* pDlg = new CGameDlg;
             pDlg->m_pGame = pRound;
             pDlg->m_pPlayer = pPlayer;
             return pDlg;
         }},
    };
    // clang-format off
    for (const auto& [nText, nInsert] : {std::pair{IDS_ABORT_GAME, 0}, {IDS_RESTART_TO, IDS_TO_CHANGE_PLAYER},
             {IDS_RESTART_TO, IDS_TO_CHANGE_DICTIONARY}, {IDS_RESTART_TO, IDS_TO_SET_WORD}, {IDS_DELETE_PLAYER, 0},
             {IDS_SURE_TO_CHEAT, 0}, {IDS_RATHER_GUESS, 0}, {IDS_WORD_IS, 0}, {IDS_SURE_TO_CLEAR, 0}})
        dialogs.append({QString("message %1 %2").arg(nText).arg(nInsert), [nText, nInsert] {
            const QString strInsert = nInsert ? AppCore().LoadLangString(nInsert) : "BEAR";
            return new CMessageDlg(FormatMessageText(AppCore().LoadLangString(nText), strInsert), CMessageDlg::MB_YES_NO, 0);
        }});
    // clang-format on
    return dialogs;
}

} // namespace

// Anna has the largest figures a store may hold, the main window's player the longest name.
TEST(Fit, EveryTextHasRoomInEveryLanguage)
{
    TempRegistry registry;
    const CRegKey record(HKEY_LOCAL_MACHINE, "Players\\Anna\\Statistics\\NL");
    for (int nBar = 0; nBar < GUESS_BARS; ++nBar)
        record.SetInt(RegLayout::GuessCountValueName(nBar), nBar == GUESS_BARS - 1 ? INT_MAX : 0);
    for (const char* pszValue : {"Won", "Abandoned", "BestTime", "TotalTime", "Run", "BestRun"})
        record.SetInt(pszValue, INT_MAX);
    record.SetInt("LastGuesses", GUESS_BARS);
    CGameRound round;
    CPlayerSettings player(AppCore().m_nProgLang);
    player.m_strName = QString(50, u'W');
    for (const int nLang : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10}) {
        AppCore().SetProgLang(nLang);
        const std::string strLang = CAppCore::ProgLangCode(nLang).toStdString();
        for (const auto& [strName, Open] : Dialogs(&round, &player)) {
            const std::unique_ptr<CBaseDlg> pDlg(Open());
            pDlg->Create();
            pDlg->show();
            QList<QWidget*> controls = pDlg->findChildren<QWidget*>();
            for (QWidget* pControl : controls << pDlg.get()) {
                const QWidget* pNamed = DlgCtrlId(pControl) ? pControl : pControl->parentWidget();
                if (pControl->isHidden())
                    continue;
                EXPECT_EQ(Misfits(pControl), QStringList())
                    << strName.toStdString() << ", control " << DlgCtrlId(pNamed)
                    << " (0: title), in " << strLang << " at scale " << pDlg->devicePixelRatio();
            }
        }
        // The flag menu with both extras fits the screen; its keys differ in each popup.
        CFlagButton flag;
        QMenu menu;
        flag.BuildFlagMenu(menu, Qt::ShiftModifier | Qt::ControlModifier);
        EXPECT_LE(menu.sizeHint().width(), flag.screen()->availableGeometry().width()) << strLang;
        QList<QMenu*> popups = menu.findChildren<QMenu*>();
        for (const QMenu* pPopup : popups << &menu) {
            QString strKeys;
            for (const QAction* pAction : pPopup->actions())
                strKeys += MNEMONIC.match(pAction->text()).captured(1).toLower();
            EXPECT_EQ(QSet<QChar>(strKeys.begin(), strKeys.end()).size(), strKeys.size())
                << "menu keys " << strKeys.toStdString() << " in " << strLang;
        }
    }
    AppCore().SetProgLang(0);
}
