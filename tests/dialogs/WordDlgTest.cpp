#include "DialogTemplates.h"
#include "DictionaryDlg.h"
#include "GameApp.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"
#include "SetWordDlg.h"
#include "TempRegistry.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

class WordDlgTest : public testing::Test
{
protected:
    void SetUp() override
    {
        theApp.m_pPlayer = &m_player;
        RecordingWavePlayer::Instance().Clear();
    }
    void TearDown() override
    {
        theApp.m_pPlayer = nullptr;
        theApp.m_nProgLang = 0;
    }
    static QString Text(const QWidget* pItem) { return pItem->property("text").toString(); }
    static QStringList Items(const QListWidget* pList)
    {
        QStringList arTexts;
        for (int nRow = 0; nRow < pList->count(); ++nRow)
            arTexts << pList->item(nRow)->text();
        return arTexts;
    }

    TempRegistry m_registry;
    CPlayerSettings m_player{theApp.m_nProgLang};
};

} // namespace

// Guards against a chooser that opens on the wrong entry, lags behind the selection or the case.
TEST_F(WordDlgTest, DictionaryChooserFollowsSelectionAndCase)
{
    CDictionaryDlg dlg;
    dlg.m_nDict = 0;
    dlg.Create();
    EXPECT_EQ(Items(dlg.m_listDict),
              (QStringList{"Deutsch", "English", "Español", "Esperanto", "Français", "Gaelic",
                           "Italiano", "Latinum", "Nederlands", "Swahili"}));
    EXPECT_EQ(dlg.m_listDict->currentItem()->text(), "English");
    const QStringList arUpper = Items(dlg.m_listWords);
    EXPECT_EQ(Text(dlg.GetDlgItem(3009)), QString::number(arUpper.size()) + " words");
    EXPECT_TRUE(arUpper.size() > 100 && dlg.m_nWords == arUpper.size());
    EXPECT_TRUE(arUpper.value(0) < arUpper.value(1) &&
                arUpper.value(0) == arUpper.value(0).toUpper());

    dlg.OnCommand(3008);
    EXPECT_EQ(Items(dlg.m_listWords).value(0), arUpper.value(0).toLower());
    dlg.OnCommand(3008);
    EXPECT_EQ(Items(dlg.m_listWords), arUpper);
    EXPECT_FALSE(dlg.m_bLower);

    dlg.m_listDict->setCurrentRow(0);
    EXPECT_EQ(dlg.GetSelectedCommand(), 204);
    EXPECT_NE(Items(dlg.m_listWords), arUpper);
    EXPECT_EQ(dlg.focusWidget(), dlg.m_listDict);
}

// Guards against a chooser without a selection offering Select, or an untranslated one.
TEST_F(WordDlgTest, DictionaryChooserWithoutSelectionInDutch)
{
    theApp.m_nProgLang = 1;
    CDictionaryDlg dlg;
    dlg.m_nDict = 6; // listed nowhere
    dlg.Create();
    EXPECT_EQ(dlg.m_nDict, -1);
    EXPECT_EQ(dlg.windowTitle(), "Woordenboek");
    EXPECT_EQ(Text(dlg.GetDlgItem(IDOK)), "&Selecteren");
    EXPECT_EQ(Text(dlg.GetDlgItem(3009)), "0 woorden");
    EXPECT_EQ(dlg.m_listWords->count(), 0);
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->isEnabled());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(dlg.GetDlgItem(3008))->icon().isNull());
}

// Guards against a double click that does not choose, or a closing sound cut short.
TEST_F(WordDlgTest, DictionaryChooserDoubleClickChoosesAndClosesWithItsSound)
{
    CDictionaryDlg dlg;
    dlg.Create();
    dlg.show();
    QListWidget* pList = dlg.m_listDict;
    const QRect rect = pList->visualItemRect(pList->item(2));
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(pList->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_nDict, 5); // Español
    const auto& calls = RecordingWavePlayer::Instance().Calls();
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(), (QList<int>{4008, 4009}));
    EXPECT_TRUE(calls[0].bAsync && !calls[1].bAsync);
}

// Guards against Set Word accepting a word of any length but four.
TEST_F(WordDlgTest, SetWordOffersOkOnlyForFourLetters)
{
    CSetWordDlg dlg;
    dlg.Create();
    dlg.show();
    QWidget* pEdit = dlg.GetDlgItem(3012);
    QWidget* pOk = dlg.GetDlgItem(IDOK);
    EXPECT_FALSE(pOk->isEnabled());
    QTest::keyClicks(pEdit, "abc");
    EXPECT_FALSE(pOk->isEnabled());
    QTest::keyClicks(pEdit, "D");
    EXPECT_TRUE(pOk->isEnabled());
    QTest::keyClicks(pEdit, "e");
    EXPECT_FALSE(pOk->isEnabled());
    QTest::keyClick(pEdit, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), 0);
    QTest::keyClick(pEdit, Qt::Key_Backspace);
    QTest::keyClick(pEdit, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_strWord, "abcD");
}
