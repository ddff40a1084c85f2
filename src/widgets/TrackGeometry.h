// The geometry and value rules of the two track controls, free of X so that they can be
// checked without a server. The widgets (Slider.h, ScrollBar.h) draw what these return and
// route events to them.
//
// The stops of a track: where in the form's window the last paint drew each value (slider) or
// page (scroll bar), first to last. The mouse is mapped to a value through these remembered
// positions, never through the widget's current size.
#pragma once

#include <cstddef>
#include <vector>

#include "tessarin/framework/Point.h"
#include "tessarin/graphics/Rect.h"

namespace tessarin {

using TrackStops = std::vector<Point>;

// The first stop whose position along the track, plus reach, is at or past the pointer's
// (y for a vertical track, x otherwise); -1 when the pointer lies past them all or there are
// no stops.
int FirstStopReaching(const TrackStops& stops, bool vertical, Point pointer, int reach);

// The slider: the range and how the arrow keys step through it, the size the slider takes for
// its range, and where its track and its stops lie.

// The values a slider offers: minimum to Top(). A range given the wrong way round (maximum
// below minimum) offers its minimum alone, as a range of one value does.
struct SliderRange {
  int minimum = 0;
  int maximum = 0;

  int Top() const { return maximum > minimum ? maximum : minimum; }
  // The steps between the two ends: one tick fewer than there are values.
  long long Steps() const { return static_cast<long long>(Top()) - minimum; }
  int Clamp(int value) const;
  // value + step; past either end it wraps round to the other.
  int Step(int value, int step) const;
};

// The size a slider takes for steps between its ends: room for the labels and the thumb
// across the track, at least 8 pixels per step along it, and a track that is a whole number
// of steps long.
Point AdjustSliderSize(bool vertical, long long steps, Point size);

// The track of a slider whose (adjusted) box in the form's window is box: the line from start
// to end and one stop per value, the minimum's first. The last stop is always at end. A range
// with more steps than the track has pixels gets the two ends alone: its other stops would
// all stand on the first.
struct SliderTrack {
  Point start;
  Point end;
  TrackStops stops;
};
SliderTrack LayOutSliderTrack(bool vertical, const Rect& box, long long steps);

// The stop that stands for the value minimum + offset, and the offset stop k stands for.
std::size_t SliderStopOf(const TrackStops& stops, long long steps, long long offset);
long long SliderOffsetOf(const TrackStops& stops, long long steps, int stop);

// The stop a press or a drag at pointer picks: the first that the pointer has not passed by
// more than 2 pixels; -1 past the last.
int PickSliderStop(const TrackStops& stops, bool vertical, Point pointer);

// The scroll bar: the size it takes, its track measured in pages, where the stops and the
// thumb lie, what the arrow keys and a press do. The track between the two arrows is L pixels
// long, and one page spans L values: a range of R values has R / L pages, one more for what is
// left over.

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

}  // namespace tessarin
