#pragma once

#include <QIcon>

// The icon resource with that id (SVG, sharp at any size); a null icon when there is none.
QIcon LoadIconRes(int nId);
