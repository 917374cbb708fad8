#include "appcore/AppCore.h"
#include "dialogs/HighScoreNoticeDlg.h"
#include "dialogs/MessageDlg.h"
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
QAccessible::Role SpokenRole(QWidget* pWidget)
{
    return QAccessible::queryAccessibleInterface(pWidget)->role();
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

// Guards against cells a listener cannot tell apart.
TEST_F(SpokenTextTest, LetterCellsAreNamedByTheirPlace)
{
    EXPECT_EQ(SpokenName(Ctl(IDC_FIRST_LETTER)), "Letter 1");
    EXPECT_EQ(SpokenName(Ctl(IDC_LAST_LETTER)), "Letter 4");
}

// Guards against a board that is only pictures: a row is one line with its result in words.
TEST_F(SpokenTextTest, AGuessRowIsOneItemNamedWithItsWordAndPins)
{
    m_game.SetWord(QStringLiteral("BEAR"));
    Guess(QStringLiteral("BARE"));
    CGuessRow* pRow = m_dlg.Rows().constFirst();
    EXPECT_EQ(SpokenRole(pRow), QAccessible::ListItem);
    EXPECT_EQ(SpokenName(pRow), "Guess 1: BARE, 1 right, 3 elsewhere");
    EXPECT_EQ(SpokenDescription(pRow->GetDlgItem(IDC_ROW_PINS)), "1 right, 3 elsewhere");
}

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

// Guards against a win that only shows: the go button, which takes the focus, tells it.
TEST_F(SpokenTextTest, AfterAWinTheGoButtonTellsTheWordAndOffersANewGame)
{
    m_game.SetWord(QStringLiteral("BEAR"));
    Guess(QStringLiteral("BEAR"));
    EXPECT_EQ(m_dlg.focusWidget(), Ctl(IDOK));
    EXPECT_EQ(SpokenName(Ctl(IDOK)), "New game");
    EXPECT_EQ(SpokenDescription(Ctl(IDOK)), "You found BEAR with guess 1, in 0:00.");
}

// Guards against a name cut short on the button being cut short for a listener too.
TEST_F(SpokenTextTest, ThePlayerButtonSaysTheWholeNameAndTheTime)
{
    EXPECT_EQ(SpokenName(Ctl(IDC_PLAYER)), "Anna - 0:00");
}

// Guards against questions and notes that appear without a word to a listener.
TEST(SpokenAlertTest, QuestionsAndHighScoreNotesAreAlerts)
{
    CMessageDlg question(QStringLiteral("Sure?"), CMessageDlg::MB_YES_NO, 0);
    CHighScoreNoticeDlg notice(3);
    notice.Create();
    EXPECT_EQ(SpokenRole(&question), QAccessible::AlertMessage);
    EXPECT_EQ(SpokenRole(&notice), QAccessible::AlertMessage);
    EXPECT_EQ(SpokenName(&notice), "High Score: # 3!");
}
