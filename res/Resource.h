#pragma once

// Every id of Kelvara's resources, controls, commands, strings, sounds and timers, once.
// Numbers may repeat across kinds (201 is a dictionary's word list, flag, name and menu
// command alike), never within one.

// Dialog results and the standard controls.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;

// Dialog templates.
constexpr int IDD_GAME = 1201;
constexpr int IDD_GUESS_ROW = 1202;
constexpr int IDD_NAME = 1203;
constexpr int IDD_PLAYER = 1204;
constexpr int IDD_DICTIONARY = 1205;
constexpr int IDD_ABOUT = 1206;
constexpr int IDD_HELP = 1207;
constexpr int IDD_LANGUAGE = 1208;
constexpr int IDD_SET_WORD = 1209;
constexpr int IDD_MESSAGE = 1210;
constexpr int IDD_HIGH_SCORES = 1211;
constexpr int IDD_HIGH_SCORE_NOTICE = 1212;
constexpr int IDD_STATISTICS = 1213;
constexpr int IDD_REVIEW = 1214;

// The flag menu.
constexpr int IDR_FLAG_MENU = 128;

// The dictionaries: slot n has word list, flag icon, name string and menu command
// IDR_FIRST_DICTIONARY + n; IDR_NO_DICTIONARY stands for a slot that does not exist.
constexpr int IDR_NO_DICTIONARY = 200;
constexpr int IDR_FIRST_DICTIONARY = 201;
constexpr int IDR_LAST_DICTIONARY = 299;

// Controls of the main window and its guess rows.
constexpr int IDC_FLAG = 2000;
constexpr int IDC_ROW_PINS = 2001;
constexpr int IDC_ROW_NUMBER = 2002;
constexpr int IDC_PLAYER = 2003;
constexpr int IDC_FIRST_LETTER = 2200; // four cells, left to right
constexpr int IDC_LAST_LETTER = 2203;

// Controls of the dialogs.
constexpr int IDC_FIRST_LANGUAGE = 201; // the language chooser's flags: + program language
constexpr int IDC_NAME = 3001;
constexpr int IDC_PLAYERS = 3002;
constexpr int IDC_NEW = 3003;
constexpr int IDC_DELETE = 3004;
constexpr int IDC_TEXT = 3005; // the prompt or message of a dialog
constexpr int IDC_DICTIONARIES = 3006;
constexpr int IDC_WORDS = 3007;
constexpr int IDC_PICTURE = 3008; // the flag of a dictionary, the message box's icon
constexpr int IDC_COUNT = 3009;
constexpr int IDC_NAME_VERSION = 3010;
constexpr int IDC_LINK = 3011;
constexpr int IDC_WORD = 3012;
constexpr int IDC_SCORES = 3013;
constexpr int IDC_CLEAR_ALL = 3014;
constexpr int IDC_CHART = 3015; // the bars of the statistics
constexpr int IDC_CHART_CAPTION = 3016;
constexpr int IDC_GUESSES = 3017; // the review's list of guesses
constexpr int IDC_SUMMARY = 3018;
// The statistics' figures, each a label and a value.
constexpr int IDC_FIRST_FIGURE_LABEL = 3020;
constexpr int IDC_FIRST_FIGURE = 3030;
constexpr int FIGURE_COUNT = 7;

// Menu commands. A dictionary is chosen with IDR_FIRST_DICTIONARY + slot.
constexpr int ID_FIRST_PROG_LANG = 1301; // + program language
constexpr int ID_LAST_PROG_LANG = 1399;
constexpr int ID_DICTIONARY_INFO = 1402;
constexpr int ID_SOUND = 1404;
constexpr int ID_NEW_GAME = 1405;
constexpr int ID_HELP = 1406;
constexpr int ID_ABOUT = 1407;
constexpr int ID_EXIT = 1408;
constexpr int ID_CHEAT = 1409;
constexpr int ID_SET_WORD = 1410;
constexpr int ID_HIGH_SCORES = 1411;
constexpr int ID_STATISTICS = 1412;
constexpr int ID_HINT = 1413;
constexpr int ID_REVIEW = 1414;
constexpr int ID_HARD_MODE = 1415;
constexpr int ID_HELP_INDEX = 57670; // the toolkit's Help command, raised by F1

// Icons; a dictionary's flag is its IDR_ id.
constexpr int IDI_PROGRAM = 128;
constexpr int IDI_FIRST_PIN = 1000; // + 10 x black + white
constexpr int IDI_PLAY = 1100;
constexpr int IDI_DROP = 1101;

