#include "appcore/AppCore.h"
#include "res/Resource.h"
#include "window/FakeApp.h"
#include "window/GuessRow.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

constexpr int ENGLISH = 0;
constexpr int DUTCH = 1;

QString SpokenName(QWidget* pWidget)
{
    return QAccessible::queryAccessibleInterface(pWidget)->text(QAccessible::Name);
}
QString SpokenDescription(QWidget* pWidget)
{
    return QAccessible::queryAccessibleInterface(pWidget)->text(QAccessible::Description);
}

// Anna's main window in English with a game running, as a screen reader finds it.
struct SpokenTextTest : testing::Test, MainWindowRig {
    void SetUp() override
    {
        Open(true);
        m_dlg.show();
    }
    void TearDown() override
    {
        AppCore().SetPlayer(nullptr);
        AppCore().SetProgLang(ENGLISH);
    }
    void Guess(const QString& strWord)
    {
        for (QChar ch : strWord + QLatin1Char('\r'))
            QTest::keyClick(m_dlg.focusWidget(), ch.toLatin1());
    }
    QWidget* Ctl(int nId) const { return m_dlg.GetDlgItem(nId); }
};

} // namespace

// Guards against a result shown but never heard: the focus comes back to the first cell.
TEST_F(SpokenTextTest, TheFirstCellDescribesTheNewestResult)
{
    m_game.SetWord(QStringLiteral("BEAR"));
    Guess(QStringLiteral("BARE"));
    Guess(QStringLiteral("BEER"));
    EXPECT_EQ(m_dlg.focusWidget(), Ctl(IDC_FIRST_LETTER));
    EXPECT_EQ(SpokenDescription(Ctl(IDC_FIRST_LETTER)), "Guess 2: BEER, 3 right, 0 elsewhere");
}

// Guards against rows and buttons left in the language the player switched away from.
TEST_F(SpokenTextTest, SwitchingTheLanguageRenamesRowsAndButtons)
{
    m_game.SetWord(QStringLiteral("BEAR"));
    Guess(QStringLiteral("BARE"));
    AppCore().SetProgLang(DUTCH);
    EXPECT_EQ(SpokenName(m_dlg.Rows().constFirst()), "Gok 1: BARE, 1 goed, 3 elders");
    EXPECT_EQ(SpokenName(Ctl(IDC_FLAG)), "Woordenboek: English");
    EXPECT_EQ(SpokenName(Ctl(IDOK)), "De gok neerleggen");
}

