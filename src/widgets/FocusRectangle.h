// The dashed rectangle a focusable widget draws around its caption while it has the focus.
// Buttons, check boxes and option boxes draw the same shape at their own insets: the left
// line starts one pixel above the top line and the right one ends one pixel below the bottom.
#pragma once

#include "graphics/Color.h"
#include "graphics/Painter.h"

// left, top, right and bottom are the columns and rows of the four lines, in form coordinates.
void DrawFocusRectangle(Painter& painter, int left, int top, int right, int bottom, Color color);
