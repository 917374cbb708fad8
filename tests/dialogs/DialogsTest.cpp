// What a player sees and does in each dialog and the link; no other layer drives them.
#include "appcore/AppCore.h"
#include "controls/HyperLink.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/DictionaryDlg.h"
#include "dialogs/GuessChart.h"
#include "dialogs/HighScoreNoticeDlg.h"
#include "dialogs/HighScoresDlg.h"
#include "dialogs/LanguageDlg.h"
#include "dialogs/MessageDlg.h"
#include "dialogs/PlayerDlg.h"
#include "dialogs/ReviewDlg.h"
#include "dialogs/SetWordDlg.h"
#include "dialogs/StatisticsDlg.h"
#include "dialogs/WordsLeftChart.h"
#include "game/GameRound.h"
#include "game/WordList.h"
#include "platform/ShellOpen.h"
#include "res/Resource.h"
#include "store/HighScoreTable.h"
#include "store/PlayerSettings.h"
#include "store/PlayerStatistics.h"
#include "store/RegKey.h"
#include "store/RegLayout.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"
#include "support/TempRegistry.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QListWidget>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace
{

enum { ENGLISH, DUTCH, FRENCH, GERMAN, ITALIAN, SPANISH, US_ENGLISH, ESPERANTO, LATIN, SWAHILI, IRISH }; // US_ENGLISH lacks words
const QString MAKER_PAGE = QStringLiteral("https://torvane.example/kelvara");
QStringList g_opened; // what links would open, instead of a browser

void Open(CBaseDlg& dlg)
{
    dlg.Create();
    dlg.show();
    QApplication::setActiveWindow(&dlg);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
}

QString Text(QWidget* pDlg, int nId)
{
    return Marked(Item(pDlg, nId)->property("text").toString());
}

struct SoundOn : CPlayerSettings {
    SoundOn() : CPlayerSettings(AppCore().m_nProgLang)
    {
        AppCore().SetPlayer(this);
        RecordingWavePlayer::Instance().Clear();
    }
    ~SoundOn() { AppCore().SetPlayer(nullptr); }
};

// A key to the box, or a click on its item (the box itself for 0); nothing for neither.
struct Input {
    const char* pszWhat;
    int nItem;
    Qt::MouseButton button;
    QKeyCombination key;
};
void Give(QWidget* pBox, const Input& input)
{
    if (input.button != Qt::NoButton)
        QTest::mouseClick(input.nItem ? Item(pBox, input.nItem) : pBox, input.button);
    else if (input.key.key() != Qt::Key_unknown)
        QTest::keyClick(pBox->windowHandle(), input.key.key(), input.key.keyboardModifiers());
}

// No is answered with Enter: a question whose Yes loses data takes that as No.
void Answer(QWidget* pBox, int nAnswer)
{
    nAnswer == IDCANCEL ? QTest::keyClick(pBox->windowHandle(), Qt::Key_Return) : Click(pBox, nAnswer);
}

QStringList Texts(const QListWidget* pList)
{
    QStringList arTexts;
    for (int nRow = 0; nRow < pList->count(); ++nRow)
        arTexts << Marked(pList->item(nRow)->text());
    return arTexts;
}

void ClickEntry(QListWidget* pList, const QString& strEntry, bool bDouble = false)
{
    const QRect rect =
        pList->visualItemRect(pList->findItems(strEntry, Qt::MatchContains).value(0));
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, rect.center());
    if (bDouble)
        QTest::mouseDClick(pList->viewport(), Qt::LeftButton, {}, rect.center());
}

struct LastPlayerAnn : TempRegistry {
    LastPlayerAnn() { CRegKey(HKEY_CURRENT_USER, "Settings").SetString("LastPlayer", "Ann"); }
};

