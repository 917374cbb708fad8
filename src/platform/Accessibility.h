#pragma once

#include <QAccessible>

class QWidget;

// Gives a widget a role of its own on the accessibility bus instead of the one its Qt class
// has: a message box is an alert, a guess row is not a dialog. Set before the widget shows.
// A widget made a ButtonMenu opens its context menu when a screen reader presses it.
void SetAccessibleRole(QWidget* pWidget, QAccessible::Role role);
