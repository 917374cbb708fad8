#include "BaseDlg.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

constexpr int IDD_PLAYER = 1204;

class OpenDlg : public CBaseDlg {
public:
    OpenDlg() : CBaseDlg(IDD_PLAYER) { Create(); }
    int m_nLastCommand = 0;
    bool OnCommand(int nId) override
    {
        m_nLastCommand = nId;
        return CBaseDlg::OnCommand(nId);
    }
};

} // namespace

// Guards against a control operation acting on, or crashing over, an id the dialog lacks.
TEST(BaseDlg, OperationsOnUnknownIdsChangeNothing)
{
    OpenDlg dlg;
    const QList<QWidget*> before = dlg.findChildren<QWidget*>();
    dlg.ShowItem(9999, true);
    dlg.HideItem(9999);
    dlg.EnableItem(9999, false);
    dlg.SetItemText(9999, QStringLiteral("x"));
    dlg.SetItemChar(9999, QLatin1Char('x'));
    dlg.SetButtonIcon(9999, 201);
    dlg.SetStaticIcon(9999, 201);
    dlg.FocusItem(9999);
    EXPECT_EQ(dlg.findChildren<QWidget*>(), before);
    EXPECT_EQ(dlg.GetDlgItem(9999), nullptr);
}

// Guards against the template's styles and the operations not reaching the widgets.
TEST(BaseDlg, OperationsReachTheControlsBuiltFromTheTemplate)
{
    OpenDlg dlg;
    auto* pEdit = qobject_cast<QLineEdit*>(dlg.GetDlgItem(3001));
    auto* pLabel = qobject_cast<QLabel*>(dlg.GetDlgItem(3005));
    auto* pOk = qobject_cast<QPushButton*>(dlg.GetDlgItem(IDOK));
    ASSERT_TRUE(pEdit && pLabel && pOk);
    EXPECT_TRUE(pOk->isDefault());
    EXPECT_TRUE(pEdit->isHidden());
    EXPECT_FALSE(pEdit->isEnabled());

    dlg.ShowItem(3001, true);
    dlg.EnableItem(3001, true);
    dlg.SetItemText(3001, QStringLiteral("Anna"));
    dlg.SetItemChar(3005, QLatin1Char('W'));
    EXPECT_FALSE(pEdit->isHidden());
    EXPECT_TRUE(pEdit->isEnabled());
    EXPECT_EQ(pEdit->text(), QStringLiteral("Anna"));
    EXPECT_EQ(pLabel->text(), QStringLiteral("W"));

    dlg.FocusItem(3001);
    EXPECT_EQ(pEdit->selectedText(), QStringLiteral("Anna"));

    dlg.SetButtonIcon(3003, 201);
    EXPECT_FALSE(qobject_cast<QPushButton*>(dlg.GetDlgItem(3003))->icon().isNull());

    pOk->click();
    EXPECT_EQ(dlg.m_nLastCommand, IDOK);
    EXPECT_EQ(dlg.result(), IDOK);
}

// Guards against dialog units drifting: neighbouring cells must share their edges.
TEST(DialogBuilder, NeighbouringCellsShareEdges)
{
    const DlgTemplate* pMain = FindDialogTemplate(1201);
    ASSERT_NE(pMain, nullptr);
    CBaseDlg dlg(1201);
    dlg.Create();
    for (int nId = 2200; nId < 2203; ++nId)
        EXPECT_EQ(dlg.GetDlgItem(nId)->geometry().right() + 1,
                  dlg.GetDlgItem(nId + 1)->geometry().left());
    const QSize size = DialogUnitsToPixels(*pMain, 80, 35);
    EXPECT_EQ(dlg.size(), size);
    EXPECT_EQ(DlgCtrlId(dlg.GetDlgItem(2201)), 2201);
    EXPECT_EQ(GetSiblingItem(dlg.GetDlgItem(2201), 2202), dlg.GetDlgItem(2202));
}