// The player chooser over anna, Bob and carl, his name edited into the store. Entries() brackets
// the selected one; Usable() names the controls shown and enabled, the focused one starred.
struct Chooser : LastPlayerAnn {
    Chooser()
    {
        for (QString strName : {"ca\u202Erl\u2028", "Bob", "anna"})
            CRegKey(HKEY_LOCAL_MACHINE, "Players\\" + strName).SetInt("Dict", 0);
        Open(dlg);
        list = qobject_cast<QListWidget*>(dlg.GetDlgItem(IDC_PLAYERS));
    }
    QString Entries() const
    {
        QStringList arNames = Texts(list);
        for (const QListWidgetItem* pEntry : list->selectedItems())
            arNames[list->row(pEntry)] = '[' + Marked(pEntry->text()) + ']';
        return arNames.join(' ');
    }
    QString Usable() const
    {
        QStringList arNames;
        const int anIds[] = {IDC_PLAYERS, IDC_NAME, IDC_NEW, IDC_DELETE, IDOK};
        for (int i = 0; const char* pszName : {"list", "edit", "New", "Delete", "OK"}) {
            const QWidget* pItem = dlg.GetDlgItem(anIds[i++]);
            if (pItem->isVisible() && pItem->isEnabled())
                arNames << QString(pszName) + (dlg.focusWidget() == pItem ? "*" : "");
        }
        return arNames.join(' ');
    }
    // Steps apart by "|": "New", "Delete", "Return", "type NAME", "click NAME", "dclick NAME".
    void Do(const QString& strSteps)
    {
        for (const QString& strStep : strSteps.split('|', Qt::SkipEmptyParts)) {
            const QString strArg = strStep.section(' ', 1);
            if (strStep.startsWith("type "))
                QTest::keyClicks(dlg.focusWidget(), strArg);
            else if (strStep.contains("click "))
                ClickEntry(list, strArg, strStep[0] == 'd');
            else if (strStep == "Return")
                QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
            else
                Click(&dlg, strStep == "New" ? IDC_NEW : IDC_DELETE);
        }
    }
    CPlayerDlg dlg;
    QListWidget* list = nullptr;
};

} // namespace

TEST(MessageDlg, ShowsItsButtonsInTheProgramLanguageAnswersAndPlaysOnlyAGivenSound)
{
    const SoundOn sound;
    using M = CMessageDlg;
    const struct {
        int nLang, nButtons, nSound;
        const char *pszOk, *pszCancel;
        int nClick; // the button clicked; 0: the key instead
        Qt::Key key;
        int nResult;
    } rows[] = {
        {ENGLISH, M::MB_OK_ONLY, SND_QUESTION, "OK", "none", 0, Qt::Key_Escape, IDCANCEL},
        {ENGLISH, M::MB_OK_CANCEL, 0, "OK", "Cancel", IDCANCEL, {}, IDCANCEL},
        {DUTCH, M::MB_YES_NO, 0, "&Ja", "&Nee", IDOK, {}, IDOK},
        {ENGLISH, M::MB_YES_NO, 0, "&Yes", "&No", 0, Qt::Key_Return, IDOK},
        {ENGLISH, M::MB_YES_NO | M::MB_DEFBUTTON2, 0, "&Yes", "&No", 0, Qt::Key_Return, IDCANCEL},
    };
    for (const auto& row : rows) {
        AppCore().m_nProgLang = row.nLang;
        CMessageDlg dlg(QStringLiteral("Question?"), row.nButtons, row.nSound);
        Open(dlg);
        EXPECT_EQ(Text(&dlg, IDOK), row.pszOk);
        EXPECT_EQ(Item(&dlg, IDCANCEL)->isVisible() ? Text(&dlg, IDCANCEL) : "none", row.pszCancel);
        Give(&dlg, {"", row.nClick, row.nClick ? Qt::LeftButton : Qt::NoButton, row.key});
        EXPECT_EQ(dlg.result(), row.nResult) << row.pszOk << row.pszCancel << row.nButtons;
    }
    AppCore().m_nProgLang = ENGLISH;
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>{SND_QUESTION});
}

