#include "res/DialogTemplates.h"

#include "res/Resource.h"

namespace
{

using enum DlgItemKind;

constexpr unsigned LETTER_CELL = ITEM_BORDER | ITEM_CENTER | ITEM_AUTOHSCROLL | ITEM_TABSTOP;
constexpr unsigned ROW_CELL = ITEM_CENTER | ITEM_VCENTER | ITEM_SUNKEN;

// The main game window.
constexpr DlgItem GAME_ITEMS[] = {
    {IDC_PLAYER, PushButton, "", 5, 5, 70, 10, ITEM_VCENTER | ITEM_TABSTOP},
    {IDC_FLAG, PushButton, "", 5, 20, 10, 10, ITEM_ICON | ITEM_TABSTOP},
    {IDC_FIRST_LETTER, Edit, "", 20, 20, 10, 10, LETTER_CELL},
    {IDC_FIRST_LETTER + 1, Edit, "", 30, 20, 10, 10, LETTER_CELL},
    {IDC_FIRST_LETTER + 2, Edit, "", 40, 20, 10, 10, LETTER_CELL},
    {IDC_LAST_LETTER, Edit, "", 50, 20, 10, 10, LETTER_CELL},
    {IDOK, PushButton, "", 65, 20, 10, 10, ITEM_DEFAULT | ITEM_ICON | ITEM_TABSTOP},
};

// One row of the guess board.
constexpr DlgItem GUESS_ROW_ITEMS[] = {
    {IDC_ROW_NUMBER, Static, "", 5, 0, 10, 10, ROW_CELL | ITEM_DISABLED},
    {IDC_FIRST_LETTER, Static, "", 20, 0, 10, 10, ROW_CELL},
    {IDC_FIRST_LETTER + 1, Static, "", 30, 0, 10, 10, ROW_CELL},
    {IDC_FIRST_LETTER + 2, Static, "", 40, 0, 10, 10, ROW_CELL},
    {IDC_LAST_LETTER, Static, "", 50, 0, 10, 10, ROW_CELL},
    {IDC_ROW_PINS, StaticIcon, "", 65, 0, 10, 10, ITEM_CENTER | ITEM_VCENTER | ITEM_SUNKEN},
};

// "Please enter your name:"
constexpr DlgItem NAME_ITEMS[] = {
    {IDOK, PushButton, "OK", 118, 18, 36, 12, ITEM_DEFAULT | ITEM_TABSTOP},
    {IDC_TEXT, Static, "Please enter your name:", 6, 6, 148, 10, 0},
    {IDC_NAME, Edit, "", 6, 18, 106, 12, ITEM_BORDER | ITEM_TABSTOP | ITEM_AUTOHSCROLL},
};

// The player chooser.
constexpr DlgItem PLAYER_ITEMS[] = {
    {IDOK, PushButton, "OK", 90, 60, 36, 12, ITEM_DEFAULT | ITEM_TABSTOP},
    {IDC_TEXT, Static, "", 6, 6, 120, 10, 0},
    {IDC_PLAYERS, ListBox, "", 6, 18, 120, 50,
     ITEM_SORT | ITEM_NOTIFY | ITEM_VSCROLL | ITEM_BORDER | ITEM_TABSTOP},
    {IDC_NAME, Edit, "", 6, 60, 78, 12,
     ITEM_HIDDEN | ITEM_DISABLED | ITEM_BORDER | ITEM_TABSTOP | ITEM_AUTOHSCROLL},
    {IDC_NEW, PushButton, "&New", 6, 60, 36, 12, ITEM_TABSTOP},
    {IDC_DELETE, PushButton, "&Delete", 48, 60, 36, 12, ITEM_TABSTOP},
};

// The dictionary chooser.
constexpr DlgItem DICTIONARY_ITEMS[] = {
    {IDC_DICTIONARIES, ListBox, "", 6, 6, 72, 96,
     ITEM_NOTIFY | ITEM_SORT | ITEM_VSCROLL | ITEM_BORDER | ITEM_TABSTOP},
    {IDC_WORDS, ListBox, "", 84, 6, 42, 180,
     ITEM_NOTIFY | ITEM_SORT | ITEM_NOSEL | ITEM_VSCROLL | ITEM_BORDER | ITEM_TABSTOP},
    {IDC_PICTURE, PushButton, "", 6, 108, 18, 18, ITEM_ICON | ITEM_CENTER | ITEM_TABSTOP},
    {IDC_COUNT, Static, "", 30, 108, 48, 18, ITEM_VCENTER},
    {IDOK, PushButton, "&Select", 6, 174, 72, 12, ITEM_DEFAULT | ITEM_TABSTOP},
};

// The about box.
constexpr DlgItem ABOUT_ITEMS[] = {
    {IDC_NAME_VERSION, Static, "", 6, 6, 120, 24, 0},
    {IDC_STATIC, Static, "\u00a9 2026", 6, 102, 30, 12, ITEM_VCENTER},
    {IDC_LINK, Static, "Torvane", 36, 102, 30, 12, ITEM_VCENTER},
    {IDC_STATIC, StaticIcon, "", 54, 48, 42, 42, 0, IDI_PROGRAM},
};

// The help window.
constexpr DlgItem HELP_ITEMS[] = {
    {IDC_TEXT, Static, "", 6, 6, 188, 180, 0},
};

// The language chooser, shown before any language is known: each program language's flag with
// its own name, in the dictionaries' order, down the first column and then the second.
constexpr unsigned LANGUAGE_FLAG = ITEM_ICON | ITEM_TABSTOP;
constexpr DlgItem LANGUAGE_ITEMS[] = {
    {IDC_FIRST_LANGUAGE + 3, PushButton, "", 6, 6, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "Deutsch", 28, 6, 44, 18, ITEM_VCENTER},
    {IDC_FIRST_LANGUAGE + 0, PushButton, "", 6, 28, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "English", 28, 28, 44, 18, ITEM_VCENTER},
    {IDC_FIRST_LANGUAGE + 5, PushButton, "", 6, 50, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "Espa\u00f1ol", 28, 50, 44, 18, ITEM_VCENTER},
    {IDC_FIRST_LANGUAGE + 7, PushButton, "", 6, 72, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "Esperanto", 28, 72, 44, 18, ITEM_VCENTER},
    {IDC_FIRST_LANGUAGE + 2, PushButton, "", 6, 94, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "Fran\u00e7ais", 28, 94, 44, 18, ITEM_VCENTER},
    {IDC_FIRST_LANGUAGE + 10, PushButton, "", 78, 6, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "Gaeilge", 100, 6, 44, 18, ITEM_VCENTER},
    {IDC_FIRST_LANGUAGE + 4, PushButton, "", 78, 28, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "Italiano", 100, 28, 44, 18, ITEM_VCENTER},
    {IDC_FIRST_LANGUAGE + 9, PushButton, "", 78, 50, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "Kiswahili", 100, 50, 44, 18, ITEM_VCENTER},
    {IDC_FIRST_LANGUAGE + 8, PushButton, "", 78, 72, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "Latinum", 100, 72, 44, 18, ITEM_VCENTER},
    {IDC_FIRST_LANGUAGE + 1, PushButton, "", 78, 94, 18, 18, LANGUAGE_FLAG},
    {IDC_STATIC, Static, "Nederlands", 100, 94, 44, 18, ITEM_VCENTER},
};

// Set Word.
constexpr DlgItem SET_WORD_ITEMS[] = {
    {IDOK, PushButton, "OK", 58, 18, 36, 12, ITEM_DEFAULT | ITEM_TABSTOP},
    {IDC_TEXT, Static, "Enter word:", 6, 6, 88, 10, 0},
    {IDC_WORD, Edit, "", 6, 18, 46, 12, ITEM_BORDER | ITEM_TABSTOP | ITEM_AUTOHSCROLL},
};

// The program's own message box.
constexpr DlgItem MESSAGE_ITEMS[] = {
    {IDOK, PushButton, "OK", 66, 52, 54, 14, ITEM_DEFAULT | ITEM_TABSTOP},
    {IDCANCEL, PushButton, "Cancel", 126, 52, 54, 14, ITEM_TABSTOP},
    {IDC_PICTURE, StaticIcon, "", 6, 6, 21, 21, 0, IDI_PROGRAM},
    {IDC_TEXT, Static, "", 36, 6, 144, 42, 0},
};

// The high score list.
constexpr DlgItem HIGH_SCORES_ITEMS[] = {
    {IDOK, PushButton, "OK", 162, 124, 72, 14, ITEM_DEFAULT | ITEM_TABSTOP},
    {IDC_CLEAR_ALL, PushButton, "&Clear All", 6, 124, 72, 14, ITEM_TABSTOP},
    {IDC_SCORES, ListView, "", 6, 6, 228, 112, ITEM_BORDER | ITEM_TABSTOP | ITEM_DISABLED},
};

// The high score notice.
constexpr DlgItem HIGH_SCORE_NOTICE_ITEMS[] = {
    {IDC_TEXT, Static, "", 6, 6, 120, 12, ITEM_VCENTER},
};

// A player's statistics: the dictionary and its flag, seven figures, the chart of guesses.
constexpr unsigned FIGURE = ITEM_VCENTER | ITEM_RIGHT;
constexpr DlgItem STATISTICS_ITEMS[] = {
    {IDC_PICTURE, StaticIcon, "", 6, 6, 18, 18, 0}, // the label of the dictionary choice
    {IDC_DICTIONARIES, ComboBox, "", 30, 8, 90, 14, ITEM_TABSTOP},
    {IDC_NAME, Static, "", 126, 6, 100, 18, ITEM_VCENTER | ITEM_RIGHT},
    {IDC_FIRST_FIGURE_LABEL, Static, "", 6, 32, 64, 10, ITEM_VCENTER},
    {IDC_FIRST_FIGURE, Static, "", 70, 32, 42, 10, FIGURE},
    {IDC_FIRST_FIGURE_LABEL + 1, Static, "", 6, 44, 64, 10, ITEM_VCENTER},
    {IDC_FIRST_FIGURE + 1, Static, "", 70, 44, 42, 10, FIGURE},
    {IDC_FIRST_FIGURE_LABEL + 2, Static, "", 6, 56, 64, 10, ITEM_VCENTER},
    {IDC_FIRST_FIGURE + 2, Static, "", 70, 56, 42, 10, FIGURE},
    {IDC_FIRST_FIGURE_LABEL + 3, Static, "", 122, 32, 58, 10, ITEM_VCENTER},
    {IDC_FIRST_FIGURE + 3, Static, "", 180, 32, 46, 10, FIGURE},
    {IDC_FIRST_FIGURE_LABEL + 4, Static, "", 122, 44, 58, 10, ITEM_VCENTER},
    {IDC_FIRST_FIGURE + 4, Static, "", 180, 44, 46, 10, FIGURE},
    {IDC_FIRST_FIGURE_LABEL + 5, Static, "", 122, 56, 58, 10, ITEM_VCENTER},
    {IDC_FIRST_FIGURE + 5, Static, "", 180, 56, 46, 10, FIGURE},
    // The hard mode wins, on a line of their own below both columns.
    {IDC_FIRST_FIGURE_LABEL + 6, Static, "", 6, 68, 174, 10, ITEM_VCENTER},
    {IDC_FIRST_FIGURE + 6, Static, "", 180, 68, 46, 10, FIGURE},
    {IDC_CHART_CAPTION, Static, "", 6, 86, 220, 10, ITEM_VCENTER},
    {IDC_CHART, Static, "", 6, 98, 220, 68, ITEM_TABSTOP},
    {IDOK, PushButton, "OK", 154, 172, 72, 14, ITEM_DEFAULT | ITEM_TABSTOP},
};

// The review of a won game: the chart of the words still possible, the list of guesses and
// what the best guesses would have needed.
constexpr DlgItem REVIEW_ITEMS[] = {
    {IDC_CHART_CAPTION, Static, "", 6, 6, 228, 10, ITEM_VCENTER},
    {IDC_CHART, Static, "", 6, 18, 228, 44, ITEM_TABSTOP},
    {IDC_GUESSES, ListView, "", 6, 68, 228, 88, ITEM_BORDER | ITEM_TABSTOP},
    {IDC_SUMMARY, Static, "", 6, 160, 228, 18, 0},
    {IDOK, PushButton, "OK", 162, 182, 72, 14, ITEM_DEFAULT | ITEM_TABSTOP},
};

constexpr DlgTemplate TEMPLATES[] = {
    {IDD_GAME, "Kelvara", "Georgia", 12, 80, 35,
     DLG_CAPTION | DLG_SYSMENU | DLG_MINIMIZE | DLG_APPWINDOW, GAME_ITEMS},
    {IDD_GUESS_ROW, "", "Georgia", 12, 80, 15, DLG_CHILD, GUESS_ROW_ITEMS},
    {IDD_NAME, "Kelvara", "Tahoma", 8, 160, 36, DLG_CAPTION, NAME_ITEMS},
    {IDD_PLAYER, "Kelvara", "Tahoma", 8, 132, 78, DLG_CAPTION | DLG_SYSMENU, PLAYER_ITEMS},
    {IDD_DICTIONARY, "Dictionary", "Tahoma", 8, 130, 191, DLG_CAPTION | DLG_SYSMENU,
     DICTIONARY_ITEMS},
    {IDD_ABOUT, "", "Tahoma", 8, 132, 119, DLG_THINBORDER, ABOUT_ITEMS},
    {IDD_HELP, "Help", "Georgia", 8, 200, 192, DLG_CAPTION | DLG_SYSMENU, HELP_ITEMS},
    {IDD_LANGUAGE, "Select Language", "Tahoma", 8, 150, 118, DLG_CAPTION, LANGUAGE_ITEMS},
    {IDD_SET_WORD, "Kelvara", "Tahoma", 8, 100, 36, DLG_CAPTION | DLG_SYSMENU, SET_WORD_ITEMS},
    {IDD_MESSAGE, "Kelvara", "Tahoma", 8, 186, 72, DLG_CAPTION, MESSAGE_ITEMS},
    {IDD_HIGH_SCORES, "High Scores", "Tahoma", 8, 240, 142, DLG_CAPTION | DLG_SYSMENU,
     HIGH_SCORES_ITEMS},
    {IDD_HIGH_SCORE_NOTICE, "", "Georgia", 12, 132, 24, DLG_THINBORDER, HIGH_SCORE_NOTICE_ITEMS},
    {IDD_STATISTICS, "Statistics", "Tahoma", 8, 232, 192, DLG_CAPTION | DLG_SYSMENU,
     STATISTICS_ITEMS},
    {IDD_REVIEW, "Review", "Tahoma", 8, 240, 202, DLG_CAPTION | DLG_SYSMENU, REVIEW_ITEMS},
};

} // namespace

const DlgTemplate* FindDialogTemplate(int nId)
{
    for (const DlgTemplate& dlg : TEMPLATES) {
        if (dlg.nId == nId)
            return &dlg;
    }
    return nullptr;
}
