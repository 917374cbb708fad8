// Typing and pasting into the letter cells and the name and word fields; no other layer does.
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

// What the player does, key by key, to the focused field (else to pField): '^' is Ctrl+V,
// '>' End, '*' select all, '+' a paste as the field's own menu makes it, '@' a click on pField.
void Act(QLineEdit* pField, const char* pszKeys)
{
    for (const QChar ch : QString::fromUtf8(pszKeys)) {
        auto* pFocused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QLineEdit* p = pFocused ? pFocused : pField;
        const QHash<QChar, std::function<void()>> marked = {
            {u'^', [p] { QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier); }},
            {u'>', [p] { QTest::keyClick(p, Qt::Key_End); }},
            {u'*', [p] { p->selectAll(); }},
            {u'+', [p] { p->paste(); }},
            {u'@', [pField] { QTest::mouseClick(pField, Qt::LeftButton); }}};
        marked.contains(ch) ? marked[ch]() : QTest::keyClick(p, ch.toLatin1());
    }
}
const auto ByName = [](const auto& info) { return std::string(info.param.name); };

struct Row {
    const char* name;
    int focus;         // at the start: a letter cell 0 to 3, the name field 4 or the word field 5
    const char* start; // the cells' letters, '.' for an empty cell
    const char* keys;
    QString clipboard, text; // the cells' letters after, or the field's text
    int focusAfter;
    bool caret; // in the focused cell; a selected letter hides it
    QList<int> sounds;
};

// clang-format off
const Row ROWS[] = {
    {"LettersUpperCasedMoveOnAndWrapToASelectedFirst", 0, "....", "word", "", "WORD", 0, false, QList<int>(4, SND_LETTER)},
    {"BackspaceStepsBackButNotFromTheFirst", 1, "AB..", "\b\b", "", "....", 0, true, QList<int>(2, SND_CLEAR)},
    {"SpaceClearsInPlace", 2, "AB..", "\b  ", "", "A...", 1, true, QList<int>(3, SND_CLEAR)},
    {"DigitsPunctuationAccentsAndCtrlVAreRefused", 1, "AB..", "7-\u00c9^", "Q", "AB..", 1, false, QList<int>(4, SND_REFUSED)},
    {"ALetterBehindTheCaretReplacesTheOldOne", 0, "AB..", ">x", "", "XB..", 1, false, {SND_LETTER}},
    {"AClickOnACellOnlyFocusesAndSelects", 1, "AB..", "@", "", "AB..", 0, false, {SND_REFUSED}},
    {"APasteOfNoLetterLeavesTheCellEmpty", 2, "....", "+", "7\u00e9", "....", 2, true, {}},
    {"APasteKeepsOneUpperCaseLetter", 3, "....", "+", "ab", "...A", 3, true, {}},
    {"NameRefusesWhatTheStoreWouldKeepingTheSelection", 4, "", "a/b\\c:d;e*/", "", "abcde", 4, true, {}},
    {"NamePasteDropsWhatTheStoreWouldRefuse", 4, "", "+", "Jo/an;na\\:", "Joanna", 4, true, {}},
    {"NamePasteDropsLineBreaksTabsAndInvisibles", 4, "", "+", "B\no\tb\u2028b\u200by", "Bobby", 4, true, {}},
    {"NamePasteIsCutAtFifty", 4, "", "Jo+", QString(60, u'y'), "Jo" + QString(48, u'y'), 4, true, {}},
    {"WordTakesLettersAndBackspaceButNoCtrlV", 5, "", "ab1c\b^", "Q", "ab", 5, true, {}},
    {"WordPasteKeepsLettersOnly", 5, "", "ab+", "x-Y z\u00e9", "abxYz", 5, true, {}},
};
// clang-format on

// The entry row of four cells, the name field and the word field in an active window, with
// the player's sound on.
struct EntryControls : testing::TestWithParam<Row> {
    EntryControls()
    {
        AppCore().SetPlayer(&m_player);
        for (int i = 0; i < 4; ++i)
            m_edits << new CLetterEdit(&m_dlg);
        for (int i = 0; i < 4; ++i)
            m_edits[i]->setObjectName(QString::number(IDC_FIRST_LETTER + i));
        m_edits << new CNameEdit(&m_dlg) << new CWordEdit(&m_dlg);
        m_dlg.show();
        QApplication::setActiveWindow(&m_dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_dlg));
    }
    ~EntryControls() override { AppCore().SetPlayer(nullptr); }

    CPlayerSettings m_player{AppCore().m_nProgLang};
    QDialog m_dlg;
    QList<QLineEdit*> m_edits;
};

} // namespace

TEST_P(EntryControls, KeysPastesMovesAndSounds)
{
    const Row& row = GetParam();
    QApplication::clipboard()->setText(row.clipboard);
    m_edits[row.focus ^ 1]->setFocus(); // so that the starting one gets the focus anew
    for (int i = 0; row.start[i]; ++i)
        m_edits[i]->setText(QString(QLatin1Char(row.start[i])).remove(u'.'));
    m_edits[row.focus]->setFocus();
    RecordingWavePlayer::Instance().Clear();
    Act(m_edits[0], row.keys);
    QString strText;
    for (int i = 0; i < 4; ++i)
        strText += m_edits[i]->text().isEmpty() ? QStringLiteral(".") : m_edits[i]->text();
    if (row.focus >= 4)
        strText = m_edits[row.focus]->text();
    QWidget* pFocused = QApplication::focusWidget();
    EXPECT_EQ(strText, row.text);
    EXPECT_EQ(m_edits.indexOf(pFocused), row.focusAfter);
    EXPECT_EQ(pFocused->style()->pixelMetric(QStyle::PM_TextCursorWidth, {}, pFocused) > 0,
              row.caret);
    EXPECT_EQ(RecordingWavePlayer::Instance().SoundIds(), row.sounds);
}
INSTANTIATE_TEST_SUITE_P(, EntryControls, testing::ValuesIn(ROWS), ByName);