// From English, the default here, down the first column (Deutsch to Français), then the second.
TEST(LanguageDlg, ArrowsAndTabReachEachFlagNamedInItsLanguageAndEnterTakesItButEscapeNothing)
{
    const std::tuple<int, const char*, const char*> rows[] = {
        {GERMAN, "Deutsch", "Up"},
        {ENGLISH, "English", ""},
        {SPANISH, "Espa\u00f1ol", "Down"},
        {ESPERANTO, "Esperanto", "Down, Down"},
        {FRENCH, "Fran\u00e7ais", "Tab, Tab, Tab"},
        {IRISH, "Gaeilge", "Up, Right"},
        {ITALIAN, "Italiano", "Right"},
        {SWAHILI, "Kiswahili", "Left, Down"},
        {LATIN, "Latinum", "Backtab, Backtab, Up"},
        {DUTCH, "Nederlands", "Up, Up"},
    };
    for (const auto& [nLang, pszName, pszKeys] : rows) {
        CLanguageDlg dlg;
        Open(dlg);
        QTest::keySequence(dlg.windowHandle(), QKeySequence(pszKeys));
        QAbstractButton* pFlag = Button(&dlg, IDC_FIRST_LANGUAGE + nLang);
        EXPECT_EQ(dlg.focusWidget(), pFlag) << pszKeys;
        EXPECT_EQ(pFlag->accessibleName(), pszName);
        EXPECT_FALSE(pFlag->icon().isNull()) << pszName;
        QTest::keyClick(dlg.windowHandle(), Qt::Key_Escape);
        EXPECT_TRUE(dlg.isVisible()) << pszName;
        QTest::keyClick(dlg.windowHandle(), Qt::Key_Return);
        EXPECT_EQ(dlg.result(), nLang) << pszName;
    }
}

// Last of the choosers: Qt keeps the first list of the desktop's languages that names one.
TEST(LanguageDlg, OffersTheFirstOfTheDesktopsLanguagesThatItSpeaksElseEnglish)
{
    const std::pair<QStringList, int> rows[] = {
        {{"de_DE.UTF-8"}, GERMAN},
        {{"sw_KE.UTF-8"}, SWAHILI},
        {{"C"}, ENGLISH},
        {{"ja-JP", "ja-Jpan-JP", "ja"}, ENGLISH},
    };
    for (const auto& [arLocales, nLang] : rows)
        EXPECT_EQ(ProgLangForLocales(arLocales), nLang) << arLocales.join(':').toStdString();
    qputenv("LANGUAGE", "fr:nl");
    CLanguageDlg dlg;
    Open(dlg);
    qunsetenv("LANGUAGE");
    dlg.SetStaticIcon(IDC_PICTURE, IDR_FIRST_DICTIONARY); // an id it lacks: nothing happens
    EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(IDC_FIRST_LANGUAGE + FRENCH));
}

// Its link, the only one, is checked here; a tick every 100 ms ends the hover (400 ms allowed).
TEST(AboutDlg, AnyKeyOrClickClosesItAfterItsSoundButTheLinkOpensTheMakersPage)
{
    const SoundOn sound;
    SetShellOpener([](const QString& str) { g_opened.append(str); });
    const Input inputs[] = {
        {"Escape", 0, Qt::NoButton, Qt::Key_Escape},
        {"right click on the link", IDC_LINK, Qt::RightButton, {}},
        {"middle click", IDC_NAME_VERSION, Qt::MiddleButton, {}},
        {"left click", IDC_NAME_VERSION, Qt::LeftButton, {}},
        {"left click on the link", IDC_LINK, Qt::LeftButton, {}},
    };
    for (const Input& input : inputs) {
        SCOPED_TRACE(input.pszWhat);
        const bool bOnLink = input.nItem == IDC_LINK && input.button == Qt::LeftButton;
        g_opened.clear();
        RecordingWavePlayer::Instance().Clear();
        CAboutDlg dlg;
        WhenModal([&](QWidget* pBox) {
            CHyperLink* pLink = dlg.m_link;
            const auto colour = [pLink] { return pLink->palette().color(QPalette::WindowText); };
            const QColor normal = colour();
            EXPECT_EQ(pLink->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseMove(pBox, {1, 1}); // the pointer may rest where the last box had it
            QTest::mouseMove(pLink, {5, 5});
            EXPECT_TRUE(pLink->font().underline());
            EXPECT_NE(colour(), normal);
            EXPECT_FALSE(QToolTip::isVisible()) << "the tooltip waits a moment";
            EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 1000));
            EXPECT_EQ(QToolTip::text(), MAKER_PAGE);
            QTest::mouseMove(pBox, {1, 1});
            const QDeadlineTimer soon(400);
            EXPECT_TRUE(QTest::qWaitFor([pLink] { return !pLink->font().underline(); }, 1000));
            EXPECT_FALSE(soon.hasExpired());
            EXPECT_EQ(colour(), normal);
            Give(pBox, input);
            EXPECT_EQ(pBox->isVisible(), bOnLink);
            Give(pBox, {"", 0, Qt::NoButton, bOnLink ? Qt::Key_Escape : Qt::Key_unknown});
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(g_opened, bOnLink ? QStringList{MAKER_PAGE} : QStringList());
        EXPECT_EQ(Text(&dlg, IDC_NAME_VERSION), "Kelvara 1.0");
        EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>{SND_ABOUT});
    }
    SetShellOpener(nullptr);
}

