#include "appcore/AppCore.h"
#include "dialogs/DictionaryDlg.h"
#include "dialogs/SetWordDlg.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "support/RecordingWavePlayer.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

struct WordDlgTest : testing::Test {
    WordDlgTest() { AppCore().SetPlayer(&m_player), RecordingWavePlayer::Instance().Clear(); }
    ~WordDlgTest() override { AppCore().SetPlayer(nullptr), AppCore().m_nProgLang = 0; }
    static QString Text(const QWidget* pItem) { return pItem->property("text").toString(); }
    static QStringList Items(const QListWidget* pList) // the current entry in []
    {
        QStringList arTexts;
        for (int nRow = 0; nRow < pList->count(); ++nRow)
            arTexts << QString(nRow == pList->currentRow() ? "[%1]" : "%1")
                           .arg(pList->item(nRow)->text());
        return arTexts;
    }
    CPlayerSettings m_player{AppCore().m_nProgLang};
};

// Guards against a chooser that opens on the wrong entry, lags behind the selection or the case,
// does not choose on a double click, or cuts its closing sound short.
TEST_F(WordDlgTest, DictionaryChooserFollowsSelectionAndCaseAndChoosesOnDoubleClick)
{
    CDictionaryDlg dlg;
    dlg.m_nDict = 0;
    dlg.Create(), dlg.show();
    QListWidget* pList = dlg.m_listDict;
    EXPECT_EQ(Items(pList).join(' '),
              "Deutsch [English] Español Esperanto Français Gaelic Italiano "
              "Latinum Nederlands Swahili");
    const QStringList arUpper = Items(dlg.m_listWords);
    EXPECT_EQ(Text(dlg.GetDlgItem(3009)), QString::number(arUpper.size()) + " words");
    EXPECT_TRUE(arUpper.size() > 100 && arUpper[0] == arUpper[0].toUpper());
    dlg.OnCommand(3008);
    EXPECT_EQ(Items(dlg.m_listWords).value(0), arUpper.value(0).toLower());
    dlg.OnCommand(3008);
    EXPECT_EQ(Items(dlg.m_listWords), arUpper);
    pList->setCurrentRow(0);
    EXPECT_TRUE(dlg.GetSelectedCommand() == 204 && Items(dlg.m_listWords) != arUpper);
    EXPECT_EQ(dlg.focusWidget(), pList);

    const QPoint pos = pList->visualItemRect(pList->item(2)).center();
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseDClick(pList->viewport(), Qt::LeftButton, {}, pos);
    EXPECT_TRUE(dlg.result() == IDOK && dlg.m_nDict == 5); // Español
    ASSERT_EQ(RecordingWavePlayer::Instance().SoundIds(), (QList<int>{4008, 4009}));
    const auto& calls = RecordingWavePlayer::Instance().Calls();
    EXPECT_TRUE(calls[0].bAsync && !calls[1].bAsync);
}

// Guards against a chooser without a selection offering Select, or an untranslated one.
TEST_F(WordDlgTest, DictionaryChooserWithoutSelectionInDutch)
{
    AppCore().m_nProgLang = 1;
    CDictionaryDlg dlg;
    dlg.m_nDict = 6; // listed nowhere
    dlg.Create();
    EXPECT_EQ(dlg.windowTitle() + '|' + Text(dlg.GetDlgItem(IDOK)) + '|' +
                  Text(dlg.GetDlgItem(3009)),
              "Woordenboek|&Selecteren|0 woorden");
    EXPECT_TRUE(dlg.m_listWords->count() == 0 && !dlg.GetDlgItem(IDOK)->isEnabled());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(dlg.GetDlgItem(3008))->icon().isNull());
}

// Guards against Set Word accepting a word of any length but four.
TEST_F(WordDlgTest, SetWordOffersOkOnlyForFourLetters)
{
    CSetWordDlg dlg;
    dlg.Create(), dlg.show();
    QWidget* pEdit = dlg.GetDlgItem(3012);
    QString strOk; // OK's state with "", "abc", "abcD", "abcDe" (where Return does nothing), "abcD"
    for (const char* pszKeys : {"", "abc", "D", "e\r", "\b"})
        QTest::keyClicks(pEdit, pszKeys), strOk += dlg.GetDlgItem(IDOK)->isEnabled() ? '+' : '-';
    EXPECT_TRUE(strOk == "--+-+" && dlg.result() == 0);
    QTest::keyClick(pEdit, Qt::Key_Return);
    EXPECT_TRUE(dlg.result() == IDOK && dlg.m_strWord == "abcD");
}
