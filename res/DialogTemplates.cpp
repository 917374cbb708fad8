#include "DialogTemplates.h"

namespace
{

using enum DlgItemKind;

constexpr unsigned LETTER_CELL = ITEM_BORDER | ITEM_CENTER | ITEM_AUTOHSCROLL | ITEM_TABSTOP;
constexpr unsigned ROW_CELL = ITEM_CENTER | ITEM_VCENTER | ITEM_SUNKEN;

// The main game window.
constexpr DlgItem ITEMS_1201[] = {
    {2003, PushButton, "", 5, 5, 70, 10, ITEM_VCENTER | ITEM_TABSTOP},
    {2000, PushButton, "", 5, 20, 10, 10, ITEM_ICON | ITEM_TABSTOP},
    {2200, Edit, "", 20, 20, 10, 10, LETTER_CELL},
    {2201, Edit, "", 30, 20, 10, 10, LETTER_CELL},
    {2202, Edit, "", 40, 20, 10, 10, LETTER_CELL},
    {2203, Edit, "", 50, 20, 10, 10, LETTER_CELL},
    {IDOK, PushButton, "", 65, 20, 10, 10, ITEM_DEFAULT | ITEM_ICON | ITEM_TABSTOP},
};

// One row of the guess board.
constexpr DlgItem ITEMS_1202[] = {
    {2002, Static, "", 5, 0, 10, 10, ROW_CELL | ITEM_DISABLED},
    {2200, Static, "", 20, 0, 10, 10, ROW_CELL},
    {2201, Static, "", 30, 0, 10, 10, ROW_CELL},
    {2202, Static, "", 40, 0, 10, 10, ROW_CELL},
    {2203, Static, "", 50, 0, 10, 10, ROW_CELL},
    {2001, StaticIcon, "", 65, 0, 10, 10, ITEM_CENTER | ITEM_VCENTER | ITEM_SUNKEN},
};

// "Please enter your name:"
constexpr DlgItem ITEMS_1203[] = {
    {IDOK, PushButton, "OK", 118, 18, 36, 12, ITEM_DEFAULT | ITEM_TABSTOP},
    {3005, Static, "Please enter your name:", 6, 6, 148, 10, 0},
    {3001, Edit, "", 6, 18, 106, 12, ITEM_BORDER | ITEM_TABSTOP | ITEM_AUTOHSCROLL},
};

// The player chooser.
constexpr DlgItem ITEMS_1204[] = {
    {IDOK, PushButton, "OK", 90, 60, 36, 12, ITEM_DEFAULT | ITEM_TABSTOP},
    {3005, Static, "", 6, 6, 120, 10, 0},
    {3002, ListBox, "", 6, 18, 120, 50,
     ITEM_SORT | ITEM_NOTIFY | ITEM_VSCROLL | ITEM_BORDER | ITEM_TABSTOP},
    {3001, Edit, "", 6, 60, 78, 12,
     ITEM_HIDDEN | ITEM_DISABLED | ITEM_BORDER | ITEM_TABSTOP | ITEM_AUTOHSCROLL},
    {3003, PushButton, "&New", 6, 60, 36, 12, ITEM_TABSTOP},
    {3004, PushButton, "&Delete", 48, 60, 36, 12, ITEM_TABSTOP},
};

// The dictionary chooser.
constexpr DlgItem ITEMS_1205[] = {
    {3006, ListBox, "", 6, 6, 72, 96,
     ITEM_NOTIFY | ITEM_SORT | ITEM_VSCROLL | ITEM_BORDER | ITEM_TABSTOP},
    {3007, ListBox, "", 84, 6, 42, 180,
     ITEM_NOTIFY | ITEM_SORT | ITEM_NOSEL | ITEM_VSCROLL | ITEM_BORDER | ITEM_TABSTOP},
    {3008, PushButton, "", 6, 108, 18, 18, ITEM_ICON | ITEM_CENTER | ITEM_TABSTOP},
    {3009, Static, "", 30, 108, 48, 18, ITEM_VCENTER},
    {IDOK, PushButton, "&Select", 6, 174, 72, 12, ITEM_DEFAULT | ITEM_TABSTOP},
};

// The about box.
constexpr DlgItem ITEMS_1206[] = {
    {3010, Static, "", 6, 6, 120, 24, 0},
    {IDC_STATIC, Static, "\u00a9 2026", 6, 102, 30, 12, ITEM_VCENTER},
    {3011, Static, "Torvane", 36, 102, 30, 12, ITEM_VCENTER},
    {IDC_STATIC, StaticIcon, "128", 54, 48, 42, 42, 0},
};

// The help window.
constexpr DlgItem ITEMS_1207[] = {
    {3005, Static, "", 6, 6, 132, 132, 0},
};

// The language chooser, shown before any language is known.
constexpr DlgItem ITEMS_1208[] = {
    {201, PushButton, "", 6, 6, 18, 18, ITEM_ICON | ITEM_TABSTOP},
    {IDC_STATIC, Static, "English", 30, 6, 60, 18, ITEM_VCENTER},
    {202, PushButton, "", 6, 30, 18, 18, ITEM_ICON | ITEM_TABSTOP},
    {IDC_STATIC, Static, "Nederlands", 30, 30, 60, 18, ITEM_VCENTER},
};

// Set Word.
constexpr DlgItem ITEMS_1209[] = {
    {IDOK, PushButton, "OK", 58, 18, 36, 12, ITEM_DEFAULT | ITEM_TABSTOP},
    {3005, Static, "Enter word:", 6, 6, 88, 10, 0},
    {3012, Edit, "", 6, 18, 46, 12, ITEM_BORDER | ITEM_TABSTOP | ITEM_AUTOHSCROLL},
};

// The program's own message box.
constexpr DlgItem ITEMS_1210[] = {
    {IDOK, PushButton, "OK", 66, 52, 54, 14, ITEM_DEFAULT | ITEM_TABSTOP},
    {IDCANCEL, PushButton, "Cancel", 126, 52, 54, 14, ITEM_TABSTOP},
    {3008, StaticIcon, "128", 6, 6, 21, 21, 0},
    {3005, Static, "", 36, 6, 144, 42, 0},
};

// The high score list.
constexpr DlgItem ITEMS_1211[] = {
    {IDOK, PushButton, "OK", 162, 124, 72, 14, ITEM_DEFAULT | ITEM_TABSTOP},
    {3014, PushButton, "&Clear All", 6, 124, 72, 14, ITEM_TABSTOP},
    {3013, ListView, "", 6, 6, 228, 112, ITEM_BORDER | ITEM_TABSTOP | ITEM_DISABLED},
};

// The high score notice.
constexpr DlgItem ITEMS_1212[] = {
    {3005, Static, "", 6, 6, 120, 12, ITEM_VCENTER},
};

constexpr DlgTemplate TEMPLATES[] = {
    {1201, "Kelvara", "Georgia", 12, 80, 35,
     DLG_CAPTION | DLG_SYSMENU | DLG_MINIMIZE | DLG_APPWINDOW, ITEMS_1201},
    {1202, "", "Georgia", 12, 80, 15, DLG_CHILD, ITEMS_1202},
    {1203, "Kelvara", "Tahoma", 8, 160, 36, DLG_CAPTION, ITEMS_1203},
    {1204, "Kelvara", "Tahoma", 8, 132, 78, DLG_CAPTION | DLG_SYSMENU, ITEMS_1204},
    {1205, "Dictionary", "Tahoma", 8, 130, 191, DLG_CAPTION | DLG_SYSMENU, ITEMS_1205},
    {1206, "", "Tahoma", 8, 132, 119, DLG_THINBORDER, ITEMS_1206},
    {1207, "Help", "Georgia", 8, 144, 144, DLG_CAPTION | DLG_SYSMENU, ITEMS_1207},
    {1208, "Select Language", "Tahoma", 8, 96, 54, DLG_CAPTION, ITEMS_1208},
    {1209, "Kelvara", "Tahoma", 8, 100, 36, DLG_CAPTION | DLG_SYSMENU, ITEMS_1209},
    {1210, "Kelvara", "Tahoma", 8, 186, 72, DLG_CAPTION, ITEMS_1210},
    {1211, "High Scores", "Tahoma", 8, 240, 142, DLG_CAPTION | DLG_SYSMENU, ITEMS_1211},
    {1212, "", "Georgia", 12, 132, 24, DLG_THINBORDER, ITEMS_1212},
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
