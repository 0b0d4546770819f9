#pragma once

#include <QFont>

// The desktop's standard font at a size given by the window layouts.
//
// The layouts place controls in pixels and size their texts in points of a
// 72 dpi screen, where a point is one pixel. The font is therefore sized in
// pixels, so that a 12-point text still fits its 20-pixel control on a 96 dpi
// desktop; Qt scales both alike on high-density screens.
QFont systemFont(int points, bool bold = false);
