#include "dialogs/PlayerDlg.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "store/RegKey.h"
#include "support/ModalDriver.h"
#include "support/TempRegistry.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// A registry where "Ann" played last; the name dialogs read it.
struct LastPlayerAnn : TempRegistry {
    LastPlayerAnn() { CRegKey(HKEY_CURRENT_USER, "Settings").SetString("LastPlayer", "Ann"); }
};

// The player chooser over the stored players anna, Bob and carl, shown and active.
struct PlayerDlgTest : testing::Test {
    PlayerDlgTest()
    {
        for (QString strName : {"carl", "Bob", "anna"})
            CRegKey(HKEY_LOCAL_MACHINE, "Players\\" + strName).SetInt("Dict", 0);
        m_dlg.Create();
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    }
    QListWidget* List() const { return qobject_cast<QListWidget*>(m_dlg.GetDlgItem(IDC_PLAYERS)); }
    QStringList Entries() const
    {
        QStringList arNames;
        for (int nRow = 0; nRow < List()->count(); ++nRow)
            arNames << List()->item(nRow)->text();
        return arNames;
    }
    QString Selected() const
    {
        const QList<QListWidgetItem*> selected = List()->selectedItems();
        return selected.isEmpty() ? QString() : selected[0]->text();
    }
    // The controls that are shown and enabled, and the one with the focus.
    QStringList Usable() const
    {
        QStringList arNames;
        for (const auto& [nId, pszName] : CONTROLS)
            if (m_dlg.GetDlgItem(nId)->isVisible() && m_dlg.GetDlgItem(nId)->isEnabled())
                arNames << pszName;
        return arNames;
    }
    QString Focused() const
    {
        for (const auto& [nId, pszName] : CONTROLS)
            if (m_dlg.focusWidget() == m_dlg.GetDlgItem(nId))
                return pszName;
        return {};
    }
    void ClickEntry(const char* pszName, QTest::MouseAction action = QTest::MouseClick)
    {
        const QRect rect = List()->visualItemRect(List()->findItems(pszName, Qt::MatchExactly)[0]);
        QTest::mouseEvent(action, List()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void Key(Qt::Key key) { QTest::keyClick(m_dlg.focusWidget(), key); }

    static constexpr std::pair<int, const char*> CONTROLS[] = {{IDC_PLAYERS, "list"},
                                                               {IDC_NAME, "edit"},
                                                               {IDC_NEW, "New"},
                                                               {IDC_DELETE, "Delete"},
                                                               {IDOK, "OK"}};
    LastPlayerAnn m_registry;
    CPlayerDlg m_dlg;
};

} // namespace

// Guards against a name dialog that can be cancelled, takes an empty name or one of only spaces,
// refuses one of fifty characters, keeps the spaces at a name's ends or hides the last one.
// setText puts a name in whole, the way a paste or an input method would.
TEST(NameDlg, NeedsANameAndOffersTheLastPlayer)
{
    LastPlayerAnn registry;
    CNameDlg dlg;
    dlg.Create();
    dlg.show();
    auto* pEdit = qobject_cast<QLineEdit*>(dlg.GetDlgItem(IDC_NAME));
    ASSERT_EQ(dlg.focusWidget(), pEdit);
    EXPECT_EQ(pEdit->selectedText(), "Ann");
    QTest::keyClick(pEdit, Qt::Key_Delete);
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->isEnabled());
    QTest::keyClick(pEdit, Qt::Key_Return); // without a name
    QTest::keyClick(pEdit, Qt::Key_Escape);
    dlg.close();
    EXPECT_TRUE(dlg.isVisible());
    pEdit->setText(QStringLiteral("   "));
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->isEnabled());
    pEdit->setText(QString(50, u'x'));
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->isEnabled());
    pEdit->clear();
    QTest::keyClicks(pEdit, "  Zoe Lee ");
    QTest::keyClick(pEdit, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_strName, "Zoe Lee");
}

