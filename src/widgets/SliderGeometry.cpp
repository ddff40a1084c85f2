#include "widgets/SliderGeometry.h"

#include <algorithm>

namespace {
// Beside a horizontal track: a 20-pixel label at each end. Along a vertical one: 18 pixels.
constexpr int kLabelRoomX = 40;
constexpr int kLabelRoomY = 36;
constexpr int kLeastThickness = 36;
constexpr int kLeastWidthVertical = 40;
constexpr int kLeastStepPixels = 8;
constexpr int kPickReach = 2;
// X coordinates are 16-bit: no window shows more, and sizes kept below it leave the
// arithmetic on them far from overflow, however wide the range.
constexpr long long kLargestExtent = 32767;

int ToExtent(long long pixels) {
  return static_cast<int>(std::min(pixels, kLargestExtent));
}

// The length along the track: at least room for the labels and 8 pixels a step, then cut
// down so that what lies between the labels is a whole number of steps.
int AdjustLength(long long length, long long steps, int labelRoom) {
  if (steps <= 0) return ToExtent(std::max<long long>(length, labelRoom));
  const long long least = kLeastStepPixels * steps + labelRoom;
  if (length <= least) return ToExtent(least);
  return ToExtent((length - labelRoom) / steps * steps + labelRoom);
}

// Where tick k of steps lies along a track from first to last. The last tick is pinned to
// the track's end, whatever the rounding of the spacing left over.
int TickAt(long long k, long long steps, int first, int last) {
  if (k >= steps) return last;
  return static_cast<int>(first + k * ((last - first) / steps));
}
}  // namespace

int SliderRange::Clamp(int value) const {
  return std::clamp(value, minimum, Top());
}

int SliderRange::Step(int value, int step) const {
  const long long next = static_cast<long long>(value) + step;
  if (next > Top()) return minimum;
  if (next < minimum) return Top();
  return static_cast<int>(next);
}

Point AdjustSliderSize(bool vertical, long long steps, Point size) {
  if (vertical) {
    return {std::max(size.x, kLeastWidthVertical), AdjustLength(size.y, steps, kLabelRoomY)};
  }
  return {AdjustLength(size.x, steps, kLabelRoomX), std::max(size.y, kLeastThickness)};
}

SliderTrack LayOutSliderTrack(bool vertical, const Rect& box, long long steps) {
  SliderTrack track;
  if (vertical) {
    const int middle = box.x + (box.w + 1) / 2;
    track.start = {middle, box.y + 18};
    track.end = {middle, track.start.y + box.h - 35};
  } else {
    const int middle = box.y + (box.h + 1) / 2;
    track.start = {box.x + 20, middle};
    track.end = {track.start.x + box.w - 39, middle};
  }
  // With more steps than the track has pixels, every tick but the last stands on the first,
  // where a pick always finds the first: the two ends stand for them all, so that a range of
  // millions of values does not ask for millions of stops.
  const long long span = vertical ? track.end.y - track.start.y : track.end.x - track.start.x;
  if (steps > 1 && steps > span) {
    track.stops = {track.start, track.end};
    return track;
  }
  for (long long k = 0; k <= steps; ++k) {
    if (vertical) {
      track.stops.push_back({track.start.x, TickAt(k, steps, track.start.y, track.end.y)});
    } else {
      track.stops.push_back({TickAt(k, steps, track.start.x, track.end.x), track.start.y});
    }
  }
  return track;
}

std::size_t SliderStopOf(const TrackStops& stops, long long steps, long long offset) {
  if (stops.empty()) return 0;
  const std::size_t last = stops.size() - 1;
  if (offset >= steps) return last;
  return offset > 0 && offset < static_cast<long long>(last) ? static_cast<std::size_t>(offset) : 0;
}

long long SliderOffsetOf(const TrackStops& stops, long long steps, int stop) {
  return stop + 1 == static_cast<int>(stops.size()) ? steps : stop;
}

int PickSliderStop(const TrackStops& stops, bool vertical, Point pointer) {
  return FirstStopReaching(stops, vertical, pointer, kPickReach);
}
