#include "res/MenuResource.h"

#include "res/Resource.h"

#include <QtGlobal>

namespace
{

using enum MenuItemKind;

constexpr MenuItemRes SEPARATOR_ONLY[] = {{Separator, 0, "", {}}};

// The dictionaries are put in front of the separator when the menu opens.
constexpr MenuItemRes DICTIONARY_POPUP[] = {
    {Separator, 0, "", {}},
    {String, ID_DICTIONARY_INFO, QT_TRANSLATE_NOOP("Menu", "Info..."), {}},
};

// In English, the source text of each program language's catalog (context "Menu"); the program
// languages take the place of the separator.
constexpr MenuItemRes FLAG_MENU[] = {
    {Popup, 0, QT_TRANSLATE_NOOP("Menu", "&Dictionary"), DICTIONARY_POPUP},
    {Popup, 0, QT_TRANSLATE_NOOP("Menu", "&Program"), SEPARATOR_ONLY},
    {String, ID_SOUND, QT_TRANSLATE_NOOP("Menu", "&Sound"), {}},
    {String, ID_HARD_MODE, QT_TRANSLATE_NOOP("Menu", "Hard &Mode"), {}},
    {Separator, 0, "", {}},
    {String, ID_NEW_GAME, QT_TRANSLATE_NOOP("Menu", "&New Game"), {}},
    {String, ID_HIGH_SCORES, QT_TRANSLATE_NOOP("Menu", "Hi&gh Scores..."), {}},
    {String, ID_STATISTICS, QT_TRANSLATE_NOOP("Menu", "S&tatistics..."), {}},
    {String, ID_HINT, QT_TRANSLATE_NOOP("Menu", "H&int..."), {}},
    {String, ID_REVIEW, QT_TRANSLATE_NOOP("Menu", "Re&view Game..."), {}},
    {String, ID_CHEAT, QT_TRANSLATE_NOOP("Menu", "&Cheat..."), {}},
    {String, ID_SET_WORD, QT_TRANSLATE_NOOP("Menu", "Set Wo&rd..."), {}},
    {Separator, 0, "", {}},
    {String, ID_HELP, QT_TRANSLATE_NOOP("Menu", "&Help..."), {}},
    {String, ID_ABOUT, QT_TRANSLATE_NOOP("Menu", "&About..."), {}},
    {Separator, 0, "", {}},
    {String, ID_EXIT, QT_TRANSLATE_NOOP("Menu", "E&xit"), {}},
};

} // namespace

std::span<const MenuItemRes> FindMenuResource(int nId)
{
    if (nId == IDR_FLAG_MENU)
        return FLAG_MENU;
    return {};
}
