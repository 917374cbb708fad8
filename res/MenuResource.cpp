#include "MenuResource.h"

namespace
{

using enum MenuItemKind;

constexpr MenuItemRes SEPARATOR_ONLY[] = {{Separator, 0, "", {}}};

// The dictionaries are put in front of the separator when the menu opens.
constexpr MenuItemRes DICTIONARY_POPUP[] = {
    {Separator, 0, "", {}},
    {String, 1402, "Info...", {}},
};

constexpr MenuItemRes ENGLISH_MENU[] = {
    {Popup, 0, "&Dictionary", DICTIONARY_POPUP},
    {Popup, 0, "&Program", SEPARATOR_ONLY},
    {String, 1404, "&Sound", {}},
    {Separator, 0, "", {}},
    {String, 1405, "&New Game", {}},
    {String, 1411, "Hi&gh Scores...", {}},
    {String, 1409, "&Cheat...", {}},
    {String, 1410, "Set Wo&rd...", {}},
    {Separator, 0, "", {}},
    {String, 1406, "&Help...", {}},
    {String, 1407, "&About...", {}},
    {Separator, 0, "", {}},
    {String, 1408, "E&xit", {}},
};

constexpr MenuItemRes DUTCH_MENU[] = {
    {Popup, 0, "&Woordenboek", DICTIONARY_POPUP},
    {Popup, 0, "&Programma", SEPARATOR_ONLY},
    {String, 1404, "&Geluid", {}},
    {Separator, 0, "", {}},
    {String, 1405, "&Nieuw spel", {}},
    {String, 1411, "Hoogste s&cores...", {}},
    {String, 1409, "&Spieken...", {}},
    {String, 1410, "Woo&rd instellen...", {}},
    {Separator, 0, "", {}},
    {String, 1406, "&Help...", {}},
    {String, 1407, "&Over...", {}},
    {Separator, 0, "", {}},
    {String, 1408, "A&fsluiten", {}},
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
    if (nId == IDR_FLAGMENU)
        return FLAG_MENU;
    return {};
}
