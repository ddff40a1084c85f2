// The geometry and paging rules of the ScrollBar, free of X: the size it takes, its track
// measured in pages, where the stops and the thumb lie, what the arrow keys and a press do.
// The widget (ScrollBar.h) draws what these return and routes events to them.
//
// The track between the two arrows is L pixels long, and one page spans L values: a range
// of R values has R / L pages, one more for what is left over.
#pragma once

#include "framework/Point.h"
#include "graphics/Rect.h"
#include "widgets/TrackStops.h"

// The room an arrow takes at each end of the track.
constexpr int kScrollArrowRoom = 21;

// At least 21 pixels thick and 52 long: two arrows and a track of 10.
Point AdjustScrollBarSize(bool vertical, Point size);

struct ScrollBarTrack {
  int length = 0;     // L: pixels between the arrows, and values on one page
  int pages = 0;      // P: none when the track or the range is empty or reversed
  int segment = 0;    // s: pixels of one page on the track
  int remainder = 0;  // L mod P: the last page also takes what the segments leave over

  bool HasThumb() const { return pages > 1; }
  int SegmentOf(int page) const { return page == pages - 1 ? segment + remainder : segment; }
};

// The track of a scroll bar of this (adjusted) size over minimum..maximum.
ScrollBarTrack MeasureScrollBarTrack(bool vertical, Point size, int minimum, int maximum);

// The page that shows value: values outside the range show on the first or last page.
int ScrollBarPageOf(const ScrollBarTrack& track, int minimum, int value);
// The value a page stands for: its first.
int ScrollBarPageValue(const ScrollBarTrack& track, int minimum, int page);
// The page one step (-1 or +1) away from page, kept on the track.
int ScrollBarSteppedPage(const ScrollBarTrack& track, int page, int step);

// One stop per page, at the start of its segment, for a bar whose box starts at origin.
// Segments of 0 pixels put every stop on the first: then the first alone is given.
TrackStops LayOutScrollBarStops(const ScrollBarTrack& track, bool vertical, Point origin);
// The filled box that marks page on a bar with this box (to hand to FillRect as it is).
Rect ScrollBarThumb(const ScrollBarTrack& track, bool vertical, const Rect& box, int page);

// What a press at pointer does: an arrow's step back or forward (before the first stop, after
// the end of the last page), a pick of the page under it, or nothing on a bar without stops.
enum class ScrollBarPress { Nothing, StepBack, StepForward, Pick };
ScrollBarPress ClassifyScrollBarPress(const ScrollBarTrack& track, const TrackStops& stops,
                                      bool vertical, Point pointer);
// The page whose segment reaches the pointer; -1 past the last.
int PickScrollBarPage(const ScrollBarTrack& track, const TrackStops& stops, bool vertical,
                      Point pointer);
