#include "res/MenuResource.h"

#include "res/Resource.h"

namespace
{

using enum MenuItemKind;

constexpr MenuItemRes SEPARATOR_ONLY[] = {{Separator, 0, "", {}}};

// The dictionaries are put in front of the separator when the menu opens.
constexpr MenuItemRes DICTIONARY_POPUP[] = {
    {Separator, 0, "", {}},
    {String, ID_DICTIONARY_INFO, "Info...", {}},
};

constexpr MenuItemRes ENGLISH_MENU[] = {
    {Popup, 0, "&Dictionary", DICTIONARY_POPUP},
    {Popup, 0, "&Program", SEPARATOR_ONLY},
    {String, ID_SOUND, "&Sound", {}},
    {String, ID_HARD_MODE, "Hard &Mode", {}},
    {Separator, 0, "", {}},
    {String, ID_NEW_GAME, "&New Game", {}},
    {String, ID_HIGH_SCORES, "Hi&gh Scores...", {}},
    {String, ID_STATISTICS, "S&tatistics...", {}},
    {String, ID_HINT, "H&int...", {}},
    {String, ID_REVIEW, "Re&view Game...", {}},
    {String, ID_CHEAT, "&Cheat...", {}},
    {String, ID_SET_WORD, "Set Wo&rd...", {}},
    {Separator, 0, "", {}},
    {String, ID_HELP, "&Help...", {}},
    {String, ID_ABOUT, "&About...", {}},
    {Separator, 0, "", {}},
    {String, ID_EXIT, "E&xit", {}},
};

constexpr MenuItemRes DUTCH_MENU[] = {
    {Popup, 0, "&Woordenboek", DICTIONARY_POPUP},
    {Popup, 0, "&Programma", SEPARATOR_ONLY},
    {String, ID_SOUND, "&Geluid", {}},
    {String, ID_HARD_MODE, "&Moeilijke modus", {}},
    {Separator, 0, "", {}},
    {String, ID_NEW_GAME, "&Nieuw spel", {}},
    {String, ID_HIGH_SCORES, "Hoogste s&cores...", {}},
    {String, ID_STATISTICS, "S&tatistieken...", {}},
    {String, ID_HINT, "T&ip...", {}},
    {String, ID_REVIEW, "Terug&blik...", {}},
    {String, ID_CHEAT, "&Spieken...", {}},
    {String, ID_SET_WORD, "Woo&rd instellen...", {}},
    {Separator, 0, "", {}},
    {String, ID_HELP, "&Help...", {}},
    {String, ID_ABOUT, "&Over...", {}},
    {Separator, 0, "", {}},
    {String, ID_EXIT, "A&fsluiten", {}},
};

// One popup per program language, picked by position; only the first two have content.
constexpr MenuItemRes FLAG_MENU[] = {
    {Popup, 0, "EN", ENGLISH_MENU},   {Popup, 0, "NL", DUTCH_MENU},
    {Popup, 0, "FR", SEPARATOR_ONLY}, {Popup, 0, "DE", SEPARATOR_ONLY},
    {Popup, 0, "IT", SEPARATOR_ONLY}, {Popup, 0, "ES", SEPARATOR_ONLY},
    {Popup, 0, "US", SEPARATOR_ONLY}, {Popup, 0, "ES", SEPARATOR_ONLY},
    {Popup, 0, "LA", SEPARATOR_ONLY}, {Popup, 0, "SW", SEPARATOR_ONLY},
};

} // namespace

std::span<const MenuItemRes> FindMenuResource(int nId)
{
    if (nId == IDR_FLAG_MENU)
        return FLAG_MENU;
    return {};
}
