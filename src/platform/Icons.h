#pragma once

#include <QIcon>

class QLabel;

// The icon resource with that id (SVG, sharp at any size); a null icon when there is none.
QIcon LoadIconRes(int nId);

// Shows the icon on a static, as large as fits inside its frame. False when there is none.
bool SetLabelIcon(QLabel* pLabel, int nId);
