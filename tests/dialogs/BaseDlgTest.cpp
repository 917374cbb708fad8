#include "dialogs/BaseDlg.h"
#include "platform/DialogBuilder.h"
#include "res/Resource.h"

#include <gtest/gtest.h>

// Guards against template styles or operations missing their control.
TEST(BaseDlg, TemplateStylesAndOperationsReachTheControlOfTheirId)
{
    CBaseDlg dlg(IDD_PLAYER);
    ASSERT_TRUE(dlg.Create());
    QWidget* pEdit = dlg.GetDlgItem(IDC_NAME); // hidden and disabled in the template
    ASSERT_NE(pEdit, nullptr);
    ASSERT_NE(dlg.GetDlgItem(IDC_TEXT), nullptr);
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->property("default").toBool());
    EXPECT_TRUE(pEdit->isHidden());
    EXPECT_FALSE(pEdit->isEnabled());
    dlg.ShowItem(IDC_NAME, true);
    dlg.EnableItem(IDC_NAME, true);
    dlg.SetItemText(IDC_NAME, "Anna");
    dlg.FocusItem(IDC_NAME);
    dlg.SetItemChar(IDC_TEXT, QLatin1Char('W'));
    EXPECT_FALSE(pEdit->isHidden());
    EXPECT_TRUE(pEdit->isEnabled());
    EXPECT_EQ(pEdit->property("selectedText").toString(), "Anna"); // focusing selects it all
    EXPECT_EQ(dlg.GetDlgItem(IDC_TEXT)->property("text").toString(), "W");
}

// Guards against an operation acting on, or creating, a control for an id the dialog lacks.
TEST(BaseDlg, OperationsIgnoreUnknownIds)
{
    CBaseDlg dlg(IDD_PLAYER);
    ASSERT_TRUE(dlg.Create());
    const int nUnknown = 9999;
    const QList<QWidget*> before = dlg.findChildren<QWidget*>();
    dlg.ShowItem(nUnknown, true);
    dlg.EnableItem(nUnknown, false);
    dlg.FocusItem(nUnknown);
    dlg.SetItemText(nUnknown, "x");
    dlg.SetButtonIcon(nUnknown, IDR_FIRST_DICTIONARY);
    dlg.SetStaticIcon(nUnknown, IDR_FIRST_DICTIONARY);
    EXPECT_EQ(dlg.findChildren<QWidget*>(), before);
    EXPECT_EQ(dlg.GetDlgItem(nUnknown), nullptr);
}

// Guards against dialog units drifting: neighbouring cells must share their edges.
TEST(DialogBuilder, NeighbouringLetterCellsShareEdgesAndTheWindowHasItsTemplateSize)
{
    CBaseDlg dlg(IDD_GAME);
    ASSERT_TRUE(dlg.Create());
    for (int nId = IDC_FIRST_LETTER; nId < IDC_LAST_LETTER; ++nId)
        EXPECT_EQ(dlg.GetDlgItem(nId)->geometry().right() + 1,
                  dlg.GetDlgItem(nId + 1)->geometry().left())
            << nId;
    EXPECT_EQ(dlg.size(), DialogUnitsToPixels(*FindDialogTemplate(IDD_GAME), 80, 35));
}
