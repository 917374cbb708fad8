#include "res/StringTable.h"

#include "res/Resource.h"

#include <QtGlobal>

namespace
{

struct StringRow {
    int nId;
    const char* pszText; // UTF-8
};

// English, the source text of every program language's catalog. Dictionary names and codes are
// the same in every program language; the other rows are marked for the catalogs.
constexpr StringRow STRING_TABLE[] = {
    {IDS_FIRST_DICT_NAME + 0, "English"},
    {IDS_FIRST_DICT_NAME + 1, "Nederlands"},
    {IDS_FIRST_DICT_NAME + 2, "Français"},
    {IDS_FIRST_DICT_NAME + 3, "Deutsch"},
    {IDS_FIRST_DICT_NAME + 4, "Italiano"},
    {IDS_FIRST_DICT_NAME + 5, "Español"},
    {IDS_FIRST_DICT_NAME + 6, "English (US)"},
    {IDS_FIRST_DICT_NAME + 7, "Esperanto"},
    {IDS_FIRST_DICT_NAME + 8, "Latinum"},
    {IDS_FIRST_DICT_NAME + 9, "Kiswahili"},
    {IDS_FIRST_DICT_NAME + 10, "Gaeilge"},
    {IDS_FIRST_DICT_CODE + 0, "EN"},
    {IDS_FIRST_DICT_CODE + 1, "NL"},
    {IDS_FIRST_DICT_CODE + 2, "FR"},
    {IDS_FIRST_DICT_CODE + 3, "DE"},
    {IDS_FIRST_DICT_CODE + 4, "IT"},
    {IDS_FIRST_DICT_CODE + 5, "ES"},
    {IDS_FIRST_DICT_CODE + 6, "US"},
    {IDS_FIRST_DICT_CODE + 7, "EO"},
    {IDS_FIRST_DICT_CODE + 8, "LA"},
    {IDS_FIRST_DICT_CODE + 9, "SW"},
    {IDS_FIRST_DICT_CODE + 10, "GA"},
    {IDS_SELECT_NAME, QT_TRANSLATE_NOOP("StringTable", "Please select your name:")},
    {IDS_ENTER_NAME, QT_TRANSLATE_NOOP("StringTable", "Please enter your name:")},
    {IDS_DICTIONARY, QT_TRANSLATE_NOOP("StringTable", "Dictionary")},
    {IDS_HELP, QT_TRANSLATE_NOOP("StringTable", "Help")},
    {IDS_SELECT, QT_TRANSLATE_NOOP("StringTable", "&Select")},
    {IDS_OK, QT_TRANSLATE_NOOP("StringTable", "OK")},
    {IDS_CANCEL, QT_TRANSLATE_NOOP("StringTable", "Cancel")},
    {IDS_YES, QT_TRANSLATE_NOOP("StringTable", "&Yes")},
    {IDS_NO, QT_TRANSLATE_NOOP("StringTable", "&No")},
    {IDS_NEW, QT_TRANSLATE_NOOP("StringTable", "&New")},
    {IDS_DELETE, QT_TRANSLATE_NOOP("StringTable", "&Delete")},
    {IDS_ABORT_GAME,
     QT_TRANSLATE_NOOP("StringTable", "Are you sure you want to abort the current game?")},
    {IDS_RESTART_TO,
     QT_TRANSLATE_NOOP("StringTable",
                       "If you %1, the game must be restarted.\nAbort the current game?")},
    {IDS_TO_CHANGE_PLAYER, QT_TRANSLATE_NOOP("StringTable", "select another player")},
    {IDS_TO_CHANGE_DICTIONARY, QT_TRANSLATE_NOOP("StringTable", "select another dictionary")},
    {IDS_TO_SET_WORD, QT_TRANSLATE_NOOP("StringTable", "set the word")},
    {IDS_DELETE_PLAYER,
     QT_TRANSLATE_NOOP("StringTable", "Are you sure you want to delete player '%1'?")},
    {IDS_SURE_TO_CHEAT, QT_TRANSLATE_NOOP("StringTable", "Are you sure you want to cheat?")},
    {IDS_RATHER_GUESS,
     QT_TRANSLATE_NOOP("StringTable",
                       "Don't you think it's more fun trying to guess it yourself?")},
    {IDS_WORD_IS, QT_TRANSLATE_NOOP("StringTable", "OK, then... the word is '%1'")},
    {IDS_WORD_COUNT, QT_TRANSLATE_NOOP("StringTable", "%1!d! words")},
    {IDS_HELP_RULES,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Try to guess the secret word!\nFor every guess, you'll get a number of pins: a black "
         "pin for every letter on the correct position, and a white pin for a letter correct "
         "but on the wrong position.")},
    {IDS_HELP_END,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Four black pins means they're all correct, and that's the end of the game. Hit the "
         "'play' button on the right to start another game.")},
    {IDS_HELP_TIP,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Tip: if you're really stuck, try holding the 'Shift' key while clicking the 'Flag' "
         "menu button...")},
    {IDS_HELP_KEYS,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Keys: type the four letters and press Enter; Backspace steps back, Space clears a "
         "cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the "
         "Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl "
         "Set Word), Escape closes a window or ends the game.")},
    {IDS_ENTER_WORD, QT_TRANSLATE_NOOP("StringTable", "Enter word:")},
    {IDS_HIGH_SCORES, QT_TRANSLATE_NOOP("StringTable", "High Scores")},
    {IDS_CLEAR_ALL, QT_TRANSLATE_NOOP("StringTable", "&Clear All")},
    {IDS_SURE_TO_CLEAR,
     QT_TRANSLATE_NOOP("StringTable", "Are you sure you want to remove all high scores?")},
    {IDS_COLUMN_NAME, QT_TRANSLATE_NOOP("StringTable", "Name")},
    {IDS_COLUMN_TIME, QT_TRANSLATE_NOOP("StringTable", "Time")},
    {IDS_COLUMN_LEVEL, QT_TRANSLATE_NOOP("StringTable", "Level")},
    {IDS_COLUMN_LANG, QT_TRANSLATE_NOOP("StringTable", "Lang")},
    {IDS_COLUMN_WORD, QT_TRANSLATE_NOOP("StringTable", "Word")},
    {IDS_HIGHEST_SCORE, QT_TRANSLATE_NOOP("StringTable", "You've got the Highest Score!!")},
    {IDS_HIGH_SCORE_PLACE, QT_TRANSLATE_NOOP("StringTable", "High Score: # %1!d!!")},
    {IDS_TIP_FLAG, QT_TRANSLATE_NOOP("StringTable", "Menu: dictionaries, language, sound…")},
    {IDS_TIP_PLAYER, QT_TRANSLATE_NOOP("StringTable", "Change the player")},
    {IDS_TIP_DROP, QT_TRANSLATE_NOOP("StringTable", "Drop the guess onto the board (Enter)")},
    {IDS_TIP_NEW_GAME, QT_TRANSLATE_NOOP("StringTable", "Start a new game (Enter)")},
    {IDS_STATISTICS, QT_TRANSLATE_NOOP("StringTable", "Statistics")},
    {IDS_ALL_DICTIONARIES, QT_TRANSLATE_NOOP("StringTable", "All")},
    {IDS_GAMES_WON, QT_TRANSLATE_NOOP("StringTable", "Games won")},
    {IDS_GAMES_ABANDONED, QT_TRANSLATE_NOOP("StringTable", "Games abandoned")},
    {IDS_CURRENT_RUN, QT_TRANSLATE_NOOP("StringTable", "Current run of wins")},
    {IDS_BEST_TIME, QT_TRANSLATE_NOOP("StringTable", "Best time")},
    {IDS_AVERAGE_TIME, QT_TRANSLATE_NOOP("StringTable", "Average time")},
    {IDS_BEST_RUN, QT_TRANSLATE_NOOP("StringTable", "Best run of wins")},
    {IDS_GUESS_CHART, QT_TRANSLATE_NOOP("StringTable", "Won games by number of guesses")},
    {IDS_CHART_DESCRIPTION,
     QT_TRANSLATE_NOOP("StringTable", "Games won by number of guesses: %1.")},
    {IDS_CHART_LAST, QT_TRANSLATE_NOOP("StringTable", "Last won game: %1.")},
    {IDS_CHART_EMPTY, QT_TRANSLATE_NOOP("StringTable", "No game won yet.")},
    {IDS_ONE_GUESS, QT_TRANSLATE_NOOP("StringTable", "1 guess")},
    {IDS_GUESSES, QT_TRANSLATE_NOOP("StringTable", "%1!d! guesses")},
    {IDS_MORE_GUESSES, QT_TRANSLATE_NOOP("StringTable", "16 or more guesses")},
    {IDS_A11Y_LETTER, QT_TRANSLATE_NOOP("StringTable", "Letter %1")},
    {IDS_A11Y_GUESS_ROW, QT_TRANSLATE_NOOP("StringTable", "Guess %1: %2, %3")},
    {IDS_A11Y_PINS, QT_TRANSLATE_NOOP("StringTable", "%1 right, %2 elsewhere")},
    {IDS_A11Y_DICTIONARY, QT_TRANSLATE_NOOP("StringTable", "Dictionary: %1")},
    {IDS_A11Y_DROP, QT_TRANSLATE_NOOP("StringTable", "Drop the guess")},
    {IDS_A11Y_NEW_GAME, QT_TRANSLATE_NOOP("StringTable", "New game")},
    {IDS_A11Y_WON, QT_TRANSLATE_NOOP("StringTable", "You found %1 with guess %2, in %3.")},
    {IDS_A11Y_DICTIONARIES, QT_TRANSLATE_NOOP("StringTable", "Dictionaries")},
    {IDS_A11Y_WORDS, QT_TRANSLATE_NOOP("StringTable", "Words")},
    {IDS_A11Y_CASE,
     QT_TRANSLATE_NOOP("StringTable", "Switches between capitals and small letters")},
    {IDS_A11Y_PLACE, QT_TRANSLATE_NOOP("StringTable", "Place")},
    {IDS_HINT_QUESTION,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "A hint keeps this game out of the high scores and statistics. Take a hint?")},
    {IDS_WORDS_POSSIBLE, QT_TRANSLATE_NOOP("StringTable", "Words still possible: %1!d!")},
    {IDS_ONE_OF_THEM, QT_TRANSLATE_NOOP("StringTable", "One of them: %1")},
    {IDS_CONTRADICTS, QT_TRANSLATE_NOOP("StringTable", "Hard mode: %1 contradicts guess %2.")},
    {IDS_HARD_WON, QT_TRANSLATE_NOOP("StringTable", "Games won in hard mode")},
    {IDS_HELP_REVIEW, QT_TRANSLATE_NOOP("StringTable", "F3 opens the review of a won game.")},
    {IDS_REVIEW, QT_TRANSLATE_NOOP("StringTable", "Review")},
    {IDS_WORDS_LEFT_CHART,
     QT_TRANSLATE_NOOP("StringTable", "Words still possible after each guess")},
    {IDS_WORDS_LEFT_DESCRIPTION,
     QT_TRANSLATE_NOOP("StringTable", "Words still possible after each guess: %1.")},
    {IDS_COLUMN_GUESS, QT_TRANSLATE_NOOP("StringTable", "Guess")},
    {IDS_COLUMN_PINS, QT_TRANSLATE_NOOP("StringTable", "Pins")},
    {IDS_COLUMN_BEFORE, QT_TRANSLATE_NOOP("StringTable", "Before")},
    {IDS_COLUMN_AFTER, QT_TRANSLATE_NOOP("StringTable", "After")},
    {IDS_COLUMN_BEST, QT_TRANSLATE_NOOP("StringTable", "Best")},
    {IDS_COLUMN_NEEDS, QT_TRANSLATE_NOOP("StringTable", "Needs")},
    {IDS_REVIEW_SUMMARY,
     QT_TRANSLATE_NOOP("StringTable", "The best guess each time: %1. You: %2.")},
    {IDS_REVIEW_NOT_FOUND,
     QT_TRANSLATE_NOOP("StringTable",
                       "The word is not in the dictionary: the best guesses never find it.")},
    {IDS_A11Y_NUMBER, QT_TRANSLATE_NOOP("StringTable", "Number")},
};

const char* FindResString(int nId)
{
    for (const StringRow& row : STRING_TABLE) {
        if (row.nId == nId)
            return row.pszText;
    }
    return nullptr;
}

} // namespace

QString LoadResString(int nId)
{
    return QString::fromUtf8(FindResString(nId));
}

const char* LocalizedSource(int nId)
{
    return nId >= IDS_SELECT_NAME ? FindResString(nId) : nullptr;
}
