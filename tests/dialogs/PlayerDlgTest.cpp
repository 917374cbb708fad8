#include "PlayerDlg.h"
#include "DialogTemplates.h"
#include "ModalDriver.h"
#include "PlayerSettings.h"
#include "RegKey.h"
#include "TempRegistry.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

constexpr int IDC_NEW = 3003, IDC_DELETE = 3004;

class PlayerDlgTest : public testing::Test
{
protected:
    // Stores the players, and the last player's name, who need not be one of them.
    static void Store(const QStringList& arNames, const QString& strLast)
    {
        for (const QString& strName : arNames)
            CRegKey(HKEY_LOCAL_MACHINE, "Players\\" + strName).SetInt("Dict", 0);
        CRegKey(HKEY_CURRENT_USER, "Settings").SetString("LastPlayer", strLast);
    }
    static QLineEdit* Edit(CBaseDlg& d) { return qobject_cast<QLineEdit*>(d.GetDlgItem(3001)); }
    static QListWidget* List(CBaseDlg& d) { return qobject_cast<QListWidget*>(d.GetDlgItem(3002)); }
    static void Key(CBaseDlg& d, Qt::Key key) { QTest::keyClick(d.focusWidget(), key); }
    // What the caller goes on with: the name on OK; anything else cancels.
    static QString Result(CNameEntryDlg& d) { return d.DoModal() == IDOK ? d.m_strName : "cancel"; }
    // A double click is a click and then the press that arrives as the double click.
    static void ClickEntry(CBaseDlg& dlg, const char* pszName, bool bDouble = false)
    {
        const QPoint pos =
            List(dlg)->visualItemRect(List(dlg)->findItems(pszName, Qt::MatchExactly)[0]).center();
        QTest::mouseClick(List(dlg)->viewport(), Qt::LeftButton, {}, pos);
        if (bDouble)
            QTest::mouseDClick(List(dlg)->viewport(), Qt::LeftButton, {}, pos);
    }
    // The entries, the selected one in [], the edit's text, the usable controls; * is focus.
    static QString State(CBaseDlg& dlg)
    {
        QString str;
        for (const QListWidgetItem* pEntry : List(dlg)->findItems({}, Qt::MatchStartsWith))
            str += QString(pEntry->isSelected() ? "[%1] " : "%1 ").arg(pEntry->text());
        str += '\'' + Edit(dlg)->text() + '\'';
        const std::pair<int, const char*> controls[] = {
            {3002, "list"}, {3001, "edit"}, {IDC_NEW, "New"}, {IDC_DELETE, "Delete"}, {IDOK, "OK"}};
        for (const auto& [nId, pszName] : controls) {
            const QWidget* pItem = dlg.GetDlgItem(nId);
            if (pItem->isVisible() && pItem->isEnabled())
                str += QString(" ") + pszName + (dlg.focusWidget() == pItem ? "*" : "");
        }
        return str;
    }

    TempRegistry m_registry;
};

// Guards against a name dialog that can be cancelled, accepts an empty name, or does not
// offer the remembered one ready for OK.
TEST_F(PlayerDlgTest, NameDialogNeedsANameAndOffersTheLastPlayer)
{
    for (const char* pszLast : {"", "Ann"}) {
        Store({}, pszLast);
        CNameDlg dlg;
        WhenModal([&](QWidget*) {
            EXPECT_EQ(Edit(dlg)->selectedText(), pszLast);
            EXPECT_EQ(dlg.GetDlgItem(IDOK)->isEnabled(), *pszLast != 0);
            QTest::keyClick(&dlg, Qt::Key_Escape);
            dlg.close();
            EXPECT_TRUE(dlg.isVisible());
            QTest::keyClicks(Edit(dlg), "Zoe");
            Key(dlg, Qt::Key_Return);
        });
        EXPECT_EQ(Result(dlg), "Zoe");
    }
}

// Guards against case-sensitive sorting, a preselection that renames the player, a list that
// covers OK, a click on the highlighted entry or a double click that does not choose it, and
// Escape while entering or the close box not cancelling.
TEST_F(PlayerDlgTest, ChooserPreselectsByPrefixKeepsTheRememberedNameAndEndsAsAsked)
{
    Store({"carl", "Bob", "anna"}, "Ann");
    const std::pair<void (*)(CBaseDlg&), const char*> ways[] = {
        {[](CBaseDlg& d) { Key(d, Qt::Key_Return); }, "Ann"},
        {[](CBaseDlg& d) { ClickEntry(d, "anna"), Key(d, Qt::Key_Return); }, "anna"},
        {[](CBaseDlg& d) { ClickEntry(d, "Bob", true); }, "Bob"},
        {[](CBaseDlg& d) { Click(&d, IDC_NEW), Key(d, Qt::Key_Escape); }, "cancel"},
        {[](CBaseDlg& d) { d.close(); }, "cancel"},
    };
    for (const auto& [act, pszName] : ways) {
        CPlayerDlg dlg;
        WhenModal([&](QWidget*) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
            EXPECT_EQ(State(dlg), "[anna] Bob carl 'Ann' list New Delete OK*");
            EXPECT_LT(List(dlg)->geometry().bottom(), dlg.GetDlgItem(IDOK)->y());
            act(dlg);
        });
        EXPECT_EQ(Result(dlg), pszName);
    }
}

// Guards against New keeping a name or selection, the focus skipping the list, a click that
// does not replace the typed letters, Delete acting on No or leaving a selection or a usable
// OK behind, and a chooser that cannot go on once its last player is gone.
TEST_F(PlayerDlgTest, NewStartsAfreshAndDeleteAsksAndLeavesNothingSelected)
{
    Store({"Bob", "Solo"}, "Solo");
    CPlayerDlg dlg;
    QStringList questions;
    QList<int> answers = {IDCANCEL, IDOK, IDOK};
    WhenModal([&](QWidget*) {
        ModalWatcher boxes([&](QWidget* pBox) {
            if (pBox == &dlg)
                return;
            questions << qobject_cast<QLabel*>(Item(pBox, 3005))->text();
            Click(pBox, answers.takeFirst());
        });
        Click(&dlg, IDC_NEW);
        EXPECT_EQ(State(dlg), "Bob Solo '' list edit*");
        QTest::keyClicks(Edit(dlg), "Zed");
        Key(dlg, Qt::Key_Tab);
        Key(dlg, Qt::Key_Tab);
        EXPECT_EQ(State(dlg), "Bob Solo 'Zed' list* edit OK");
        ClickEntry(dlg, "Solo");
        Click(&dlg, IDC_DELETE);
        EXPECT_EQ(State(dlg), "Bob [Solo] 'Solo' list* New Delete OK");
        Click(&dlg, IDC_DELETE);
        EXPECT_EQ(State(dlg), "Bob '' list* New");
        ClickEntry(dlg, "Bob");
        Click(&dlg, IDC_DELETE);
        EXPECT_EQ(State(dlg), "'' list* New");
        EXPECT_EQ(CPlayerSettings::ListPlayers(), 0);
        Click(&dlg, IDC_NEW);
        QTest::keyClicks(Edit(dlg), "Max");
        Key(dlg, Qt::Key_Return);
    });
    EXPECT_EQ(Result(dlg), "Max");
    const QString strAsk = "Are you sure you want to delete player '%1'?";
    EXPECT_EQ(questions, QStringList({strAsk.arg("Solo"), strAsk.arg("Solo"), strAsk.arg("Bob")}));
}