// Guards against a field a screen reader cannot name: the text above it is its label.
TEST(NameDlg, TheNameFieldIsNamedByItsPrompt)
{
    LastPlayerAnn registry;
    CNameDlg dlg;
    dlg.Create();
    QAccessibleInterface* pField = QAccessible::queryAccessibleInterface(dlg.GetDlgItem(IDC_NAME));
    EXPECT_EQ(pField->text(QAccessible::Name), "Please enter your name:");
}

// Guards against case-sensitive order, a list over OK, or a preselection that renames the player.
TEST_F(PlayerDlgTest, PreselectsTheFirstEntryBeginningWithTheLastPlayerWhomReturnTakesAsStored)
{
    EXPECT_EQ(Entries(), (QStringList{"anna", "Bob", "carl"}));
    EXPECT_EQ(Selected(), "anna");
    EXPECT_EQ(Usable(), (QStringList{"list", "New", "Delete", "OK"}));
    EXPECT_EQ(Focused(), "OK");
    EXPECT_LT(List()->geometry().bottom(), m_dlg.GetDlgItem(IDOK)->y());
    Key(Qt::Key_Return);
    EXPECT_EQ(m_dlg.result(), IDOK);
    EXPECT_EQ(m_dlg.m_strName, "Ann");
}

TEST_F(PlayerDlgTest, ReturnTakesAClickedEntry)
{
    ClickEntry("anna");
    Key(Qt::Key_Return);
    EXPECT_EQ(m_dlg.result(), IDOK);
    EXPECT_EQ(m_dlg.m_strName, "anna");
}

TEST_F(PlayerDlgTest, ADoubleClickTakesItsEntry)
{
    ClickEntry("Bob");
    ClickEntry("Bob", QTest::MouseDClick);
    EXPECT_EQ(m_dlg.result(), IDOK);
    EXPECT_EQ(m_dlg.m_strName, "Bob");
}

// Guards against New keeping the selection or the name, or leaving OK on without a name.
TEST_F(PlayerDlgTest, NewOffersAnEmptyEditForTheNewPlayersName)
{
    Click(&m_dlg, IDC_NEW);
    EXPECT_EQ(Entries(), (QStringList{"anna", "Bob", "carl"}));
    EXPECT_EQ(Selected(), "");
    EXPECT_EQ(Usable(), (QStringList{"list", "edit"}));
    EXPECT_EQ(Focused(), "edit");
    QTest::keyClicks(m_dlg.focusWidget(), "Max");
    Key(Qt::Key_Return);
    EXPECT_EQ(m_dlg.result(), IDOK);
    EXPECT_EQ(m_dlg.m_strName, "Max");
}

// Guards against a typed name surviving a click, Delete acting on No, or a selection after it.
TEST_F(PlayerDlgTest, DeleteAsksAndRemovesTheClickedPlayerOnlyOnYes)
{
    QStringList questions; // the first is answered No, the others Yes
    ModalWatcher boxes([&](QWidget* pBox) {
        questions << Item(pBox, IDC_TEXT)->property("text").toString();
        Click(pBox, questions.size() == 1 ? IDCANCEL : IDOK);
    });
    Click(&m_dlg, IDC_NEW);
    QTest::keyClicks(m_dlg.focusWidget(), "Zed");
    ClickEntry("anna"); // replaces the typed name
    Click(&m_dlg, IDC_DELETE);
    EXPECT_EQ(Entries(), (QStringList{"anna", "Bob", "carl"}));
    EXPECT_EQ(Selected(), "anna");
    EXPECT_EQ(Usable(), (QStringList{"list", "New", "Delete", "OK"}));
    EXPECT_EQ(Focused(), "list");
    Click(&m_dlg, IDC_DELETE);
    EXPECT_EQ(Entries(), (QStringList{"Bob", "carl"}));
    EXPECT_EQ(Selected(), "");
    EXPECT_EQ(Usable(), (QStringList{"list", "New"}));
    EXPECT_EQ(Focused(), "list");
    EXPECT_EQ(questions, QStringList(2, "Are you sure you want to delete player 'anna'?"));
    EXPECT_EQ(CPlayerSettings::ListPlayers(), 2);
}
