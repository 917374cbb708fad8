#include "dialogs/NameDlg.h"
#include "res/Resource.h"
#include "support/ModalDriver.h"
#include "support/TempRegistry.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// The name dialog with a name put into its field, the way a paste or an input method would
// put it there whole; reports whether OK could be pressed, and the name OK would return.
struct NameDialogTest : testing::Test {
    bool CanAccept(const QString& strName)
    {
        bool bEnabled = false;
        WhenModal([&](QWidget* pDlg) {
            static_cast<QLineEdit*>(Item(pDlg, IDC_NAME))->setText(strName);
            bEnabled = Button(pDlg, IDOK)->isEnabled();
            Click(pDlg, IDOK);
            if (pDlg->isVisible())
                static_cast<QDialog*>(pDlg)->done(IDCANCEL);
        });
        CNameDlg dlg;
        m_nResult = dlg.DoModal();
        m_strName = dlg.m_strName;
        return bEnabled;
    }

    TempRegistry m_registry;
    int m_nResult = 0;
    QString m_strName;
};

} // namespace

TEST_F(NameDialogTest, OkIsGreyedForANameOfOnlySpaces)
{
    EXPECT_FALSE(CanAccept(QStringLiteral("   ")));
}

TEST_F(NameDialogTest, OkTakesANameOfFiftyCharacters)
{
    EXPECT_TRUE(CanAccept(QString(50, u'x')));
}

TEST_F(NameDialogTest, ATypedNameComesBackWithoutTheSpacesAtItsEnds)
{
    CanAccept(QStringLiteral("  Ann Lee "));
    EXPECT_EQ(m_nResult, IDOK);
    EXPECT_EQ(m_strName, "Ann Lee");
}
