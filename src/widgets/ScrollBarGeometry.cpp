#include "widgets/ScrollBarGeometry.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int kLeastThickness = 21;
constexpr int kLeastLength = 52;
// The thumb stands 2 pixels inside the frame, across the track.
constexpr int kThumbInset = 2;

int ToInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
}  // namespace

Point AdjustScrollBarSize(bool vertical, Point size) {
  if (vertical) return {std::max(size.x, kLeastThickness), std::max(size.y, kLeastLength)};
  return {std::max(size.x, kLeastLength), std::max(size.y, kLeastThickness)};
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
