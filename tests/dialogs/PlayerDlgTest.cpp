// What a player sees and does in the name dialog and the player chooser; no other layer drives
// them.
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

// The player chooser over the stored players anna, Bob and carl, Ann having played last.
struct Chooser : TempRegistry {
    Chooser()
    {
        CRegKey(HKEY_CURRENT_USER, "Settings").SetString("LastPlayer", "Ann");
        for (QString strName : {"carl", "Bob", "anna"})
            CRegKey(HKEY_LOCAL_MACHINE, "Players\\" + strName).SetInt("Dict", 0);
        dlg.Create();
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    QListWidget* List() const { return qobject_cast<QListWidget*>(dlg.GetDlgItem(IDC_PLAYERS)); }
    // The list's entries, the selected one in brackets.
    QString Entries() const
    {
        QStringList arNames;
        for (int nRow = 0; nRow < List()->count(); ++nRow)
            arNames << QString(List()->item(nRow)->isSelected() ? "[%1]" : "%1")
                           .arg(List()->item(nRow)->text());
        return arNames.join(' ');
    }
    // The controls that are shown and enabled, the one with the focus starred.
    QString Usable() const
    {
        QStringList arNames;
        for (const auto& [nId, pszName] : {std::pair{IDC_PLAYERS, "list"},
                                           {IDC_NAME, "edit"},
                                           {IDC_NEW, "New"},
                                           {IDC_DELETE, "Delete"},
                                           {IDOK, "OK"}}) {
            const QWidget* pItem = dlg.GetDlgItem(nId);
            if (pItem->isVisible() && pItem->isEnabled())
                arNames << QString(pszName) + (dlg.focusWidget() == pItem ? "*" : "");
        }
        return arNames.join(' ');
    }
    // "New", "Delete", "Return", "type NAME", "click NAME" or "dclick NAME".
    void Do(const QString& strStep)
    {
        const QString strArg = strStep.section(' ', 1);
        if (strStep.startsWith("type "))
            QTest::keyClicks(dlg.focusWidget(), strArg);
        else if (strStep.contains("click ")) {
            const QRect rect =
                List()->visualItemRect(List()->findItems(strArg, Qt::MatchExactly)[0]);
            QTest::mouseEvent(strStep.startsWith('d') ? QTest::MouseDClick : QTest::MouseClick,
                              List()->viewport(), Qt::LeftButton, {}, rect.center());
        } else if (strStep == "Return")
            QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
        else
            Click(&dlg, strStep == "New" ? IDC_NEW : IDC_DELETE);
    }

    CPlayerDlg dlg;
};

} // namespace

// setText puts a name in whole, the way a paste or an input method would.
TEST(NameDlg, NeedsANameOfFiftyCharactersAtMostAndOffersTheLastPlayer)
{
    TempRegistry registry;
    CRegKey(HKEY_CURRENT_USER, "Settings").SetString("LastPlayer", "Ann");
    CNameDlg dlg;
    dlg.Create();
    dlg.show();
    auto* pEdit = qobject_cast<QLineEdit*>(dlg.GetDlgItem(IDC_NAME));
    ASSERT_EQ(dlg.focusWidget(), pEdit);
    EXPECT_EQ(pEdit->selectedText(), "Ann");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pEdit)->text(QAccessible::Name),
              "Please enter your name:")
        << "named by its prompt";
    const std::pair<QString, bool> names[] = {
        {"", false}, {"   ", false}, {QString(50, u'x'), true}};
    for (const auto& [strName, bOk] : names) {
        pEdit->setText(strName);
        EXPECT_EQ(dlg.GetDlgItem(IDOK)->isEnabled(), bOk) << '"' << strName.toStdString() << '"';
    }
    pEdit->clear();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) // without a name; none cancels it
        QTest::keyClick(pEdit, key);
    dlg.close();
    EXPECT_TRUE(dlg.isVisible());
    QTest::keyClicks(pEdit, "  Zoe Lee ");
    QTest::keyClick(pEdit, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.m_strName, "Zoe Lee");
}

// The chooser first offers the first entry that begins with the last player's name, sorted
// without regard to case.
TEST(PlayerDlg, TakesTheChosenOrANewPlayerAndDeletesOneOnlyOnYes)
{
    const struct {
        const char* pszSteps; // before what the player then sees
        int nAnswer;          // to the question Delete asks
        const char *pszEntries, *pszUsable, *pszFinish;
        const char* pszTaken; // nullptr: the chooser stays open
    } rows[] = {
        {"", 0, "[anna] Bob carl", "list New Delete OK*", "Return", "Ann"},
        {"click Bob", 0, "anna [Bob] carl", "list* New Delete OK", "dclick Bob", "Bob"},
        {"New", 0, "anna Bob carl", "list edit*", "type Max|Return", "Max"},
        {"New|type Zed|click anna|Delete", IDCANCEL, "[anna] Bob carl", "list* New Delete OK",
         "Return", "anna"},
        {"click anna|Delete", IDOK, "Bob carl", "list* New", "Return", nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszSteps);
        Chooser chooser;
        QStringList questions;
        ModalWatcher boxes([&](QWidget* pBox) {
            questions << Item(pBox, IDC_TEXT)->property("text").toString();
            Click(pBox, row.nAnswer);
        });
        for (const QString& strStep : QString(row.pszSteps).split('|', Qt::SkipEmptyParts))
            chooser.Do(strStep);
        EXPECT_EQ(chooser.Entries(), row.pszEntries);
        EXPECT_EQ(chooser.Usable(), row.pszUsable);
        EXPECT_EQ(CPlayerSettings::ListPlayers(), chooser.List()->count());
        EXPECT_EQ(questions, QStringList(row.nAnswer ? 1 : 0,
                                         "Are you sure you want to delete player 'anna'?"));
        EXPECT_LT(chooser.List()->geometry().bottom(), chooser.dlg.GetDlgItem(IDOK)->y());
        for (const QString& strStep : QString(row.pszFinish).split('|'))
            chooser.Do(strStep);
        EXPECT_EQ(chooser.dlg.result(), row.pszTaken ? IDOK : 0);
        if (row.pszTaken) {
            EXPECT_EQ(chooser.dlg.m_strName, row.pszTaken);
        }
    }
}
