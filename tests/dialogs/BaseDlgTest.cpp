#include "BaseDlg.h"
#include "DialogBuilder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

// Guards against the template's styles or an operation not reaching the control, and an
// operation acting on, or crashing over, an id the dialog lacks.
TEST(BaseDlg, OperationsReachTheirControlAndIgnoreUnknownIds)
{
    CBaseDlg dlg(1204); // the player chooser
    ASSERT_TRUE(dlg.Create());
    auto* pEdit = qobject_cast<QLineEdit*>(dlg.GetDlgItem(3001));
    auto* pLabel = qobject_cast<QLabel*>(dlg.GetDlgItem(3005));
    auto* pOk = qobject_cast<QPushButton*>(dlg.GetDlgItem(IDOK));
    ASSERT_TRUE(pEdit && pLabel && pOk);
    EXPECT_TRUE(pOk->isDefault() && pEdit->isHidden() && !pEdit->isEnabled());
    dlg.ShowItem(3001, true);
    dlg.EnableItem(3001, true);
    dlg.SetItemText(3001, QStringLiteral("Anna"));
    dlg.SetItemChar(3005, QLatin1Char('W'));
    dlg.FocusItem(3001);
    EXPECT_TRUE(!pEdit->isHidden() && pEdit->isEnabled());
    EXPECT_EQ(pEdit->selectedText(), QStringLiteral("Anna"));
    EXPECT_EQ(pLabel->text(), QStringLiteral("W"));

    const QList<QWidget*> before = dlg.findChildren<QWidget*>();
    dlg.ShowItem(9999, true);
    dlg.EnableItem(9999, false);
    dlg.SetItemText(9999, QStringLiteral("x"));
    dlg.SetItemChar(9999, QLatin1Char('x'));
    dlg.SetButtonIcon(9999, 201);
    dlg.SetStaticIcon(9999, 201);
    dlg.FocusItem(9999);
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