TEST(HighScoreNoticeDlg, NamesThePlaceAndClosesOnAnyKeyOrButtonOrByItself)
{
    const struct {
        int nLang, nPlace, nMinMs; // with no input it closes after 1.5 s
        const char* pszText;
        Input input;
    } rows[] = {
        {ENGLISH, 1, 0, "You've got the Highest Score!!", {"", 0, Qt::NoButton, Qt::Key_X}},
        {ENGLISH, 4, 0, "High Score: # 4!", {"", 0, Qt::MiddleButton, {}}},
        {DUTCH, 4, 1400, "Hoge score: 4e plaats!", {"", 0, Qt::NoButton, Qt::Key_unknown}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszText);
        AppCore().m_nProgLang = row.nLang;
        CHighScoreNoticeDlg note(row.nPlace);
        WhenModal([&row](QWidget* pNote) { Give(pNote, row.input); });
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(note.DoModal(), IDOK);
        const qint64 nMs = timer.elapsed(); // Qt's coarse timers may fire up to 5% early
        EXPECT_EQ(Text(&note, IDC_TEXT), row.pszText);
        EXPECT_GE(nMs, row.nMinMs);
        EXPECT_LT(nMs, row.nMinMs + 1000);
    }
    AppCore().m_nProgLang = ENGLISH;
}

TEST(SetWordDlg, OffersOkOnlyForFourLetters)
{
    CSetWordDlg dlg;
    Open(dlg);
    QWidget* pEdit = dlg.GetDlgItem(IDC_WORD);
    const std::pair<const char*, bool> steps[] = {
        {"", false}, {"abc", false}, {"D", true}, {"e\r", false}, {"\b", true}};
    for (const auto& [pszKeys, bOk] : steps) {
        QTest::keyClicks(pEdit, pszKeys);
        EXPECT_EQ(dlg.GetDlgItem(IDOK)->isEnabled(), bOk) << Text(&dlg, IDC_WORD).toStdString();
    }
    EXPECT_EQ(dlg.result(), 0) << "Return with five letters did nothing";
    QTest::keyClick(pEdit, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_strWord, "abcD");
}

// A name put in whole, the way a paste or an input method would, or typed.
TEST(NameDlg, NeedsANameOfFiftyCharactersAtMostAndOffersTheLastPlayer)
{
    LastPlayerAnn registry;
    CNameDlg dlg;
    Open(dlg);
    QWidget* pEdit = dlg.GetDlgItem(IDC_NAME);
    ASSERT_EQ(dlg.focusWidget(), pEdit);
    EXPECT_EQ(pEdit->property("selectedText").toString(), "Ann");
    for (const auto& [strName, bOk] :
         {std::pair{QString(50, u'x'), true}, {"   ", false}, {QString(), false}}) {
        pEdit->setProperty("text", strName);
        EXPECT_EQ(dlg.GetDlgItem(IDOK)->isEnabled(), bOk) << '"' << strName.toStdString() << '"';
    }
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) // without a name; none cancels it
        QTest::keyClick(pEdit, key);
    dlg.close();
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClicks(pEdit, "  Zoe Lee \r");
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_strName, "Zoe Lee");
}

