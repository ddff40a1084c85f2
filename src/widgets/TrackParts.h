// What the slider and the scroll bar share beyond their geometry: the light colour of their
// highlights, the light-edged triangle of a thumb or an arrow, the direction of the arrow
// keys and the erase of what they draw past their box.
#pragma once

#include "framework/Point.h"
#include "graphics/Painter.h"
#include "graphics/Rect.h"

constexpr Color kTrackLight = 0xDDDDDD;

// A filled triangle with a one-pixel edge in kTrackLight.
void FillTriangle(Painter& painter, Point a, Point b, Point c, Color fill);

// -1 for Left and Up, +1 for Right and Down, 0 for any other key.
int ArrowKeyStep(unsigned long keysym);

// Both widgets draw one column past their right edge (x + w); the scroll bar's frame also
// one row past its bottom (y + h). Hide erases the box itself; these erase the rest.
void EraseColumnPastBox(Painter& painter, const Rect& box, Color color);
void EraseRowPastBox(Painter& painter, const Rect& box, Color color);