// Strings. Dictionary names and codes are the same in every program language.
constexpr int IDS_FIRST_DICT_NAME = 201; // + slot
constexpr int IDS_FIRST_DICT_CODE = 301; // + slot
// The localized strings, from here on: English in the table, the others in res/i18n.
constexpr int IDS_SELECT_NAME = 10001;
constexpr int IDS_ENTER_NAME = 10002;
constexpr int IDS_DICTIONARY = 10003;
constexpr int IDS_HELP = 10004;
constexpr int IDS_SELECT = 10005;
constexpr int IDS_OK = 10006;
constexpr int IDS_CANCEL = 10007;
constexpr int IDS_YES = 10008;
constexpr int IDS_NO = 10009;
constexpr int IDS_NEW = 10010;
constexpr int IDS_DELETE = 10011;
constexpr int IDS_ABORT_GAME = 10012;
constexpr int IDS_RESTART_TO = 10013;
constexpr int IDS_TO_CHANGE_PLAYER = 10014;
constexpr int IDS_TO_CHANGE_DICTIONARY = 10015;
constexpr int IDS_TO_SET_WORD = 10016;
constexpr int IDS_DELETE_PLAYER = 10017;
constexpr int IDS_SURE_TO_CHEAT = 10018;
constexpr int IDS_RATHER_GUESS = 10019;
constexpr int IDS_WORD_IS = 10020;
constexpr int IDS_WORD_COUNT = 10021;
constexpr int IDS_HELP_RULES = 10022;
constexpr int IDS_HELP_END = 10023;
constexpr int IDS_HELP_TIP = 10024;
constexpr int IDS_ENTER_WORD = 10025;
constexpr int IDS_HIGH_SCORES = 10026;
constexpr int IDS_CLEAR_ALL = 10027;
constexpr int IDS_SURE_TO_CLEAR = 10028;
constexpr int IDS_COLUMN_NAME = 10029;
constexpr int IDS_COLUMN_TIME = 10030;
constexpr int IDS_COLUMN_LEVEL = 10031;
constexpr int IDS_COLUMN_LANG = 10032;
constexpr int IDS_COLUMN_WORD = 10033;
constexpr int IDS_HIGHEST_SCORE = 10034;
constexpr int IDS_HIGH_SCORE_PLACE = 10035;
constexpr int IDS_TIP_FLAG = 10036;
constexpr int IDS_TIP_PLAYER = 10037;
constexpr int IDS_TIP_DROP = 10038;
constexpr int IDS_TIP_NEW_GAME = 10039;
constexpr int IDS_STATISTICS = 10040;
constexpr int IDS_ALL_DICTIONARIES = 10041;
constexpr int IDS_GAMES_WON = 10042; // the figures' labels, with IDS_HARD_WON
constexpr int IDS_GAMES_ABANDONED = 10043;
constexpr int IDS_CURRENT_RUN = 10044;
constexpr int IDS_BEST_TIME = 10045;
constexpr int IDS_AVERAGE_TIME = 10046;
constexpr int IDS_BEST_RUN = 10047;
constexpr int IDS_GUESS_CHART = 10048;
constexpr int IDS_CHART_DESCRIPTION = 10049;
constexpr int IDS_CHART_LAST = 10050;
constexpr int IDS_CHART_EMPTY = 10051;
constexpr int IDS_ONE_GUESS = 10052;
constexpr int IDS_GUESSES = 10053;
constexpr int IDS_MORE_GUESSES = 10054;
constexpr int IDS_HELP_KEYS = 10055;
// What a screen reader says of controls that show only a picture or a lone letter.
constexpr int IDS_A11Y_LETTER = 10070;
constexpr int IDS_A11Y_GUESS_ROW = 10071;
constexpr int IDS_A11Y_PINS = 10072;
constexpr int IDS_A11Y_DICTIONARY = 10073;
constexpr int IDS_A11Y_DROP = 10074;
constexpr int IDS_A11Y_NEW_GAME = 10075;
constexpr int IDS_A11Y_WON = 10076;
constexpr int IDS_A11Y_DICTIONARIES = 10077;
constexpr int IDS_A11Y_WORDS = 10078;
constexpr int IDS_A11Y_CASE = 10079;
constexpr int IDS_A11Y_PLACE = 10080;
// The coach: hints, hard mode and the review of a won game.
constexpr int IDS_HINT_QUESTION = 10081;
constexpr int IDS_WORDS_POSSIBLE = 10082;
constexpr int IDS_ONE_OF_THEM = 10083;
constexpr int IDS_CONTRADICTS = 10084;
constexpr int IDS_HARD_WON = 10085;
constexpr int IDS_HELP_REVIEW = 10086;
constexpr int IDS_REVIEW = 10087;
constexpr int IDS_WORDS_LEFT_CHART = 10088;
constexpr int IDS_WORDS_LEFT_DESCRIPTION = 10089;
constexpr int IDS_COLUMN_GUESS = 10090;
constexpr int IDS_COLUMN_PINS = 10091;
constexpr int IDS_COLUMN_BEFORE = 10092;
constexpr int IDS_COLUMN_AFTER = 10093;
constexpr int IDS_COLUMN_BEST = 10094;
constexpr int IDS_COLUMN_NEEDS = 10095;
constexpr int IDS_REVIEW_SUMMARY = 10096;
constexpr int IDS_REVIEW_NOT_FOUND = 10097;
constexpr int IDS_A11Y_NUMBER = 10098;

// The built-in sound clips, named by the event each one marks.
enum SoundId : int {
    SND_WIN = 4000, // a game won without cheating
    SND_ROW = 4001, // a guess row drops onto the board
    SND_NEW_GAME = 4002,
    SND_LETTER = 4003,        // a letter typed into a cell
    SND_CLEAR = 4004,         // Backspace or Space in a cell
    SND_REFUSED = 4005,       // a refused key, a click on a cell, a guess hard mode refuses
    SND_HIGH_SCORES = 4006,   // the high score list or the statistics open
    SND_EXIT = 4007,          // the main window closes
    SND_WINDOW_OPEN = 4008,   // dictionary chooser, help window or review opens
    SND_WINDOW_CLOSED = 4009, // dictionary chooser, help, high scores, statistics or review close
    SND_QUESTION = 4010,      // abandon-game, clear-all and hint questions
    SND_CHEAT_QUESTION = 4011,
    SND_SOUND_ON = 4012,
    SND_ABOUT = 4013,
};

// Window timers.
constexpr int IDT_NOTICE_CLOSE = 201;
constexpr int IDT_CLOCK = 202;
