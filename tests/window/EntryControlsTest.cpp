#include "GameApp.h"
#include "LetterEdit.h"
#include "NameEdit.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"
#include "WordEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QMouseEvent>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// The entry row: cells 2200 to 2203 in an active window, with the player's sound on.
class LetterCells : public testing::Test
{
protected:
    void SetUp() override
    {
        theApp.m_pPlayer = &m_player;
        for (int i = 0; i < 4; ++i) {
            m_cells << new CLetterEdit(&m_dlg);
            m_cells[i]->setObjectName(QString::number(2200 + i));
            m_cells[i]->setGeometry(30 * i, 0, 30, 30);
        }
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    }
    void TearDown() override { theApp.m_pPlayer = nullptr; }

    // Fills the row ("A.C." leaves two cells empty) and gives one cell the focus anew.
    void Start(const char* pszRow, int nFocus)
    {
        m_cells[nFocus ^ 1]->setFocus();
        for (int i = 0; i < 4; ++i)
            m_cells[i]->setText(QString(QLatin1Char(pszRow[i])).remove(u'.'));
        m_cells[nFocus]->setFocus();
        RecordingWavePlayer::Instance().Clear();
    }
    // Types into whichever cell has the focus; \b is Backspace, \x16 and \x18 Ctrl+V and Ctrl+X.
    static void Type(const QString& strKeys)
    {
        for (QChar ch : strKeys) {
            const bool bCtrl = ch.unicode() < 0x20 && ch != u'\b';
            const auto key = Qt::Key(ch == u'\b' ? Qt::Key_Backspace
                                                 : ch.toUpper().unicode() + (bCtrl ? 0x40 : 0));
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, QString(ch),
                                bCtrl ? Qt::ControlModifier : Qt::NoModifier);
        }
    }
    // The row, the focused cell, and whether it shows a selection and a caret.
    QString State() const
    {
        QString str;
        for (const CLetterEdit* pCell : m_cells)
            str += pCell->GetLetter() ? QChar::fromLatin1(pCell->GetLetter()) : u'.';
        const auto* pFocus = qobject_cast<CLetterEdit*>(QApplication::focusWidget());
        str += QStringLiteral(" %1").arg(m_cells.indexOf(pFocus));
        if (pFocus->hasSelectedText())
            str += QStringLiteral(" sel");
        if (pFocus->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, pFocus) > 0)
            str += QStringLiteral(" caret");
        return str;
    }
    static QList<int> Sounds() { return RecordingWavePlayer::Instance().SoundIds(); }

    CPlayerSettings m_player{theApp.m_nProgLang};
    QDialog m_dlg;
    QList<CLetterEdit*> m_cells;
};

} // namespace

// Guards against a letter kept in lower case, added beside the old one, or not moving on.
TEST_F(LetterCells, LetterFillsTheCellAndMovesOnWrappingAfterTheLast)
{
    Start("....", 0);
    Type("word");
    EXPECT_EQ(State(), "WORD 0 sel");
    QTest::keyClick(m_cells[0], Qt::Key_End);
    Type("x");
    EXPECT_EQ(State(), "XORD 1 sel");
    EXPECT_EQ(Sounds(), QList<int>(5, 4003));
}

// Guards against Backspace or Space leaving a letter behind, moving wrongly, or staying silent.
TEST_F(LetterCells, BackspaceStepsBackAndSpaceClearsInPlace)
{
    Start("ABC.", 2);
    Type("\b");
    EXPECT_EQ(State(), "AB.. 1 sel");
    Type("\b\b");
    EXPECT_EQ(State(), ".... 0 caret");
    Start("AB..", 2);
    Type("\b  ");
    EXPECT_EQ(State(), "A... 1 caret");
    EXPECT_EQ(Sounds(), QList<int>(3, 4004));
}

// Guards against a cell taking anything but one letter A to Z, by key, click or paste.
TEST_F(LetterCells, OtherKeysClicksAndPasteKeepTheOneLetterRule)
{
    Start("AB..", 1);
    QApplication::clipboard()->setText(QStringLiteral("Q"));
    Type(QStringLiteral("7-\u00e9\x16\x18"));
    EXPECT_EQ(State(), "AB.. 1 sel");
    EXPECT_EQ(Sounds(), QList<int>(5, 4005));

    const QPoint edge(25, 15), corner(1, 1); // a drag across the letter
    QTest::mousePress(m_cells[0], Qt::LeftButton, {}, edge);
    QMouseEvent drag(QEvent::MouseMove, corner, m_cells[0]->mapToGlobal(corner), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(m_cells[0], &drag);
    QTest::mouseRelease(m_cells[0], Qt::LeftButton, {}, corner);
    EXPECT_EQ(State(), "AB.. 0 sel");
    EXPECT_EQ(Sounds(), QList<int>(6, 4005));

    for (const auto& [pszPaste, pszRow] :
         {std::pair{"x", "XB.."}, {"7\u00e9", ".B.."}, {"ab", "AB.."}}) {
        Start("CB..", 0);
        QApplication::clipboard()->setText(QString::fromUtf8(pszPaste));
        m_cells[0]->paste();
        EXPECT_EQ(State().left(4), pszRow) << pszPaste;
    }
}

// Guards against the characters that break the store, or too long a name, getting in.
TEST(NameEdit, DropsForbiddenCharactersAndStopsAtFiftyTypedOrPasted)
{
    CNameEdit edit;
    QTest::keyClicks(&edit, "a/b\\c:d;e");
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Slash);
    EXPECT_EQ(edit.selectedText(), "abcde");
    for (const QString& strPaste : {QStringLiteral("Jo/an;na\\:"), QString(60, u'y')}) {
        QApplication::clipboard()->setText(strPaste);
        edit.paste();
    }
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(edit.text(), "Joanna" + QString(44, u'y'));
}

// Guards against anything but letters getting into the word field, or their case changing.
TEST(WordEdit, TakesLettersOnlyTypedOrPasted)
{
    CWordEdit edit;
    QTest::keyClicks(&edit, "ab1c");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QApplication::clipboard()->setText(QStringLiteral("x-Y z\u00e9"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "ab");
    edit.paste();
    EXPECT_EQ(edit.text(), "abxYz");
}
