#include "dialogs/PlayerDlg.h"
#include "res/DialogTemplates.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "support/ModalDriver.h"
#include "support/TempRegistry.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

struct PlayerDlgTest : testing::Test {
    PlayerDlgTest() { CRegKey(HKEY_CURRENT_USER, "Settings").SetString("LastPlayer", "Ann"); }
    static QWidget* Edit(CBaseDlg& d) { return d.GetDlgItem(3001); }
    static QListWidget* List(CBaseDlg& d) { return qobject_cast<QListWidget*>(d.GetDlgItem(3002)); }
    static void Key(CBaseDlg& d, Qt::Key key) { QTest::keyClick(d.focusWidget(), key); }
    static void ClickEntry(CBaseDlg& d, const char* psz, QTest::MouseAction how = QTest::MouseClick)
    {
        const QRect rect = List(d)->visualItemRect(List(d)->findItems(psz, Qt::MatchExactly)[0]);
        QTest::mouseEvent(how, List(d)->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // The entries, the selected one in [], the edit's text, the usable controls; * is focus.
    static QString State(CBaseDlg& dlg)
    {
        QString str;
        for (const QListWidgetItem* pEntry : List(dlg)->findItems({}, Qt::MatchStartsWith))
            str += QString(pEntry->isSelected() ? "[%1] " : "%1 ").arg(pEntry->text());
        str += '\'' + Edit(dlg)->property("text").toString() + '\'';
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
    CNameDlg dlg;
    dlg.Create(), dlg.show();
    ASSERT_EQ(dlg.focusWidget(), Edit(dlg));
    EXPECT_EQ(Edit(dlg)->property("selectedText").toString(), "Ann");
    Key(dlg, Qt::Key_Delete);
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->isEnabled());
    Key(dlg, Qt::Key_Return), Key(dlg, Qt::Key_Escape), dlg.close();
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClicks(Edit(dlg), "Zoe"), Key(dlg, Qt::Key_Return);
    EXPECT_TRUE(dlg.result() == IDOK && dlg.m_strName == "Zoe");
}

// Guards against case-sensitive order, renaming, a list over OK, clicks that do not choose, New
// keeping state, Delete acting on No or leaving a selection.
TEST_F(PlayerDlgTest, ChooserPreselectsByPrefixChoosesByClickAndNewAndDeleteWork)
{
    for (QString strName : {"carl", "Bob", "anna"})
        CRegKey(HKEY_LOCAL_MACHINE, "Players\\" + strName).SetInt("Dict", 0);
    QStringList questions; // the first is answered No, the others Yes
    ModalWatcher boxes([&](QWidget* pBox) {
        if (!qobject_cast<CPlayerDlg*>(pBox))
            questions << Item(pBox, 3005)->property("text").toString(),
                Click(pBox, questions.size() == 1 ? IDCANCEL : IDOK);
    });
    const std::pair<void (*)(CBaseDlg&), const char*> ways[] = {
        {[](CBaseDlg& d) { Key(d, Qt::Key_Return); }, "Ann"}, // the remembered name, not "anna"
        {[](CBaseDlg& d) { ClickEntry(d, "anna"), Key(d, Qt::Key_Return); }, "anna"},
        {[](CBaseDlg& d) { ClickEntry(d, "Bob"), ClickEntry(d, "Bob", QTest::MouseDClick); },
         "Bob"},
        {[](CBaseDlg& d) {
             EXPECT_EQ(After(d, IDC_NEW), "anna Bob carl '' list edit*");
             QTest::keyClicks(Edit(d), "Zed"), ClickEntry(d, "anna"); // the click replaces it
             EXPECT_EQ(After(d, IDC_DELETE), "[anna] Bob carl 'anna' list* New Delete OK");
             EXPECT_EQ(After(d, IDC_DELETE), "Bob carl '' list* New");
             Click(&d, IDC_NEW), QTest::keyClicks(Edit(d), "Max"), Key(d, Qt::Key_Return);
         },
         "Max"},
    };
    for (const auto& [act, pszName] : ways) {
        CPlayerDlg dlg;
        WhenModal([&](QWidget*) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
            EXPECT_EQ(State(dlg), "[anna] Bob carl 'Ann' list New Delete OK*");
            EXPECT_LT(List(dlg)->geometry().bottom(), dlg.GetDlgItem(IDOK)->y());
            act(dlg);
        });
        EXPECT_TRUE(dlg.DoModal() == IDOK && dlg.m_strName == pszName) << pszName;
    }
    EXPECT_EQ(questions, QStringList(2, "Are you sure you want to delete player 'anna'?"));
    EXPECT_EQ(CPlayerSettings::ListPlayers(), 2);
}