// It selects the first entry beginning with the last player's name; OK takes that name as stored.
TEST(PlayerDlg, TakesTheChosenOrANewPlayerAndDeletesOneOnlyOnYes)
{
    const struct {
        const char* pszSteps;
        int nAnswer; // to the question Delete asks
        const char *pszEntries, *pszUsable;
    } steps[] = {
        {"", 0, "[‹anna›] ‹Bob› ‹ca�rl�›", "list New Delete OK*"},
        {"click Bob", 0, "‹anna› [‹Bob›] ‹ca�rl�›", "list* New Delete OK"},
        {"New", 0, "‹anna› ‹Bob› ‹ca�rl�›", "list edit*"},
        {"type Zed|click anna|Delete", IDCANCEL, "[‹anna›] ‹Bob› ‹ca�rl�›", "list* New Delete OK"},
        {"Delete", IDOK, "‹Bob› ‹ca�rl�›", "list* New"},
    };
    Chooser chooser;
    int nAnswer = 0;
    QStringList questions;
    ModalWatcher boxes([&](QWidget* pBox) {
        questions << Text(pBox, IDC_TEXT);
        Answer(pBox, nAnswer);
    });
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszSteps);
        nAnswer = step.nAnswer;
        chooser.Do(step.pszSteps);
        EXPECT_EQ(chooser.Entries(), step.pszEntries);
        EXPECT_EQ(chooser.Usable(), step.pszUsable);
        EXPECT_EQ(CPlayerSettings::ListPlayers(), chooser.list->count());
        EXPECT_LT(chooser.list->geometry().bottom(), chooser.dlg.GetDlgItem(IDOK)->y());
    }
    EXPECT_EQ(questions, QStringList(2, "Are you sure you want to delete player '‹anna›'?"));
    for (const auto& [pszSteps, pszTaken] :
         {std::pair{"Return", "Ann"}, {"dclick \u2068ca\uFFFDrl\uFFFD\u2069", "ca\u202Erl\u2028"}, {"New|type Max|Return", "Max"}}) {
        Chooser fresh;
        fresh.Do(pszSteps);
        EXPECT_EQ(fresh.dlg.result(), IDOK) << pszSteps;
        EXPECT_EQ(fresh.dlg.m_strName, pszTaken) << pszSteps;
    }
}

TEST(DictionaryDlg, ListsEveryDictionaryWithWordsByNameAndShowsTheSelectedOnesWords)
{
    const SoundOn sound;
    CDictionaryDlg dlg;
    dlg.m_nDict = ENGLISH;
    Open(dlg);
    const QStringList arNames = Texts(dlg.m_listDict);
    const QPalette words = dlg.m_listWords->palette(); // unfocused, not grey as if disabled
    EXPECT_EQ(words.color(QPalette::Inactive, QPalette::Text), words.color(QPalette::Active, QPalette::Text));
    EXPECT_TRUE(std::is_sorted(arNames.begin(), arNames.end(), [](auto& a, auto& b) {
        return QString::localeAwareCompare(a, b) < 0;
    })) << arNames.join(", ").toStdString();
    for (int nDict = 0; nDict < DICTIONARY_COUNT; ++nDict) {
        QStringList arWords;
        EXPECT_EQ(arNames.contains(GetDictionaryName(nDict, false)),
                  LoadWordList(nDict, arWords) > 0)
            << nDict;
    }
    bool bLower = false;
    for (const auto& [pszClick, nDict] :
         {std::pair{"", ENGLISH}, {"flag", ENGLISH}, {"flag", ENGLISH}, {"Deutsch", GERMAN}}) {
        SCOPED_TRACE(pszClick);
        if (pszClick == QString("flag"))
            Click(&dlg, IDC_PICTURE);
        else if (*pszClick)
            ClickEntry(dlg.m_listDict, pszClick);
        bLower ^= pszClick == QString("flag");
        QStringList arWords;
        LoadWordList(nDict, arWords);
        for (QString& strWord : arWords)
            strWord = bLower ? strWord.toLower() : strWord;
        EXPECT_EQ(dlg.m_listDict->currentItem()->text(), GetDictionaryName(nDict, false));
        EXPECT_EQ(Texts(dlg.m_listWords), arWords);
        EXPECT_EQ(Text(&dlg, IDC_COUNT), QString("%1 words").arg(arWords.size()));
        EXPECT_EQ(dlg.focusWidget(), dlg.m_listDict);
    }
    ClickEntry(dlg.m_listDict, "Español", true);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_nDict, SPANISH);
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(),
              (QList<int>{SND_WINDOW_OPEN, SND_WINDOW_CLOSED}));
    EXPECT_FALSE(RecordingWavePlayer::Instance().Calls()[1].bAsync) << "closing plays to its end";

    // Opened on one it does not list: nothing current, even once the list takes the focus.
    AppCore().m_nProgLang = DUTCH;
    CDictionaryDlg unlisted;
    unlisted.m_nDict = US_ENGLISH;
    WhenModal([&unlisted](QWidget*) {
        unlisted.m_listDict->setFocus();
        QTest::qWait(20);
        EXPECT_EQ(unlisted.m_listDict->currentItem(), nullptr);
        EXPECT_FALSE(unlisted.GetDlgItem(IDOK)->isEnabled());
        EXPECT_EQ(Text(&unlisted, IDOK), "&Selecteren");
        EXPECT_EQ(Text(&unlisted, IDC_COUNT), "0 woorden");
        QTest::keyClick(&unlisted, Qt::Key_Escape);
    });
    unlisted.DoModal();
    AppCore().m_nProgLang = ENGLISH;
}

