#pragma once

#include <functional>

class QWidget;
class QAbstractButton;

// Acts on the next modal dialog once it is open: the action runs from the event loop
// with QApplication::activeModalWidget() as soon as there is one other than pOuter.
void WhenModal(std::function<void(QWidget* pDialog)> action, QWidget* pOuter = nullptr);

// Finds a dialog's control by its id.
QWidget* Item(QWidget* pDialog, int nId);
QAbstractButton* Button(QWidget* pDialog, int nId);
void Click(QWidget* pDialog, int nId);
