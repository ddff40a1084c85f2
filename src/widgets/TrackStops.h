// The stops of a slider's or a scroll bar's track: where in the form's window its last paint
// drew each value (slider) or page (scroll bar), first to last. The mouse is mapped to a value
// through these remembered positions, never through the widget's current size. Free of X so
// that the mapping can be checked without a server.
#pragma once

#include <vector>

#include "framework/Point.h"

using TrackStops = std::vector<Point>;

// The first stop whose position along the track, plus reach, is at or past the pointer's
// (y for a vertical track, x otherwise); -1 when the pointer lies past them all or there are
// no stops.
int FirstStopReaching(const TrackStops& stops, bool vertical, Point pointer, int reach);
