// The arithmetic of a progress bar, free of X: the value a bar holds for a request, and how
// many columns of its inner width the value fills. The range is taken as given by the bar,
// minimum <= maximum; an empty range (minimum = maximum) fills nothing.
#pragma once

// v kept inside [minimum, maximum].
int ClampToRange(int v, int minimum, int maximum);

// The share (value - minimum) / (maximum - minimum) of innerWidth, truncated: 0 for an empty
// range, a value at or below the minimum, or no inner width; never more than innerWidth.
int FilledWidth(int innerWidth, int value, int minimum, int maximum);
