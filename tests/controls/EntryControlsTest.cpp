#include "appcore/AppCore.h"
#include "controls/LetterEdit.h"
#include "controls/NameEdit.h"
#include "controls/WordEdit.h"
#include "res/Resource.h"
#include "store/PlayerSettings.h"
#include "support/RecordingWavePlayer.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

QWidget* const FOCUSED = nullptr; // QTest sends such keys to the widget that has the focus

// The entry row of four cells in an active window, with the player's sound on.
struct LetterCellTest : testing::Test {
    LetterCellTest()
    {
        AppCore().SetPlayer(&m_player);
        for (int i = 0; i < 4; ++i) {
            m_cells << new CLetterEdit(&m_dlg);
            m_cells.last()->setObjectName(QString::number(IDC_FIRST_LETTER + i));
        }
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    }
    ~LetterCellTest() override { AppCore().SetPlayer(nullptr); }

    // Fills the row ("A.C." leaves two cells empty) and focuses a cell anew.
    void Start(const char* pszRow, int nFocus)
    {
        m_cells[nFocus ^ 1]->setFocus();
        for (int i = 0; i < 4; ++i)
            m_cells[i]->setText(QString(QLatin1Char(pszRow[i])).remove(u'.'));
        m_cells[nFocus]->setFocus();
        RecordingWavePlayer::Instance().Clear();
    }
    QString Row() const
    {
        QString str;
        for (const CLetterEdit* pCell : m_cells)
            str += pCell->GetLetter() ? QChar::fromLatin1(pCell->GetLetter()) : u'.';
        return str;
    }
    int FocusedCell() const
    {
        return m_cells.indexOf(qobject_cast<CLetterEdit*>(QApplication::focusWidget()));
    }
    static bool FocusedShowsCaret()
    {
        const QWidget* pCell = QApplication::focusWidget();
        return pCell->style()->pixelMetric(QStyle::PM_TextCursorWidth, {}, pCell) > 0;
    }
    static QList<int> Sounds() { return RecordingWavePlayer::Instance().SoundIds(); }

    CPlayerSettings m_player{AppCore().m_nProgLang};
    QDialog m_dlg;
    QList<CLetterEdit*> m_cells;
};

} // namespace

TEST_F(LetterCellTest, LettersAreUpperCasedAndMoveOnWrappingAfterTheLast)
{
    Start("....", 0);
    QTest::keyClicks(FOCUSED, "word");
    EXPECT_EQ(Row(), "WORD");
    EXPECT_EQ(FocusedCell(), 0);
    EXPECT_TRUE(m_cells[0]->hasSelectedText());
    EXPECT_EQ(Sounds(), QList<int>(4, SND_LETTER));
}

// Guards against Backspace leaving the first cell or clearing the wrong one.
TEST_F(LetterCellTest, BackspaceStepsBackButNotFromTheFirstCell)
{
    Start("AB..", 1);
    QTest::keyClicks(FOCUSED, "\b\b");
    EXPECT_EQ(Row(), "....");
    EXPECT_EQ(FocusedCell(), 0);
    EXPECT_TRUE(FocusedShowsCaret());
    EXPECT_EQ(Sounds(), QList<int>(2, SND_CLEAR));
}

TEST_F(LetterCellTest, SpaceClearsInPlace)
{
    Start("AB..", 2);
    QTest::keyClicks(FOCUSED, "\b  ");
    EXPECT_EQ(Row(), "A...");
    EXPECT_EQ(FocusedCell(), 1);
    EXPECT_EQ(Sounds(), QList<int>(3, SND_CLEAR));
}

TEST_F(LetterCellTest, DigitsPunctuationAccentsAndPasteAreRefusedWithASound)
{
    QApplication::clipboard()->setText(QStringLiteral("Q"));
    Start("AB..", 1);
    QTest::keyClicks(FOCUSED, "7-\u00c9");
    QTest::keyClick(FOCUSED, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Row(), "AB..");
    EXPECT_EQ(FocusedCell(), 1);
    EXPECT_TRUE(m_cells[1]->hasSelectedText());
    EXPECT_EQ(Sounds(), QList<int>(4, SND_REFUSED));
}

// Guards against a click placing a caret between characters or dragging a selection.
TEST_F(LetterCellTest, AClickOnlyFocusesAndSelects)
{
    Start("AB..", 1);
    QTest::mousePress(m_cells[0], Qt::LeftButton, {}, QPoint(25, 15));
    QTest::mouseMove(m_cells[0], QPoint(1, 1));
    QTest::mouseRelease(m_cells[0], Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(FocusedCell(), 0);
    EXPECT_TRUE(m_cells[0]->hasSelectedText());
    EXPECT_EQ(Sounds(), QList<int>{SND_REFUSED});
}

TEST_F(LetterCellTest, ALetterTypedBehindTheCaretReplacesTheOldOne)
{
    Start("AB..", 0);
    QTest::keyClick(m_cells[0], Qt::Key_End);
    QTest::keyClick(m_cells[0], 'x');
    EXPECT_EQ(Row(), "XB..");
    EXPECT_EQ(FocusedCell(), 1);
}

// Guards against paste getting round a cell's one-letter rule.
TEST_F(LetterCellTest, PasteKeepsOneUpperCaseLetterOrNothing)
{
    QApplication::clipboard()->setText(QStringLiteral("7\u00e9"));
    m_cells[2]->paste();
    EXPECT_EQ(m_cells[2]->text(), "");
    QApplication::clipboard()->setText(QStringLiteral("ab"));
    m_cells[3]->paste();
    EXPECT_EQ(m_cells[3]->text(), "A");
}

// Guards against a refused key reaching the name field or wiping its selection.
TEST(NameField, DropsTheCharactersThatWouldBreakTheStore)
{
    CNameEdit name;
    QTest::keyClicks(&name, "a/b\\c:d;e");
    name.selectAll();
    QTest::keyClick(&name, '/');
    EXPECT_EQ(name.selectedText(), "abcde");
}

// Guards against a pasted character that the store would refuse, a line break or tab that
// shows a name as two clipped lines, or a paste that runs past fifty characters.
TEST(NameField, PasteIsFilteredAndCutAtFiftyCharacters)
{
    CNameEdit name;
    const std::pair<QString, QString> pastes[] = {
        // each onto what the last left
        {"Jo/an;na\\:", "Joanna"},
        {"B\no\tb\u2028b\u200by", "JoannaBobby"},
        {QString(60, u'y'), "JoannaBobby" + QString(39, u'y')}};
    for (const auto& [strClip, strName] : pastes) {
        QApplication::clipboard()->setText(strClip);
        name.paste();
        EXPECT_EQ(name.text(), strName) << strClip.toStdString();
    }
}

TEST(WordField, LetsInLettersAndBackspaceOnlyTypedOrPasted)
{
    CWordEdit word;
    QTest::keyClicks(&word, "ab1c\b");
    QTest::keyClick(&word, Qt::Key_V, Qt::ControlModifier); // refused as a key
    EXPECT_EQ(word.text(), "ab");
    QApplication::clipboard()->setText(QStringLiteral("x-Y z\u00e9"));
    word.paste();
    EXPECT_EQ(word.text(), "abxYz");
}
