#pragma once

#include <span>

// Dialog templates: every dialog's controls with positions and sizes in dialog units.
// One builder turns a template into widgets; the dialogs find their controls by id.

// ComboBox is a drop-down list to choose from, never an edit.
enum class DlgItemKind { PushButton, Edit, Static, StaticIcon, ListBox, ListView, ComboBox };

// Control styles, combined with |.
enum DlgItemStyle : unsigned {
    ITEM_DEFAULT = 1u << 0,  // the default push button: Enter presses it
    ITEM_HIDDEN = 1u << 1,   // not visible on creation
    ITEM_DISABLED = 1u << 2, // greyed on creation
    ITEM_CENTER = 1u << 3,   // text centred horizontally
    ITEM_VCENTER = 1u << 4,  // text centred vertically
    ITEM_SUNKEN = 1u << 5,   // sunken edge
    ITEM_ICON = 1u << 6,     // a push button that shows an icon instead of text
    ITEM_SORT = 1u << 7,     // list box sorted without regard to case
    ITEM_NOTIFY = 1u << 8,   // list box reports selection changes and double clicks
    ITEM_TABSTOP = 1u << 9,  // reachable with Tab
    ITEM_BORDER = 1u << 10,  // thin border
    ITEM_AUTOHSCROLL = 1u << 11,
    ITEM_VSCROLL = 1u << 12,
    ITEM_NOSEL = 1u << 13, // list box whose items cannot be selected
    ITEM_RIGHT = 1u << 14, // text aligned right
};

// Dialog styles.
enum DlgStyle : unsigned {
    DLG_CAPTION = 1u << 0,  // a title bar
    DLG_SYSMENU = 1u << 1,  // a close box
    DLG_MINIMIZE = 1u << 2, // a minimise box
    DLG_CHILD = 1u << 3,    // a child window without frame, hidden on creation
    DLG_THINBORDER = 1u << 4,
    DLG_APPWINDOW = 1u << 5, // has a taskbar button
};

struct DlgItem {
    int nId;
    DlgItemKind kind;
    const char* pszText; // UTF-8, the English text of the template
    int x, y, cx, cy;
    unsigned nStyle;
    int nIconId = 0; // the icon a static icon shows from the start
};

struct DlgTemplate {
    int nId;
    const char* pszCaption;
    const char* pszFont;
    int nPointSize;
    int cx, cy;
    unsigned nStyle;
    std::span<const DlgItem> items;
};

// nullptr for an id that has no template.
const DlgTemplate* FindDialogTemplate(int nId);
