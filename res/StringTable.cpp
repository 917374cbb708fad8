#include "StringTable.h"

namespace
{

struct StringRow {
    int nId;
    const char* pszText; // UTF-8
};

// Dictionary names and codes are the same in every program language; the two
// localized blocks sit 1000 apart (English from 10001, Dutch from 11001).
constexpr StringRow STRING_TABLE[] = {
    {201, "English"},
    {202, "Nederlands"},
    {203, "Français"},
    {204, "Deutsch"},
    {205, "Italiano"},
    {206, "Español"},
    {207, "English (US)"},
    {208, "Esperanto"},
    {209, "Latinum"},
    {210, "Swahili"},
    {211, "Gaelic"},
    {301, "EN"},
    {302, "NL"},
    {303, "FR"},
    {304, "DE"},
    {305, "IT"},
    {306, "ES"},
    {307, "US"},
    {308, "EO"},
    {309, "LA"},
    {310, "SW"},
    {311, "GA"},
    {10001, "Please select your name:"},
    {10002, "Please enter your name:"},
    {10003, "Dictionary"},
    {10004, "Help"},
    {10005, "&Select"},
    {10006, "OK"},
    {10007, "Cancel"},
    {10008, "&Yes"},
    {10009, "&No"},
    {10010, "&New"},
    {10011, "&Delete"},
    {10012, "Are you sure you want to abort the current game?"},
    {10013, "If you %1, the game must be restarted.\nAbort the current game?"},
    {10014, "select another player"},
    {10015, "select another dictionary"},
    {10016, "set the word"},
    {10017, "Are you sure you want to delete player '%1'?"},
    {10018, "Are you sure you want to cheat?"},
    {10019, "Don't you think it's more fun trying to guess it yourself?"},
    {10020, "OK, then... the word is '%1'"},
    {10021, "%1!d! words"},
    {10022, "Try to guess the secret word!\nFor every guess, you'll get a number of pins: a black "
            "pin for every letter on the correct position, and a white pin for a letter correct "
            "but on the wrong position."},
    {10023, "Four black pins means they're all correct, and that's the end of the game. Hit the "
            "'play' button on the right to start another game."},
    {10024, "Tip: if you're really stuck, try holding the 'Shift' key while clicking the 'Flag' "
            "menu button..."},
    {10025, "Enter word:"},
    {10026, "High Scores"},
    {10027, "&Clear All"},
    {10028, "Are you sure you want to remove all high scores?"},
    {10029, "Name"},
    {10030, "Time"},
    {10031, "Level"},
    {10032, "Lang"},
    {10033, "Word"},
    {10034, "You've got the Highest Score!!"},
    {10035, "High Score: # %1!d!!"},
    {11001, "Kies je naam uit de lijst:"},
    {11002, "Vul je naam in:"},
    {11003, "Woordenboek"},
    {11004, "Help"},
    {11005, "&Selecteren"},
    {11006, "OK"},
    {11007, "Annuleren"},
    {11008, "&Ja"},
    {11009, "&Nee"},
    {11010, "&Nieuw"},
    {11011, "&Wissen"},
    {11012, "Wil je het spel afbreken?"},
    {11013, "Wanneer je een %1, moet het spel opnieuw worden gestart.\nHet spel afbreken?"},
    {11014, "andere speler kiest"},
    {11015, "ander woordenboek kiest"},
    {11016, "ander woord instelt"},
    {11017, "Wil je werkelijk speler '%1' verwijderen?"},
    {11018, "Ben je zeker dat je wil spieken?"},
    {11019, "Denk je niet dat het leuker is het woord zelf te raden?"},
    {11020, "OK dan... het woord is '%1'"},
    {11021, "%1!d! woorden"},
    {11022, "Probeer het verborgen woord te raden!\nVoor elke poging krijg je een aantal "
            "pinnetjes: een zwart voor elke correcte letter, en een wit voor elke juiste letter "
            "die niet op de juiste plaats staat."},
    {11023, "Wanneer je het woord geraden hebt, krijg je vier zwarte pinnetjes, en dat is het "
            "einde van het spel. Klik de knop aan de rechterkant om een nieuw spel te beginnen."},
    {11024, "Tip: wanneer het echt niet lukt het woord te raden, probeer eens de 'Shift' toets in "
            "te drukken terwijl je op het vlaggetje klikt..."},
    {11025, "Vul woord in:"},
    {11026, "Hoogste scores"},
    {11027, "Alles &wissen"},
    {11028, "Wil je werkelijk alle scores wissen?"},
    {11029, "Naam"},
    {11030, "Tijd"},
    {11031, "Level"},
    {11032, "Taal"},
    {11033, "Woord"},
    {11034, "Je hebt de hoogste score!!"},
    {11035, "Hoge score: %1!d!e plaats!"},
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
