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

// Guards against a key changing the wrong cell, moving or sounding wrongly, a click placing a
// caret or dragging a selection, paste beating a field's filter, and a refused key reaching a
// name or word field or wiping its selection.
TEST(EntryFields, EachFieldLetsInOnlyWhatItsRulesAllowByKeyClickOrPaste)
{
    // The entry row, cells 2200 to 2203, in an active window, with the player's sound on.
    CPlayerSettings player(theApp.m_nProgLang);
    theApp.m_pPlayer = &player;
    QDialog dlg;
    QList<CLetterEdit*> cells;
    for (int i = 0; i < 4; ++i)
        (cells << new CLetterEdit(&dlg)).last()->setObjectName(QString::number(2200 + i));
    dlg.show(), QApplication::setActiveWindow(&dlg);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QApplication::clipboard()->setText(QStringLiteral("Q")); // for Ctrl+V to refuse
    QWidget* const pFocused = nullptr; // QTest sends each key to the field that has the focus
    // Fills the row ("A.C." leaves two cells empty) and focuses a cell anew.
    const auto Start = [&](const char* pszRow, int nFocus) {
        cells[nFocus ^ 1]->setFocus();
        for (int i = 0; i < 4; ++i)
            cells[i]->setText(QString(QLatin1Char(pszRow[i])).remove(u'.'));
        cells[nFocus]->setFocus();
        RecordingWavePlayer::Instance().Clear();
    };
    // Row, focused cell, selection or caret, sounds since Start by last digit: "AB.. 1 sel 55".
    const auto State = [&] {
        QString str;
        for (const CLetterEdit* pCell : cells)
            str += pCell->GetLetter() ? QChar::fromLatin1(pCell->GetLetter()) : u'.';
        const auto* p = qobject_cast<CLetterEdit*>(QApplication::focusWidget());
        str += " " + QString::number(cells.indexOf(p)) + (p->hasSelectedText() ? " sel" : "");
        str += p->style()->pixelMetric(QStyle::PM_TextCursorWidth, {}, p) ? " caret " : " ";
        for (int nSound : RecordingWavePlayer::Instance().SoundIds())
            str += QString::number(nSound % 10);
        return str;
    };

    Start("....", 0), QTest::keyClicks(pFocused, "word"); // moves on, wraps after the last
    EXPECT_EQ(State(), "WORD 0 sel 3333");
    Start("AB..", 1), QTest::keyClicks(pFocused, "\b\b"); // steps back, not from the first
    EXPECT_EQ(State(), ".... 0 caret 44");
    Start("AB..", 2), QTest::keyClicks(pFocused, "\b  "); // Space clears in place
    EXPECT_EQ(State(), "A... 1 caret 444");
    Start("AB..", 1), QTest::keyClicks(pFocused, "7-\u00c9");
    QTest::keyClick(pFocused, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(State(), "AB.. 1 sel 5555");
    QTest::mousePress(cells[0], Qt::LeftButton, {}, QPoint(25, 15)); // a drag across the letter
    QTest::mouseMove(cells[0], QPoint(1, 1));
    QTest::mouseRelease(cells[0], Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(State(), "AB.. 0 sel 55555");
    QTest::keyClick(cells[0], Qt::Key_End); // a letter replaces the old one behind the caret
    QTest::keyClick(cells[0], 'x');
    EXPECT_EQ(State(), "XB.. 1 sel 555553");

    CNameEdit name;
    CWordEdit word;
    QTest::keyClicks(&name, "a/b\\c:d;e"), name.selectAll(), QTest::keyClick(&name, '/');
    EXPECT_EQ(name.selectedText(), "abcde");
    QTest::keyClicks(&word, "ab1c\b");
    QTest::keyClick(&word, Qt::Key_V, Qt::ControlModifier); // refused: the paste below counts once
    const std::tuple<QLineEdit*, QString, QString> cases[] = {
        {cells[2], "7\u00e9", ""},
        {cells[3], "ab", "A"},
        {&name, "Jo/an;na\\:", "Joanna"},
        {&name, QString(60, u'y'), "Joanna" + QString(44, u'y')},
        {&word, "x-Y z\u00e9", "abxYz"}};
    for (const auto& [pEdit, strPaste, strAfter] : cases) {
        QApplication::clipboard()->setText(strPaste), pEdit->paste();
        EXPECT_EQ(pEdit->text(), strAfter) << strPaste.toStdString();
    }
    theApp.m_pPlayer = nullptr;
}
