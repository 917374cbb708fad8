#include "GameApp.h"
#include "LetterEdit.h"
#include "NameEdit.h"
#include "PlayerSettings.h"
#include "RecordingWavePlayer.h"
#include "WordEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace
{

// The entry row, cells 2200 to 2203, in an active window, with the player's sound on.
struct EntryFields : testing::Test {
    void SetUp() override
    {
        theApp.m_pPlayer = &m_player;
        for (int i = 0; i < 4; ++i)
            (m_cells << new CLetterEdit(&m_dlg)).last()->setObjectName(QString::number(2200 + i));
        m_dlg.show(), QApplication::setActiveWindow(&m_dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
        QApplication::clipboard()->setText(QStringLiteral("Q")); // for Ctrl+V to refuse
    }
    void TearDown() override { theApp.m_pPlayer = nullptr; }
    // Fills the row ("A.C." leaves two cells empty) and focuses a cell anew.
    void Start(const char* pszRow, int nFocus)
    {
        m_cells[nFocus ^ 1]->setFocus();
        for (int i = 0; i < 4; ++i)
            m_cells[i]->setText(QString(QLatin1Char(pszRow[i])).remove(u'.'));
        m_cells[nFocus]->setFocus();
        RecordingWavePlayer::Instance().Clear();
    }
    // The row, the focused cell, whether it shows a selection or a caret, and the sounds since
    // Start by their last digit (4003 is 3): "AB.. 1 sel 55".
    QString State() const
    {
        QString str;
        for (const CLetterEdit* pCell : m_cells)
            str += pCell->GetLetter() ? QChar::fromLatin1(pCell->GetLetter()) : u'.';
        const auto* p = qobject_cast<CLetterEdit*>(QApplication::focusWidget());
        str += " " + QString::number(m_cells.indexOf(p)) + (p->hasSelectedText() ? " sel" : "");
        str += p->style()->pixelMetric(QStyle::PM_TextCursorWidth, {}, p) ? " caret " : " ";
        for (int nSound : RecordingWavePlayer::Instance().SoundIds())
            str += QString::number(nSound % 10);
        return str;
    }

    CPlayerSettings m_player{theApp.m_nProgLang};
    QDialog m_dlg;
    QList<CLetterEdit*> m_cells;
    QWidget* const m_pFocused = nullptr; // QTest sends each key to the field that has the focus
};

} // namespace

// Guards against a key changing the wrong cell, moving or sounding wrongly, a click placing a
// caret or dragging a selection, paste beating a field's filter, and a refused key reaching a
// name or word field or wiping its selection.
TEST_F(EntryFields, EachFieldLetsInOnlyWhatItsRulesAllowByKeyClickOrPaste)
{
    Start("....", 0), QTest::keyClicks(m_pFocused, "word"); // moves on, wraps after the last
    EXPECT_EQ(State(), "WORD 0 sel 3333");
    Start("AB..", 1), QTest::keyClicks(m_pFocused, "\b\b"); // steps back, not from the first
    EXPECT_EQ(State(), ".... 0 caret 44");
    Start("AB..", 2), QTest::keyClicks(m_pFocused, "\b  "); // Space clears in place
    EXPECT_EQ(State(), "A... 1 caret 444");
    Start("AB..", 1), QTest::keyClicks(m_pFocused, "7-\u00c9");
    QTest::keyClick(m_pFocused, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(State(), "AB.. 1 sel 5555");
    QTest::mousePress(m_cells[0], Qt::LeftButton, {}, QPoint(25, 15)); // a drag across the letter
    QTest::mouseMove(m_cells[0], QPoint(1, 1));
    QTest::mouseRelease(m_cells[0], Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(State(), "AB.. 0 sel 55555");
    QTest::keyClick(m_cells[0], Qt::Key_End); // a letter replaces the old one behind the caret
    QTest::keyClick(m_cells[0], 'x');
    EXPECT_EQ(State(), "XB.. 1 sel 555553");

    CNameEdit name;
    CWordEdit word;
    QTest::keyClicks(&name, "a/b\\c:d;e");
    name.selectAll(), QTest::keyClick(&name, Qt::Key_Slash);
    EXPECT_EQ(name.selectedText(), "abcde");
    QTest::keyClicks(&word, "ab1c\b");
    QTest::keyClick(&word, Qt::Key_V, Qt::ControlModifier); // refused: the paste below counts once
    const std::tuple<QLineEdit*, QString, QString> cases[] = {
        {m_cells[2], "7\u00e9", ""},
        {m_cells[3], "ab", "A"},
        {&name, "Jo/an;na\\:", "Joanna"},
        {&name, QString(60, u'y'), "Joanna" + QString(44, u'y')},
        {&word, "x-Y z\u00e9", "abxYz"}};
    for (const auto& [pEdit, strPaste, strAfter] : cases) {
        QApplication::clipboard()->setText(strPaste), pEdit->paste();
        EXPECT_EQ(pEdit->text(), strAfter) << strPaste.toStdString();
    }
}