// Ten records: 83 s in Dutch, 90 s in a dictionary that does not exist, 94 to 100 s in French.
TEST(HighScoresDlg, ListsTheTableBestFirstAndClearAllEmptiesItOnlyOnYes)
{
    TempRegistry registry;
    const CRegKey scores(HKEY_LOCAL_MACHINE, "HiScores");
    const QStringList arFirst = {"5;3;Anna;0;WORD", "83;7;Bob;1;BOOM", "90;4;דני;200;LAMP"};
    for (int n = 1; n <= 10; ++n)
        scores.SetString(QString::asprintf("H%.2d", n),
                         arFirst.value(n - 1, QString::asprintf("%d;9;Dee;2;FISH", 90 + n)));
    CHighScoreTable table;
    CHighScoresDlg dlg(&table);
    Open(dlg);
    QTreeWidget* pList = dlg.m_list;
    const auto texts = [](const QTreeWidgetItem* pRow) {
        QStringList arTexts;
        for (int nColumn = 0; nColumn < pRow->columnCount(); ++nColumn)
            arTexts.append(Marked(pRow->text(nColumn)));
        return arTexts.join(' ');
    };
    ASSERT_EQ(pList->topLevelItemCount(), 10);
    EXPECT_EQ(texts(pList->headerItem()), " Name Time Level Lang Word");
    EXPECT_EQ(texts(pList->topLevelItem(1)), "2 ‹Bob› 1:23 7 NL BOOM");
    EXPECT_EQ(texts(pList->topLevelItem(2)), "3 ‹דני› 1:30 4  LAMP");
    EXPECT_EQ(texts(pList->topLevelItem(9)), "10 ‹Dee› 1:40 9 FR FISH");
    const QRect lastRow = pList->visualItemRect(pList->topLevelItem(9));
    EXPECT_LE(lastRow.bottom(), pList->viewport()->height()) << "all ten rows show";
    EXPECT_EQ(pList->header()->length(), pList->viewport()->width()) << "Name takes the rest";
    for (const auto& [nAnswer, nRows] : {std::pair{0, 10}, {IDCANCEL, 10}, {IDOK, 0}}) {
        SCOPED_TRACE(nAnswer ? "Clear All" : "a click on a row"); // answered No, then Yes
        if (nAnswer) {
            WhenModal([nAnswer](QWidget* pBox) { Answer(pBox, nAnswer); }, &dlg);
            Click(&dlg, IDC_CLEAR_ALL);
        } else {
            QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, lastRow.center());
        }
        EXPECT_EQ(pList->topLevelItemCount(), nRows);
        EXPECT_EQ(table.GetCount(), nRows);
        EXPECT_EQ(dlg.GetDlgItem(IDC_CLEAR_ALL)->isEnabled(), nRows > 0);
        EXPECT_EQ(pList->selectedItems().size(), 0);
        EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(IDOK));
    }
}

