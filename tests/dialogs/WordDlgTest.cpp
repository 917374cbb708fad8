// What a player sees and does in the dictionary chooser and Set Word; no other layer drives them.
#include "appcore/AppCore.h"
#include "dialogs/DictionaryDlg.h"
#include "dialogs/SetWordDlg.h"
#include "game/WordList.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "support/ModalDriver.h"
#include "support/RecordingWavePlayer.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;
constexpr int GERMAN = 3;
constexpr int SPANISH = 5;
constexpr int US_ENGLISH = 6; // the one slot without a word list

static QStringList Texts(const QListWidget* pList)
{
    QStringList arTexts;
    for (int nRow = 0; nRow < pList->count(); ++nRow)
        arTexts << pList->item(nRow)->text();
    return arTexts;
}

static void ClickEntry(QListWidget* pList, const QString& strEntry, bool bDouble = false)
{
    const QRect rect = pList->visualItemRect(pList->findItems(strEntry, Qt::MatchExactly).value(0));
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, rect.center());
    if (bDouble)
        QTest::mouseDClick(pList->viewport(), Qt::LeftButton, {}, rect.center());
}

// Opened on English: the flag switches the words' case and back, a click shows another list,
// a double click chooses.
TEST(DictionaryDlg, ListsEveryDictionaryWithWordsByNameAndShowsTheSelectedOnesWords)
{
    CPlayerSettings player(AppCore().m_nProgLang); // sound on
    AppCore().SetPlayer(&player);
    RecordingWavePlayer::Instance().Clear();
    CDictionaryDlg dlg;
    dlg.m_nDict = ENGLISH;
    dlg.Create();
    dlg.show();
    const QStringList arNames = Texts(dlg.m_listDict);
    EXPECT_TRUE(std::is_sorted(arNames.begin(), arNames.end(), [](auto& a, auto& b) {
        return QString::localeAwareCompare(a, b) < 0;
    })) << arNames.join(", ").toStdString();
    for (int nDict = 0; nDict < DICTIONARY_COUNT; ++nDict) {
        QStringList arWords;
        EXPECT_EQ(arNames.contains(GetDictionaryName(nDict, false)),
                  LoadWordList(nDict, arWords) > 0)
            << nDict;
    }
    const struct {
        const char* pszClick; // the flag or an entry
        int nDict;
        bool bLower;
    } steps[] = {{"", ENGLISH, false},
                 {"flag", ENGLISH, true},
                 {"flag", ENGLISH, false},
                 {"Deutsch", GERMAN, false}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.pszClick);
        if (step.pszClick == QString("flag"))
            Click(&dlg, IDC_PICTURE);
        else if (*step.pszClick)
            ClickEntry(dlg.m_listDict, step.pszClick);
        QStringList arWords;
        LoadWordList(step.nDict, arWords);
        if (step.bLower)
            std::transform(arWords.begin(), arWords.end(), arWords.begin(),
                           [](auto& s) { return s.toLower(); });
        EXPECT_EQ(dlg.m_listDict->currentItem()->text(), GetDictionaryName(step.nDict, false));
        EXPECT_EQ(Texts(dlg.m_listWords), arWords);
        EXPECT_EQ(dlg.GetDlgItem(IDC_COUNT)->property("text").toString(),
                  QString("%1 words").arg(arWords.size()));
        EXPECT_EQ(dlg.GetSelectedCommand(), IDR_FIRST_DICTIONARY + step.nDict);
        EXPECT_TRUE(dlg.GetDlgItem(IDOK)->isEnabled());
        EXPECT_EQ(dlg.focusWidget(), dlg.m_listDict);
    }
    ClickEntry(dlg.m_listDict, "Español", true);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_nDict, SPANISH);
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(),
              (QList<int>{SND_WINDOW_OPEN, SND_WINDOW_CLOSED}));
    EXPECT_TRUE(RecordingWavePlayer::Instance().Calls()[0].bAsync);
    EXPECT_FALSE(RecordingWavePlayer::Instance().Calls()[1].bAsync) << "closing plays to its end";
    AppCore().SetPlayer(nullptr);

    // Opened on a dictionary it does not list, in Dutch: nothing to select, even once the list
    // takes the focus, which would make its first entry current.
    AppCore().m_nProgLang = DUTCH;
    CDictionaryDlg unlisted;
    unlisted.m_nDict = US_ENGLISH;
    WhenModal([&unlisted](QWidget*) {
        unlisted.m_listDict->setFocus();
        QTest::qWait(20);
        EXPECT_EQ(unlisted.m_listDict->currentItem(), nullptr);
        EXPECT_FALSE(unlisted.GetDlgItem(IDOK)->isEnabled());
        EXPECT_EQ(unlisted.m_listWords->count(), 0);
        EXPECT_EQ(unlisted.windowTitle(), "Woordenboek");
        EXPECT_EQ(Button(&unlisted, IDOK)->text(), "&Selecteren");
        EXPECT_EQ(unlisted.GetDlgItem(IDC_COUNT)->property("text").toString(), "0 woorden");
        EXPECT_FALSE(Button(&unlisted, IDC_PICTURE)->icon().isNull()) << "the flag of none";
        QTest::keyClick(&unlisted, Qt::Key_Escape);
    });
    unlisted.DoModal();
    AppCore().m_nProgLang = ENGLISH;
}

TEST(SetWordDlg, OffersOkOnlyForFourLetters)
{
    CSetWordDlg dlg;
    dlg.Create();
    dlg.show();
    QWidget* pEdit = dlg.GetDlgItem(IDC_WORD);
    const std::pair<const char*, bool> steps[] = {
        {"", false}, {"abc", false}, {"D", true}, {"e\r", false}, {"\b", true}};
    for (const auto& [pszKeys, bOk] : steps) {
        QTest::keyClicks(pEdit, pszKeys);
        EXPECT_EQ(dlg.GetDlgItem(IDOK)->isEnabled(), bOk)
            << pEdit->property("text").toString().toStdString();
    }
    EXPECT_EQ(dlg.result(), 0) << "Return with five letters did nothing";
    QTest::keyClick(pEdit, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_strWord, "abcD");
}
