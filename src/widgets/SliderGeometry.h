// The geometry and value rules of the Slider, free of X: the range and how the arrow keys
// step through it, the size the slider takes for its range, and where its track and its
// stops lie. The widget (Slider.h) draws what these return and routes events to them.
#pragma once

#include <cstddef>

#include "framework/Point.h"
#include "graphics/Rect.h"
#include "widgets/TrackStops.h"

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