// Figures that all differ, so that two swapped ones show: won, given up, run, best time, average
// time, best run, hard mode wins (which a record kept before hard mode lacks).
TEST(StatisticsDlg, ShowsTheFiguresAndChartOfTheDictionaryChosenFromTheKeyboard)
{
    TempRegistry registry;
    RecordWonGame("Anna", ENGLISH, 60, 4);
    RecordWonGame("Anna", ENGLISH, 31, 4, true); // in hard mode
    RecordWonGame("Anna", ENGLISH, 90, 20);
    RecordAbandonedGame("Anna", ENGLISH);
    RecordAbandonedGame("Anna", ENGLISH);
    RecordWonGame("Anna", ENGLISH, 30, 1);
    RecordAbandonedGame("Anna", GERMAN);
    const CRegKey limit(HKEY_LOCAL_MACHINE, "Players\\Anna\\Statistics\\NL"); // by hand, to the top
    for (int nBar = 0; nBar < GUESS_BARS; ++nBar)
        limit.SetInt(RegLayout::GuessCountValueName(nBar), nBar == GUESS_BARS - 1 ? INT_MAX : 0);
    for (const char* pszValue : {"Won", "Abandoned", "BestTime", "TotalTime", "Run", "BestRun"})
        limit.SetInt(pszValue, INT_MAX);
    limit.SetInt("LastGuesses", GUESS_BARS);
    const char* pszChart = "Games won by number of guesses: 1 guess: 1; 4 guesses: 2; 16 or more "
                           "guesses: 1. Last won game: 1 guess.";
    const struct {
        int nLang;
        Qt::Key key; // on the dictionary choice, which has the focus
        const char *pszChoice, *pszFigures, *pszChart; // the chart as a screen reader reads it
    } rows[] = {
        {ENGLISH, {}, "English", "4 2 1 0:30 0:53 3 1", pszChart},
        {ENGLISH, Qt::Key_Up, "Deutsch", "0 1 0 - - 0 0", "No game won yet."},
        {ENGLISH, Qt::Key_Home, "All", "4 3 0 0:30 0:53 3 1", pszChart},
        {DUTCH, Qt::Key_Up, "Deutsch", "0 1 0 - - 0 0", "Nog geen spel gewonnen."},
        {DUTCH, Qt::Key_End, "Nederlands", "2147483647 2147483647 2147483647 35791394:07 0:01 "
         "2147483647 0", "Gewonnen spellen per aantal pogingen: 16 of meer pogingen: 2147483647. "
         "Laatst gewonnen spel: 16 of meer pogingen."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszChoice);
        AppCore().SetProgLang(row.nLang);
        CStatisticsDlg dlg(QStringLiteral("Anna"), ENGLISH);
        Open(dlg);
        ASSERT_EQ(dlg.focusWidget(), dlg.m_comboDict);
        if (row.key)
            QTest::keyClick(dlg.m_comboDict, row.key);
        QStringList arFigures;
        for (int i = 0; i < FIGURE_COUNT; ++i)
            arFigures << Text(&dlg, IDC_FIRST_FIGURE + i);
        EXPECT_EQ(dlg.m_comboDict->currentText(), row.pszChoice);
        EXPECT_EQ(Text(&dlg, IDC_NAME), "‹Anna›");
        EXPECT_EQ(arFigures.join(' '), row.pszFigures);
        EXPECT_EQ(dlg.m_chart->accessibleDescription(), row.pszChart);
    }
    AppCore().SetProgLang(ENGLISH);

    // English's bars: 1 guess (the last win, standing out), 4 (twice as tall), 16 or more.
    CStatisticsDlg dlg(QStringLiteral("Anna"), ENGLISH);
    dlg.Create();
    const CGuessChart& chart = *dlg.m_chart;
    EXPECT_TRUE(chart.BarRect(1).isEmpty());
    EXPECT_NEAR(chart.BarRect(3).height(), 2 * chart.BarRect(0).height(), 1);
    EXPECT_EQ(chart.BarRect(0).bottom(), chart.BarRect(GUESS_BARS - 1).bottom());
    const QImage image = dlg.m_chart->grab().toImage();
    EXPECT_EQ(image.pixel(chart.BarRect(0).center()),
              chart.palette().color(QPalette::Highlight).rgb());
    EXPECT_NE(image.pixel(chart.BarRect(3).center()), image.pixel(chart.BarRect(0).center()));
}

