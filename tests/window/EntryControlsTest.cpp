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

// The entry row: cells 2200 to 2203 in a window, with the player's sound on.
struct LetterCells : testing::Test {
    LetterCells()
    {
        theApp.m_pPlayer = &m_player;
        for (int i = 0; i < 4; ++i)
            (m_cells << new CLetterEdit(&m_dlg)).last()->setObjectName(QString::number(2200 + i));
    }
    ~LetterCells() override { theApp.m_pPlayer = nullptr; }

    // Activates the window, fills the row ("A.C." leaves two cells empty), focuses a cell anew.
    void Start(const char* pszRow, int nFocus)
    {
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
        m_cells[nFocus ^ 1]->setFocus();
        for (int i = 0; i < 4; ++i)
            m_cells[i]->setText(QString(QLatin1Char(pszRow[i])).remove(u'.'));
        m_cells[nFocus]->setFocus();
        RecordingWavePlayer::Instance().Clear();
    }
    // The row, the focused cell, and whether it shows a selection and a caret: "AB.. 1 sel".
    QString State() const
    {
        QString str;
        for (const CLetterEdit* pCell : m_cells)
            str += pCell->GetLetter() ? QChar::fromLatin1(pCell->GetLetter()) : u'.';
        const auto* p = qobject_cast<CLetterEdit*>(QApplication::focusWidget());
        str += " " + QString::number(m_cells.indexOf(p)) + (p->hasSelectedText() ? " sel" : "");
        return str + (p->style()->pixelMetric(QStyle::PM_TextCursorWidth, {}, p) ? " caret" : "");
    }
    static QList<int> Sounds() { return RecordingWavePlayer::Instance().SoundIds(); }

    CPlayerSettings m_player{theApp.m_nProgLang};
    QDialog m_dlg;
    QList<CLetterEdit*> m_cells;
};

} // namespace

// Guards against a key changing the wrong cell, moving wrongly, or sounding wrong, and a click
// placing a caret or dragging a selection.
TEST_F(LetterCells, EachKeyAndClickFollowsTheOneLetterRuleWithItsSound)
{
    QApplication::clipboard()->setText(QStringLiteral("Q")); // for Ctrl+V (\x16) to refuse
    // row, focused cell, keys; row and focus after them, with the sound of every key
    const std::tuple<const char*, int, const char*, const char*, int> cases[] = {
        {"....", 0, "word", "WORD 0 sel", 4003},   // moves on, wraps after the last
        {"ABC.", 2, "\b", "AB.. 1 sel", 4004},     // clears, steps back
        {"AB..", 1, "\b\b", ".... 0 caret", 4004}, // but not before the first
        {"AB..", 2, "\b  ", "A... 1 caret", 4004}, // Space clears in place
        {"AB..", 1, "7-\xe9\x16\x18", "AB.. 1 sel", 4005}};
    for (const auto& [pszRow, nFocus, pszKeys, pszAfter, nSound] : cases) {
        Start(pszRow, nFocus);
        for (QChar ch : QString::fromLatin1(pszKeys)) {
            const bool bCtrl = ch < u' ' && ch != u'\b';
            const auto key = ch == u'\b' ? Qt::Key_Backspace
                                         : Qt::Key(ch.toUpper().unicode() | (bCtrl ? 0x40 : 0));
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, QString(ch),
                                bCtrl ? Qt::ControlModifier : Qt::NoModifier);
        }
        EXPECT_EQ(State(), pszAfter) << pszKeys;
        EXPECT_EQ(Sounds(), QList<int>(qsizetype(strlen(pszKeys)), nSound));
    }
    Start("WORD", 0); // a letter replaces the old one though the caret stands behind it
    QTest::keyClick(m_cells[0], Qt::Key_End);
    QTest::keyClick(m_cells[0], 'x');
    EXPECT_EQ(State(), "XORD 1 sel");
    Start("AB..", 1);
    QTest::mousePress(m_cells[0], Qt::LeftButton, {}, QPoint(25, 15)); // a drag across the letter
    QTest::mouseMove(m_cells[0], QPoint(1, 1));
    QTest::mouseRelease(m_cells[0], Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(State(), "AB.. 0 sel");
    EXPECT_EQ(Sounds(), QList<int>{4005});
}

// Guards against paste beating a field's filter, and a refused key reaching a field or wiping
// a selection.
TEST_F(LetterCells, PasteAndKeysGoThroughEachFieldsFilter)
{
    CNameEdit name;
    CWordEdit word;
    Start("C...", 0);
    const std::tuple<QLineEdit*, QString, QString> cases[] = {
        {m_cells[1], "7\u00e9", ""},
        {m_cells[2], "ab", "A"},
        {&name, "Jo/an;na\\:", "Joanna"},
        {&name, QString(60, u'y'), "Joanna" + QString(44, u'y')},
        {&word, "x-Y z\u00e9", "xYz"}};
    for (const auto& [pEdit, strPaste, strAfter] : cases) {
        QApplication::clipboard()->setText(strPaste);
        pEdit->paste();
        EXPECT_EQ(pEdit->text(), strAfter) << strPaste.toStdString();
    }
    name.clear(), word.clear();
    QTest::keyClicks(&name, "a/b\\c:d;e");
    QTest::keyClicks(&word, "ab1c");
    name.selectAll();
    QTest::keyClick(&name, Qt::Key_Slash);
    EXPECT_EQ(name.selectedText(), "abcde");
    QTest::keyClick(&word, Qt::Key_Backspace);
    QApplication::clipboard()->setText(QStringLiteral("xyz"));
    QTest::keyClick(&word, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(word.text(), "ab");
}
