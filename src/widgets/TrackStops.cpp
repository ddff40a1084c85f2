#include "widgets/TrackStops.h"

int FirstStopReaching(const TrackStops& stops, bool vertical, Point pointer, int reach) {
  const long long along = vertical ? pointer.y : pointer.x;
  for (std::size_t k = 0; k < stops.size(); ++k) {
    const long long stop = vertical ? stops[k].y : stops[k].x;
    if (stop + reach >= along) return static_cast<int>(k);
  }
  return -1;
}
