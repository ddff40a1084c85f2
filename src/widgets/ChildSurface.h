// The drawing rules every painting child shares, kept in one place: when a child may draw at
// all, and how a child erases the area it covered.
//
// Free functions over a Child; they own nothing and build a Painter only for the call.
#pragma once

#include <cstdint>

#include "framework/Child.h"

// A child draws only when created, while no form is building its children (those appear with
// the form's first Paint), and when its parent chain ends in a form.
bool CanPaintChild(Child& child);

// Fills the child's box at its window position with color, through Painter::FillRect, whose
// box covers one column and one row less than w x h.
void EraseChildArea(Child& child, std::int64_t color, int w, int h);

// The background of the child's form, or the neutral grey when the form has none.
std::int64_t FormBackColor(const Child& child);
