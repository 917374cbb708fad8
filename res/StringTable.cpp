#include "res/StringTable.h"

#include "res/Resource.h"

namespace
{

struct StringRow {
    int nId;
    const char* pszText; // UTF-8
};

// The localized strings of the second program language sit one step after the first's.
constexpr int DUTCH = IDS_LANG_STEP;

// Dictionary names and codes are the same in every program language.
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
    {IDS_SELECT_NAME, "Please select your name:"},
    {IDS_ENTER_NAME, "Please enter your name:"},
    {IDS_DICTIONARY, "Dictionary"},
    {IDS_HELP, "Help"},
    {IDS_SELECT, "&Select"},
    {IDS_OK, "OK"},
    {IDS_CANCEL, "Cancel"},
    {IDS_YES, "&Yes"},
    {IDS_NO, "&No"},
    {IDS_NEW, "&New"},
    {IDS_DELETE, "&Delete"},
    {IDS_ABORT_GAME, "Are you sure you want to abort the current game?"},
    {IDS_RESTART_TO, "If you %1, the game must be restarted.\nAbort the current game?"},
    {IDS_TO_CHANGE_PLAYER, "select another player"},
    {IDS_TO_CHANGE_DICTIONARY, "select another dictionary"},
    {IDS_TO_SET_WORD, "set the word"},
    {IDS_DELETE_PLAYER, "Are you sure you want to delete player '%1'?"},
    {IDS_SURE_TO_CHEAT, "Are you sure you want to cheat?"},
    {IDS_RATHER_GUESS, "Don't you think it's more fun trying to guess it yourself?"},
    {IDS_WORD_IS, "OK, then... the word is '%1'"},
    {IDS_WORD_COUNT, "%1!d! words"},
    {IDS_HELP_RULES,
     "Try to guess the secret word!\nFor every guess, you'll get a number of pins: a black "
     "pin for every letter on the correct position, and a white pin for a letter correct "
     "but on the wrong position."},
    {IDS_HELP_END,
     "Four black pins means they're all correct, and that's the end of the game. Hit the "
     "'play' button on the right to start another game."},
    {IDS_HELP_TIP,
     "Tip: if you're really stuck, try holding the 'Shift' key while clicking the 'Flag' "
     "menu button..."},
    {IDS_HELP_KEYS,
     "Keys: type the four letters and press Enter; Backspace steps back, Space clears a "
     "cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the "
     "Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl "
     "Set Word), Escape closes a window or ends the game."},
    {IDS_ENTER_WORD, "Enter word:"},
    {IDS_HIGH_SCORES, "High Scores"},
    {IDS_CLEAR_ALL, "&Clear All"},
    {IDS_SURE_TO_CLEAR, "Are you sure you want to remove all high scores?"},
    {IDS_COLUMN_NAME, "Name"},
    {IDS_COLUMN_TIME, "Time"},
    {IDS_COLUMN_LEVEL, "Level"},
    {IDS_COLUMN_LANG, "Lang"},
    {IDS_COLUMN_WORD, "Word"},
    {IDS_HIGHEST_SCORE, "You've got the Highest Score!!"},
    {IDS_HIGH_SCORE_PLACE, "High Score: # %1!d!!"},
    {IDS_TIP_FLAG, "Menu: dictionaries, language, sound…"},
    {IDS_TIP_PLAYER, "Change the player"},
    {IDS_TIP_DROP, "Drop the guess onto the board (Enter)"},
    {IDS_TIP_NEW_GAME, "Start a new game (Enter)"},
    {IDS_STATISTICS, "Statistics"},
    {IDS_ALL_DICTIONARIES, "All"},
    {IDS_GAMES_WON, "Games won"},
    {IDS_GAMES_ABANDONED, "Games abandoned"},
    {IDS_CURRENT_RUN, "Current run of wins"},
    {IDS_BEST_TIME, "Best time"},
    {IDS_AVERAGE_TIME, "Average time"},
    {IDS_BEST_RUN, "Best run of wins"},
    {IDS_GUESS_CHART, "Won games by number of guesses"},
    {IDS_CHART_DESCRIPTION, "Games won by number of guesses: %1."},
    {IDS_CHART_LAST, "Last won game: %1."},
    {IDS_CHART_EMPTY, "No game won yet."},
    {IDS_ONE_GUESS, "1 guess"},
    {IDS_GUESSES, "%1!d! guesses"},
    {IDS_MORE_GUESSES, "16 or more guesses"},
    {IDS_A11Y_LETTER, "Letter %1"},
    {IDS_A11Y_GUESS_ROW, "Guess %1: %2, %3"},
    {IDS_A11Y_PINS, "%1 right, %2 elsewhere"},
    {IDS_A11Y_DICTIONARY, "Dictionary: %1"},
    {IDS_A11Y_DROP, "Drop the guess"},
    {IDS_A11Y_NEW_GAME, "New game"},
    {IDS_A11Y_WON, "You found %1 with guess %2, in %3."},
    {IDS_A11Y_DICTIONARIES, "Dictionaries"},
    {IDS_A11Y_WORDS, "Words"},
    {IDS_A11Y_CASE, "Switches between capitals and small letters"},
    {IDS_A11Y_PLACE, "Place"},
    {IDS_SELECT_NAME + DUTCH, "Kies je naam uit de lijst:"},
    {IDS_ENTER_NAME + DUTCH, "Vul je naam in:"},
    {IDS_DICTIONARY + DUTCH, "Woordenboek"},
    {IDS_HELP + DUTCH, "Help"},
    {IDS_SELECT + DUTCH, "&Selecteren"},
    {IDS_OK + DUTCH, "OK"},
    {IDS_CANCEL + DUTCH, "Annuleren"},
    {IDS_YES + DUTCH, "&Ja"},
    {IDS_NO + DUTCH, "&Nee"},
    {IDS_NEW + DUTCH, "&Nieuw"},
    {IDS_DELETE + DUTCH, "&Wissen"},
    {IDS_ABORT_GAME + DUTCH, "Wil je het spel afbreken?"},
    {IDS_RESTART_TO + DUTCH,
     "Wanneer je een %1, moet het spel opnieuw worden gestart.\nHet spel afbreken?"},
    {IDS_TO_CHANGE_PLAYER + DUTCH, "andere speler kiest"},
    {IDS_TO_CHANGE_DICTIONARY + DUTCH, "ander woordenboek kiest"},
    {IDS_TO_SET_WORD + DUTCH, "ander woord instelt"},
    {IDS_DELETE_PLAYER + DUTCH, "Wil je werkelijk speler '%1' verwijderen?"},
    {IDS_SURE_TO_CHEAT + DUTCH, "Ben je zeker dat je wil spieken?"},
    {IDS_RATHER_GUESS + DUTCH, "Denk je niet dat het leuker is het woord zelf te raden?"},
    {IDS_WORD_IS + DUTCH, "OK dan... het woord is '%1'"},
    {IDS_WORD_COUNT + DUTCH, "%1!d! woorden"},
    {IDS_HELP_RULES + DUTCH,
     "Probeer het verborgen woord te raden!\nVoor elke poging krijg je een aantal "
     "pinnetjes: een zwart voor elke correcte letter, en een wit voor elke juiste letter "
     "die niet op de juiste plaats staat."},
    {IDS_HELP_END + DUTCH,
     "Wanneer je het woord geraden hebt, krijg je vier zwarte pinnetjes, en dat is het "
     "einde van het spel. Klik de knop aan de rechterkant om een nieuw spel te beginnen."},
    {IDS_HELP_TIP + DUTCH,
     "Tip: wanneer het echt niet lukt het woord te raden, probeer eens de 'Shift' toets in "
     "te drukken terwijl je op het vlaggetje klikt..."},
    {IDS_HELP_KEYS + DUTCH,
     "Toetsen: typ de vier letters en druk op Enter; Backspace gaat terug, de spatiebalk "
     "maakt een vakje leeg, de pijltjes gaan van vakje naar vakje. F2 begint een nieuw spel, "
     "F1 opent deze help, de menutoets of Shift+F10 het vlaggetjesmenu (de menutoets met "
     "Shift erbij geeft Spieken, met Ctrl Woord instellen), Escape sluit een venster of "
     "beëindigt het spel."},
    {IDS_ENTER_WORD + DUTCH, "Vul woord in:"},
    {IDS_HIGH_SCORES + DUTCH, "Hoogste scores"},
    {IDS_CLEAR_ALL + DUTCH, "Alles &wissen"},
    {IDS_SURE_TO_CLEAR + DUTCH, "Wil je werkelijk alle scores wissen?"},
    {IDS_COLUMN_NAME + DUTCH, "Naam"},
    {IDS_COLUMN_TIME + DUTCH, "Tijd"},
    {IDS_COLUMN_LEVEL + DUTCH, "Level"},
    {IDS_COLUMN_LANG + DUTCH, "Taal"},
    {IDS_COLUMN_WORD + DUTCH, "Woord"},
    {IDS_HIGHEST_SCORE + DUTCH, "Je hebt de hoogste score!!"},
    {IDS_HIGH_SCORE_PLACE + DUTCH, "Hoge score: %1!d!e plaats!"},
    {IDS_TIP_FLAG + DUTCH, "Menu: woordenboeken, taal, geluid…"},
    {IDS_TIP_PLAYER + DUTCH, "Een andere speler kiezen"},
    {IDS_TIP_DROP + DUTCH, "De gok op het bord leggen (Enter)"},
    {IDS_TIP_NEW_GAME + DUTCH, "Een nieuw spel beginnen (Enter)"},
    {IDS_STATISTICS + DUTCH, "Statistieken"},
    {IDS_ALL_DICTIONARIES + DUTCH, "Alle"},
    {IDS_GAMES_WON + DUTCH, "Gewonnen spellen"},
    {IDS_GAMES_ABANDONED + DUTCH, "Afgebroken spellen"},
    {IDS_CURRENT_RUN + DUTCH, "Huidige reeks"},
    {IDS_BEST_TIME + DUTCH, "Beste tijd"},
    {IDS_AVERAGE_TIME + DUTCH, "Gemiddelde tijd"},
    {IDS_BEST_RUN + DUTCH, "Langste reeks"},
    {IDS_GUESS_CHART + DUTCH, "Gewonnen spellen per aantal pogingen"},
    {IDS_CHART_DESCRIPTION + DUTCH, "Gewonnen spellen per aantal pogingen: %1."},
    {IDS_CHART_LAST + DUTCH, "Laatst gewonnen spel: %1."},
    {IDS_CHART_EMPTY + DUTCH, "Nog geen spel gewonnen."},
    {IDS_ONE_GUESS + DUTCH, "1 poging"},
    {IDS_GUESSES + DUTCH, "%1!d! pogingen"},
    {IDS_MORE_GUESSES + DUTCH, "16 of meer pogingen"},
    {IDS_A11Y_LETTER + DUTCH, "Letter %1"},
    {IDS_A11Y_GUESS_ROW + DUTCH, "Gok %1: %2, %3"},
    {IDS_A11Y_PINS + DUTCH, "%1 goed, %2 elders"},
    {IDS_A11Y_DICTIONARY + DUTCH, "Woordenboek: %1"},
    {IDS_A11Y_DROP + DUTCH, "De gok neerleggen"},
    {IDS_A11Y_NEW_GAME + DUTCH, "Nieuw spel"},
    {IDS_A11Y_WON + DUTCH, "Je vond %1 met gok %2, in %3."},
    {IDS_A11Y_DICTIONARIES + DUTCH, "Woordenboeken"},
    {IDS_A11Y_WORDS + DUTCH, "Woorden"},
    {IDS_A11Y_CASE + DUTCH, "Wisselt tussen hoofdletters en kleine letters"},
    {IDS_A11Y_PLACE + DUTCH, "Plaats"},
};

} // namespace

QString LoadResString(int nId)
{
    for (const StringRow& row : STRING_TABLE) {
        if (row.nId == nId)
            return QString::fromUtf8(row.pszText);
    }
    return {};
}
