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

struct PlayerDlgTest : testing::Test {
    static void Store(const QStringList& arNames, const QString& strLast)
    {
        for (const QString& strName : arNames)
            CRegKey(HKEY_LOCAL_MACHINE, "Players\\" + strName).SetInt("Dict", 0);
        CRegKey(HKEY_CURRENT_USER, "Settings").SetString("LastPlayer", strLast);
    }
    static QLineEdit* Edit(CBaseDlg& d) { return qobject_cast<QLineEdit*>(d.GetDlgItem(3001)); }
    static QListWidget* List(CBaseDlg& d) { return qobject_cast<QListWidget*>(d.GetDlgItem(3002)); }
    static void Key(CBaseDlg& d, Qt::Key key) { QTest::keyClick(d.focusWidget(), key); }
    static QString Result(CNameEntryDlg& d) { return d.DoModal() == IDOK ? d.m_strName : "cancel"; }
    static void ClickEntry(CBaseDlg& d, const char* psz, bool bDouble = false) // then DClick
    {
        const QPoint pos =
            List(d)->visualItemRect(List(d)->findItems(psz, Qt::MatchExactly)[0]).center();
        QTest::mouseClick(List(d)->viewport(), Qt::LeftButton, {}, pos);
        if (bDouble)
            QTest::mouseDClick(List(d)->viewport(), Qt::LeftButton, {}, pos);
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
        for (const auto& [nId, pszName] : controls)
            if (const QWidget* p = dlg.GetDlgItem(nId); p->isVisible() && p->isEnabled())
                str += QString(" ") + pszName + (dlg.focusWidget() == p ? "*" : "");
        return str;
    }
    static QString After(CBaseDlg& d, int nId) { return Click(&d, nId), State(d); }
    TempRegistry m_registry;
};

// Guards against a name dialog that can be cancelled, takes an empty name or hides the last one.
TEST_F(PlayerDlgTest, NameDialogNeedsANameAndOffersTheLastPlayer)
{
    Store({}, "Ann");
    CNameDlg dlg;
    WhenModal([&](QWidget*) {
        EXPECT_EQ(Edit(dlg)->selectedText(), "Ann");
        Key(dlg, Qt::Key_Delete);
        EXPECT_FALSE(dlg.GetDlgItem(IDOK)->isEnabled());
        Key(dlg, Qt::Key_Return), Key(dlg, Qt::Key_Escape), dlg.close();
        EXPECT_TRUE(dlg.isVisible());
        QTest::keyClicks(Edit(dlg), "Zoe"), Key(dlg, Qt::Key_Return);
    });
    EXPECT_EQ(Result(dlg), "Zoe");
}

// Guards against case-sensitive order, renaming, a list over OK, and ways out that go wrong.
TEST_F(PlayerDlgTest, ChooserPreselectsByPrefixKeepsTheRememberedNameAndEndsAsAsked)
{
    Store({"carl", "Bob", "anna"}, "Ann");
    const std::pair<void (*)(CBaseDlg&), const char*> ways[] = {
        {[](CBaseDlg& d) { Key(d, Qt::Key_Return); }, "Ann"},
        {[](CBaseDlg& d) { ClickEntry(d, "anna"), Key(d, Qt::Key_Return); }, "anna"},
        {[](CBaseDlg& d) { ClickEntry(d, "Bob", true); }, "Bob"},
        {[](CBaseDlg& d) { Click(&d, IDC_NEW), Key(d, Qt::Key_Escape); }, "cancel"},
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

// Guards against New keeping state, Delete acting on No or leaving a selection, and a dead end.
TEST_F(PlayerDlgTest, NewStartsAfreshAndDeleteAsksAndLeavesNothingSelected)
{
    Store({"Bob", "Solo"}, "Solo");
    CPlayerDlg dlg;
    QStringList questions; // the first is answered No, the others Yes
    WhenModal([&](QWidget*) {
        ModalWatcher boxes([&](QWidget* pBox) {
            if (pBox != &dlg)
                questions << qobject_cast<QLabel*>(Item(pBox, 3005))->text(),
                    Click(pBox, questions.size() == 1 ? IDCANCEL : IDOK);
        });
        EXPECT_EQ(After(dlg, IDC_NEW), "Bob Solo '' list edit*");
        QTest::keyClicks(Edit(dlg), "Zed"), ClickEntry(dlg, "Solo"); // the click replaces it
        EXPECT_EQ(After(dlg, IDC_DELETE), "Bob [Solo] 'Solo' list* New Delete OK");
        EXPECT_EQ(After(dlg, IDC_DELETE), "Bob '' list* New");
        ClickEntry(dlg, "Bob");
        EXPECT_EQ(After(dlg, IDC_DELETE), "'' list* New");
        EXPECT_EQ(CPlayerSettings::ListPlayers(), 0);
        Click(&dlg, IDC_NEW), QTest::keyClicks(Edit(dlg), "Max"), Key(dlg, Qt::Key_Return);
    });
    EXPECT_EQ(Result(dlg), "Max");
    const QString strAsk = "Are you sure you want to delete player '%1'?";
    EXPECT_EQ(questions, QStringList({strAsk.arg("Solo"), strAsk.arg("Solo"), strAsk.arg("Bob")}));
}
