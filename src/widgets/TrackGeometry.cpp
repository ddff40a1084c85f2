#include "tessarin/widgets/TrackGeometry.h"

#include <algorithm>
#include <climits>

namespace tessarin {

int FirstStopReaching(const TrackStops& stops, bool vertical, Point pointer, int reach) {
  const long long along = vertical ? pointer.y : pointer.x;
  for (std::size_t k = 0; k < stops.size(); ++k) {
    const long long stop = vertical ? stops[k].y : stops[k].x;
    if (stop + reach >= along) return static_cast<int>(k);
  }
  return -1;
}

// The slider.

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

// The scroll bar.

namespace {
constexpr int kBarLeastThickness = 21;
constexpr int kBarLeastLength = 52;
// The thumb stands 2 pixels inside the frame, across the track.
constexpr int kThumbInset = 2;

int ToInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
}  // namespace

Point AdjustScrollBarSize(bool vertical, Point size) {
  if (vertical) return {std::max(size.x, kBarLeastThickness), std::max(size.y, kBarLeastLength)};
  return {std::max(size.x, kBarLeastLength), std::max(size.y, kBarLeastThickness)};
}

ScrollBarTrack MeasureScrollBarTrack(bool vertical, Point size, int minimum, int maximum) {
  ScrollBarTrack track;
  const long long length =
      static_cast<long long>(vertical ? size.y : size.x) - 2 * kScrollArrowRoom;
  const long long range = static_cast<long long>(maximum) - minimum;
  // Nothing to page through, and nothing to divide by.
  if (length <= 0 || range <= 0) return track;
  const long long pages = range / length + (range % length != 0 ? 1 : 0);
  track.length = static_cast<int>(length);
  track.pages = ToInt(pages);
  track.segment = track.length / track.pages;
  track.remainder = track.length % track.pages;
  return track;
}

int ScrollBarPageOf(const ScrollBarTrack& track, int minimum, int value) {
  if (track.pages <= 0) return 0;
  const long long page = (static_cast<long long>(value) - minimum) / track.length;
  return ToInt(std::clamp<long long>(page, 0, track.pages - 1));
}

int ScrollBarPageValue(const ScrollBarTrack& track, int minimum, int page) {
  return ToInt(minimum + static_cast<long long>(page) * track.length);
}

int ScrollBarSteppedPage(const ScrollBarTrack& track, int page, int step) {
  if (track.pages <= 0) return 0;
  return ToInt(std::clamp<long long>(static_cast<long long>(page) + step, 0, track.pages - 1));
}

TrackStops LayOutScrollBarStops(const ScrollBarTrack& track, bool vertical, Point origin) {
  TrackStops stops;
  // With more pages than pixels every segment is 0 long and all stops would stand on the
  // first, where a pick always finds the first: one stands for them all. A range of millions
  // of values would otherwise ask for millions of stops at every paint.
  const int count = track.segment > 0 ? track.pages : std::min(track.pages, 1);
  for (int k = 0; k < count; ++k) {
    const int along = ToInt(kScrollArrowRoom + static_cast<long long>(k) * track.segment);
    stops.push_back(vertical ? Point{origin.x, origin.y + along}
                             : Point{origin.x + along, origin.y});
  }
  return stops;
}

Rect ScrollBarThumb(const ScrollBarTrack& track, bool vertical, const Rect& box, int page) {
  const int along = kScrollArrowRoom + page * track.segment;
  const int extent = track.SegmentOf(page);
  if (vertical) return {box.x + kThumbInset, box.y + along, box.w - kThumbInset, extent};
  return {box.x + along, box.y + kThumbInset, extent, box.h - kThumbInset};
}

ScrollBarPress ClassifyScrollBarPress(const ScrollBarTrack& track, const TrackStops& stops,
                                      bool vertical, Point pointer) {
  if (stops.empty()) return ScrollBarPress::Nothing;
  const long long along = vertical ? pointer.y : pointer.x;
  const long long first = vertical ? stops.front().y : stops.front().x;
  const long long last = vertical ? stops.back().y : stops.back().x;
  if (along < first) return ScrollBarPress::StepBack;
  if (along > last + track.segment + track.remainder) return ScrollBarPress::StepForward;
  return ScrollBarPress::Pick;
}

int PickScrollBarPage(const ScrollBarTrack& track, const TrackStops& stops, bool vertical,
                      Point pointer) {
  return FirstStopReaching(stops, vertical, pointer, track.segment);
}

}  // namespace tessarin
