#include "PlayerDlg.h"
#include "DialogTemplates.h"
#include "GameApp.h"
#include "ModalDriver.h"
#include "NameDlg.h"
#include "PlayerSettings.h"
#include "TempRegistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

constexpr int IDC_NEW = 3003;
constexpr int IDC_DELETE = 3004;

class PlayerDlgTest : public testing::Test
{
protected:
    // Saves the players in this order, the last one as "LastPlayer"; then deletes pszGone.
    static void Store(const QStringList& arNames, const char* pszGone = "")
    {
        CPlayerSettings player(theApp.m_nProgLang);
        for (const QString& strName : arNames) {
            player.m_strName = strName;
            player.Save();
        }
        CPlayerSettings::DeletePlayer(pszGone);
    }

    static QLineEdit* Edit(CBaseDlg& dlg) { return qobject_cast<QLineEdit*>(dlg.GetDlgItem(3001)); }
    static QListWidget* List(CBaseDlg& dlg)
    {
        return qobject_cast<QListWidget*>(dlg.GetDlgItem(3002));
    }
    static bool Enabled(CBaseDlg& dlg, int nId) { return dlg.GetDlgItem(nId)->isEnabled(); }
    static bool Entering(CBaseDlg& dlg)
    {
        return Edit(dlg)->isVisible() && !dlg.GetDlgItem(IDC_NEW)->isVisible();
    }
    static QString Selected(CBaseDlg& dlg)
    {
        const auto selected = List(dlg)->selectedItems();
        return selected.isEmpty() ? QString() : selected[0]->text();
    }

    // A double click is a click and then the press that arrives as the double click.
    static void ClickEntry(CBaseDlg& dlg, const QString& strName, bool bDouble = false)
    {
        QWidget* pView = List(dlg)->viewport();
        const QPoint pos =
            List(dlg)->visualItemRect(List(dlg)->findItems(strName, Qt::MatchExactly)[0]).center();
        QTest::mouseClick(pView, Qt::LeftButton, {}, pos);
        if (bDouble)
            QTest::mouseDClick(pView, Qt::LeftButton, {}, pos);
    }

    // To the dialog's focus widget, which keeps its place while a message box is closing.
    static void Key(CBaseDlg& dlg, Qt::Key key)
    {
        QTest::keyClick(dlg.focusWidget() ? dlg.focusWidget() : &dlg, key);
    }

    TempRegistry m_registry;
};

QString AnswerDelete(CBaseDlg& dlg, int nAnswer) // the question asked
{
    QString strQuestion;
    WhenModal(
        [&strQuestion, nAnswer](QWidget* pBox) {
            strQuestion = qobject_cast<QLabel*>(Item(pBox, 3005))->text();
            Click(pBox, nAnswer);
        },
        &dlg);
    Click(&dlg, IDC_DELETE);
    return strQuestion;
}

} // namespace

// Guards against a name dialog that can be cancelled, accepts an empty name, or does not
// offer the remembered one ready for OK.
TEST_F(PlayerDlgTest, NameDialogNeedsANameAndOffersTheLastPlayer)
{
    for (const char* pszLast : {"", "Ann"}) {
        if (*pszLast)
            Store({pszLast}, pszLast);
        CNameDlg dlg;
        WhenModal([&](QWidget*) {
            EXPECT_EQ(Edit(dlg)->selectedText(), pszLast);
            EXPECT_EQ(Enabled(dlg, IDOK), *pszLast != 0);
            QTest::keyClick(&dlg, Qt::Key_Escape);
            dlg.close();
            EXPECT_TRUE(dlg.isVisible());
            QTest::keyClicks(Edit(dlg), "Zoe");
            Key(dlg, Qt::Key_Return);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_strName, "Zoe");
    }
}

// Guards against case-sensitive sorting, a preselection that renames the player, a click on
// the highlighted entry that does not choose it, and a list that covers OK.
TEST_F(PlayerDlgTest, PreselectionByPrefixKeepsTheRememberedName)
{
    Store({"carl", "Bob", "anna", "Ann"}, "Ann");
    for (bool bClick : {false, true}) {
        CPlayerDlg dlg;
        WhenModal([&](QWidget*) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
            EXPECT_EQ(List(dlg)->item(0)->text() + List(dlg)->item(1)->text(), "annaBob");
            EXPECT_EQ(Selected(dlg), "anna");
            EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(IDOK));
            EXPECT_LT(List(dlg)->geometry().bottom(), dlg.GetDlgItem(IDOK)->y());
            if (bClick)
                ClickEntry(dlg, "anna");
            Key(dlg, Qt::Key_Return);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_strName, bClick ? "anna" : "Ann");
    }
}

// Guards against Delete acting on No, or leaving a selection or a usable OK behind.
TEST_F(PlayerDlgTest, DeleteAsksAndLeavesNothingSelected)
{
    Store({"Bob", "Solo"});
    CPlayerDlg dlg;
    WhenModal([&](QWidget*) {
        EXPECT_EQ(AnswerDelete(dlg, IDCANCEL), "Are you sure you want to delete player 'Solo'?");
        EXPECT_EQ(Selected(dlg), "Solo");
        AnswerDelete(dlg, IDOK);
        EXPECT_EQ(List(dlg)->count(), 1);
        EXPECT_EQ(Selected(dlg), "");
        EXPECT_FALSE(Enabled(dlg, IDOK) || Enabled(dlg, IDC_DELETE));
        // The only player left goes too; the chooser stays, and New still works.
        ClickEntry(dlg, "Bob");
        AnswerDelete(dlg, IDOK);
        EXPECT_EQ(List(dlg)->count() + CPlayerSettings::ListPlayers(), 0);
        EXPECT_FALSE(Entering(dlg) || Enabled(dlg, IDOK));
        Click(&dlg, IDC_NEW);
        QTest::keyClicks(Edit(dlg), "Max");
        Key(dlg, Qt::Key_Return);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, "Max");
}

// Guards against New keeping a name or selection, the focus passing through the list or a
// click failing to replace the typed letters, and a double click that does not accept.
TEST_F(PlayerDlgTest, ClicksOnEntriesChooseAndDoubleClickAccepts)
{
    Store({"anna", "Bob"});
    CPlayerDlg dlg;
    WhenModal([&](QWidget*) {
        Click(&dlg, IDC_NEW);
        EXPECT_TRUE(Entering(dlg) && dlg.focusWidget() == Edit(dlg));
        EXPECT_EQ(Edit(dlg)->text() + Selected(dlg), "");
        EXPECT_FALSE(Enabled(dlg, IDOK));
        QTest::keyClicks(Edit(dlg), "Zed");
        Key(dlg, Qt::Key_Tab);
        Key(dlg, Qt::Key_Tab);
        EXPECT_TRUE(Entering(dlg) && dlg.focusWidget() == List(dlg));
        ClickEntry(dlg, "anna");
        EXPECT_FALSE(Entering(dlg));
        EXPECT_EQ(Edit(dlg)->text(), "anna");
        ClickEntry(dlg, "Bob", true);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, "Bob");
}

// Guards against Escape or the close box not cancelling the chooser in either state.
TEST_F(PlayerDlgTest, EscapeAndCloseBoxCancel)
{
    Store({"anna"});
    for (int nWay : {0, 1, 2}) { // Escape while choosing, Escape while entering, close box
        CPlayerDlg dlg;
        WhenModal([&](QWidget*) {
            if (nWay == 1)
                Click(&dlg, IDC_NEW);
            nWay == 2 ? void(dlg.close()) : Key(dlg, Qt::Key_Escape);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << nWay;
    }
}
