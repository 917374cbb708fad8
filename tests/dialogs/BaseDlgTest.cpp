#include "dialogs/BaseDlg.h"
#include "platform/DialogBuilder.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

// Guards against template styles or operations missing their control, and unknown ids acted on.
TEST(BaseDlg, OperationsReachTheirControlAndIgnoreUnknownIds)
{
    CBaseDlg dlg(1204); // the player chooser: 3001 a hidden, disabled edit, 3005 a label
    QWidget* pEdit = dlg.Create() ? dlg.GetDlgItem(3001) : nullptr;
    ASSERT_TRUE(pEdit && dlg.GetDlgItem(3005) && dlg.GetDlgItem(IDOK));
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->property("default").toBool());
    EXPECT_TRUE(pEdit->isHidden() && !pEdit->isEnabled());
    dlg.ShowItem(3001, true), dlg.EnableItem(3001, true);
    dlg.SetItemText(3001, "Anna"), dlg.FocusItem(3001);
    dlg.SetItemChar(3005, QLatin1Char('W'));
    EXPECT_TRUE(!pEdit->isHidden() && pEdit->isEnabled());
    EXPECT_EQ(pEdit->property("selectedText").toString(), "Anna");
    EXPECT_EQ(dlg.GetDlgItem(3005)->property("text").toString(), "W");

    const QList<QWidget*> before = dlg.findChildren<QWidget*>();
    dlg.ShowItem(9999, true), dlg.EnableItem(9999, false), dlg.FocusItem(9999);
    dlg.SetItemText(9999, "x"), dlg.SetButtonIcon(9999, 201), dlg.SetStaticIcon(9999, 201);
    EXPECT_TRUE(dlg.findChildren<QWidget*>() == before && !dlg.GetDlgItem(9999));
}

// Guards against dialog units drifting: neighbouring cells must share their edges.
TEST(DialogBuilder, NeighbouringCellsShareEdges)
{
    CBaseDlg dlg(1201); // a guess row
    ASSERT_TRUE(dlg.Create());
    for (int nId = 2200; nId < 2203; ++nId)
        EXPECT_EQ(dlg.GetDlgItem(nId)->geometry().right() + 1,
                  dlg.GetDlgItem(nId + 1)->geometry().left());
    EXPECT_EQ(dlg.size(), DialogUnitsToPixels(*FindDialogTemplate(1201), 80, 35));
}
