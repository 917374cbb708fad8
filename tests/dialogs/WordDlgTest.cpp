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

namespace
{

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;
constexpr int GERMAN = 3;
constexpr int SPANISH = 5;
constexpr int US_ENGLISH = 6; // offered nowhere

// The dictionary chooser, with sound on.
struct DictionaryDlgTest : testing::Test {
    DictionaryDlgTest() { AppCore().SetPlayer(&m_player); }
    ~DictionaryDlgTest() override
    {
        AppCore().SetPlayer(nullptr);
        AppCore().m_nProgLang = ENGLISH;
    }
    void Open(int nDict)
    {
        RecordingWavePlayer::Instance().Clear();
        m_dlg.m_nDict = nDict;
        m_dlg.Create();
        m_dlg.show();
    }
    static QStringList Texts(const QListWidget* pList)
    {
        QStringList arTexts;
        for (int nRow = 0; nRow < pList->count(); ++nRow)
            arTexts << pList->item(nRow)->text();
        return arTexts;
    }
    QString Text(int nId) const { return m_dlg.GetDlgItem(nId)->property("text").toString(); }
    QString Selected() const
    {
        return m_dlg.m_listDict->currentItem() ? m_dlg.m_listDict->currentItem()->text() : "";
    }

    CPlayerSettings m_player{AppCore().m_nProgLang};
    CDictionaryDlg m_dlg;
};

} // namespace

TEST_F(DictionaryDlgTest, OffersTheDictionariesByNativeNameOpeningOnTheCurrentOne)
{
    Open(ENGLISH);
    EXPECT_EQ(Texts(m_dlg.m_listDict),
              (QStringList{"Deutsch", "English", "Español", "Esperanto", "Français", "Gaelic",
                           "Italiano", "Latinum", "Nederlands", "Swahili"}));
    EXPECT_EQ(Selected(), "English");
    const QStringList arWords = Texts(m_dlg.m_listWords);
    EXPECT_GT(arWords.size(), 100);
    EXPECT_EQ(arWords.value(0), arWords.value(0).toUpper());
    EXPECT_EQ(Text(IDC_COUNT), QString::number(arWords.size()) + " words");
}

// Guards against a case switch that does not switch back.
TEST_F(DictionaryDlgTest, TheFlagSwitchesTheWordsBetweenUpperAndLowerCase)
{
    Open(ENGLISH);
    const QStringList arUpper = Texts(m_dlg.m_listWords);
    m_dlg.OnCommand(IDC_PICTURE);
    EXPECT_EQ(Texts(m_dlg.m_listWords).value(0), arUpper.value(0).toLower());
    m_dlg.OnCommand(IDC_PICTURE);
    EXPECT_EQ(Texts(m_dlg.m_listWords).value(0), arUpper.value(0));
    EXPECT_EQ(m_dlg.m_listWords->count(), arUpper.size());
}

// Guards against words or a command that lag behind the selection, or a focus lost to the words.
TEST_F(DictionaryDlgTest, AnotherSelectionShowsItsWordsAndNamesItsCommand)
{
    Open(ENGLISH);
    QStringList arGerman;
    LoadWordList(GERMAN, arGerman);
    m_dlg.m_listDict->setCurrentRow(0);
    ASSERT_EQ(Selected(), "Deutsch");
    EXPECT_EQ(m_dlg.GetSelectedCommand(), IDR_FIRST_DICTIONARY + GERMAN);
    EXPECT_EQ(Texts(m_dlg.m_listWords).value(0), arGerman.value(0));
    EXPECT_EQ(m_dlg.focusWidget(), m_dlg.m_listDict);
}

// Guards against a double click that does not choose, or a closing sound cut short.
TEST_F(DictionaryDlgTest, ADoubleClickChoosesAndTheClosingSoundPlaysToItsEnd)
{
    Open(ENGLISH);
    QWidget* pView = m_dlg.m_listDict->viewport();
    const QPoint pos = m_dlg.m_listDict->visualItemRect(m_dlg.m_listDict->item(2)).center();
    QTest::mouseClick(pView, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(pView, Qt::LeftButton, {}, pos);
    EXPECT_EQ(m_dlg.result(), IDOK);
    EXPECT_EQ(m_dlg.m_nDict, SPANISH);
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(),
              (QList<int>{SND_WINDOW_OPEN, SND_WINDOW_CLOSED}));
    EXPECT_TRUE(RecordingWavePlayer::Instance().Calls()[0].bAsync);
    EXPECT_FALSE(RecordingWavePlayer::Instance().Calls()[1].bAsync);
}

// Guards against a chooser without a selection offering Select, or an untranslated one.
TEST_F(DictionaryDlgTest, OpenedOnADictionaryItDoesNotOfferItSelectsNothing)
{
    AppCore().m_nProgLang = DUTCH;
    m_dlg.m_nDict = US_ENGLISH;
    m_dlg.Create(); // not shown: the list would select its first entry as it takes the focus
    EXPECT_EQ(Selected(), "");
    EXPECT_EQ(m_dlg.windowTitle(), "Woordenboek");
    EXPECT_EQ(Text(IDOK), "&Selecteren");
    EXPECT_EQ(Text(IDC_COUNT), "0 woorden");
    EXPECT_EQ(m_dlg.m_listWords->count(), 0);
    EXPECT_FALSE(m_dlg.GetDlgItem(IDOK)->isEnabled());
    EXPECT_FALSE(Button(&m_dlg, IDC_PICTURE)->icon().isNull()); // the flag of no dictionary
}

// Guards against Set Word accepting a word of any length but four.
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
    EXPECT_EQ(dlg.result(), 0); // Return with five letters did nothing
    QTest::keyClick(pEdit, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_strWord, "abcD");
}
