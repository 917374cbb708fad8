#include "dialogs/DictionaryDlg.h"
#include "res/Resource.h"
#include "support/ModalDriver.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

// Guards against the list making its first entry current when it takes the focus, which
// showed Deutsch's words and enabled Select for a dictionary the chooser does not list.
TEST(DictionaryChooser, OpenedOnAnUnlistedDictionaryShowsNothingSelected)
{
    constexpr int US_ENGLISH = 6; // a slot without a word list, so not in the chooser
    const QListWidgetItem* pCurrent = nullptr;
    bool bSelectEnabled = true;
    WhenModal([&](QWidget* pDlg) {
        auto* pList = static_cast<QListWidget*>(Item(pDlg, IDC_DICTIONARIES));
        pList->setFocus();
        QTest::qWait(20);
        pCurrent = pList->currentItem();
        bSelectEnabled = Button(pDlg, IDOK)->isEnabled();
        QTest::keyClick(pDlg, Qt::Key_Escape);
    });
    CDictionaryDlg dlg;
    dlg.m_nDict = US_ENGLISH;
    dlg.DoModal();
    EXPECT_EQ(pCurrent, nullptr);
    EXPECT_FALSE(bSelectEnabled);
}
