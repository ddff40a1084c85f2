#include "widgets/FramePicking.h"

SheetCutOut CutOutOfSheet(FrameCoordinates frame, int w, int h, int sheetW, int sheetH) {
  if (w <= 0 || h <= 0) return {};
  // In 64 bits no coordinate times a size can wrap around into the sheet.
  const std::int64_t left = std::int64_t{w} * frame.x;
  const std::int64_t top = std::int64_t{h} * frame.y;
  if (left + w > sheetW || top + h > sheetH) return {};
  return {true, static_cast<int>(left), static_cast<int>(top)};
}

int FrameListIndex(FrameCoordinates frame, int frameCount) {
  const std::uint64_t index = std::uint64_t{frame.x} + frame.y;
  return index < static_cast<std::uint64_t>(frameCount > 0 ? frameCount : 0)
             ? static_cast<int>(index)
             : -1;
}