// The first game worked by hand in the coach's test, where XXEF tells three words apart at once.
TEST(ReviewDlg, ReadsTheGameRowByRowAfterItsChartAndSumsItUp)
{
    const SoundOn sound;
    const QStringList arWords{"ABCE", "ABCF", "ABCG", "XXEF"};
    const struct {
        int nLang;
        const char* pszWord;
        QStringList guesses;
        const char *pszRows, *pszChart, *pszSummary; // the pins as a screen reader says them
    } rows[] = {
        // clang-format off
        {ENGLISH, "ABCG", {"ABCD", "ABCE", "ABCG"}, "1 ABCD 3 right, 0 elsewhere 4 3 XXEF 2|"
         "2 ABCE 3 right, 0 elsewhere 3 2 XXEF 2|3 ABCG 4 right, 0 elsewhere 2 1 ABCF 2",
         "Words still possible after each guess: 3, 2, 1.", "The best guess each time: 2 guesses. You: 3 guesses."},
        {DUTCH, "XXEF", {"XXEF"}, "1 XXEF 4 goed, 0 elders 4 1 XXEF 1", "Nog mogelijke woorden na elke gok: 1.",
         "Telkens de beste gok: 1 poging. Jij: 1 poging."},
        {ENGLISH, "QQQQ", {"XXEF", "QQQQ"}, "1 XXEF 0 right, 0 elsewhere 4 1 XXEF -|"
         "2 QQQQ 4 right, 0 elsewhere 1 0 ABCG -", "Words still possible after each guess: 1, 0.",
         "The word is not in the dictionary: the best guesses never find it."},
    }; // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszWord);
        AppCore().SetProgLang(row.nLang);
        CGameRound game;
        game.SetWord(row.pszWord);
        std::int16_t nBlack, nWhite;
        for (const QString& strGuess : row.guesses)
            game.Score(strGuess.toLatin1(), nBlack, nWhite);
        CReviewDlg dlg(arWords, row.pszWord, game.m_guesses);
        Open(dlg);
        QStringList arRows;
        for (int nRow = 0; nRow < dlg.m_list->topLevelItemCount(); ++nRow) {
            QStringList arCells;
            for (int nColumn = 0; nColumn < dlg.m_list->columnCount(); ++nColumn) {
                const QModelIndex cell = dlg.m_list->model()->index(nRow, nColumn);
                const QString strSaid = cell.data(Qt::AccessibleTextRole).toString();
                arCells << (strSaid.isEmpty() ? cell.data().toString() : strSaid);
            }
            arRows << arCells.join(' ');
        }
        EXPECT_EQ(arRows.join('|'), row.pszRows);
        EXPECT_FALSE(dlg.m_list->topLevelItem(0)->icon(2).isNull()) << "the first row's pins";
        EXPECT_NE(dlg.m_list->headerItem()->data(0, Qt::AccessibleTextRole).toString(), "")
            << "the number's";
        EXPECT_EQ(dlg.m_chart->accessibleDescription(), row.pszChart);
        EXPECT_EQ(Text(&dlg, IDC_SUMMARY), row.pszSummary);
        EXPECT_EQ(dlg.focusWidget(), dlg.m_list) << "the rows are read first";
        QTest::keyClick(dlg.m_list, Qt::Key_Down);
        EXPECT_EQ(dlg.m_list->currentIndex().row(), row.guesses.size() > 1 ? 1 : 0);
        QTest::keyClick(dlg.m_list, Qt::Key_Backtab);
        EXPECT_EQ(dlg.focusWidget(), dlg.m_chart);
        EXPECT_EQ(dlg.m_chart->BarRect(row.guesses.size() - 1).isEmpty(), row.pszWord[0] == 'Q');
    }
    AppCore().SetProgLang(ENGLISH);
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), QList<int>(3, SND_WINDOW_OPEN));
}
