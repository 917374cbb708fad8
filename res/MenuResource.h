#pragma once

#include <span>

// Menu resources: a tree of popups, string items and separators.
enum class MenuItemKind { String, Separator, Popup };

struct MenuItemRes {
    MenuItemKind kind;
    int nId;                            // command id of a string item; 0 otherwise
    const char* pszText;                // English, & before the mnemonic; popup title for a popup
    std::span<const MenuItemRes> items; // a popup's content
};

// The top-level items of a menu resource; empty for an unknown id.
std::span<const MenuItemRes> FindMenuResource(int nId);
