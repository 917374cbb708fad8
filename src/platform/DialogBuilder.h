#pragma once

#include "res/DialogTemplates.h"

#include <QHash>
#include <QSize>
#include <functional>

class QDialog;
class QHeaderView;
class QWidget;

// Creates a custom control for a template item, or returns nullptr for the standard one.
using ControlFactory = std::function<QWidget*(const DlgItem& item, QWidget* pParent)>;

// Creates the widgets of a dialog template on pDialog: sizes in dialog units converted
// with the template font's metrics, styles mapped to Qt. Returns the controls by id
// (items without an id are created but not listed). Each control's objectName is its id.
QHash<int, QWidget*> BuildDialog(const DlgTemplate& dlg, QDialog* pDialog,
                                 const ControlFactory& createControl = {});

// The control id of a widget made by BuildDialog, or 0.
int DlgCtrlId(const QWidget* pControl);

// A sibling control of the same dialog by id, or nullptr.
QWidget* GetSiblingItem(const QWidget* pControl, int nId);

// Pixels of a size in dialog units, with the template's font.
QSize DialogUnitsToPixels(const DlgTemplate& dlg, int cx, int cy);

// Shrinks a control's font, from the one it inherits, until its text fits its width: a number
// wider than its place then shows whole rather than clipped on both sides.
void ShrinkToFit(QWidget* pControl);

// Sizes a list's column in its template's dialog units; a width of 0 takes the room the other
// columns leave.
void SizeListColumn(QHeaderView* pHeader, const DlgTemplate& dlg, int nColumn, int nWidthDu);
