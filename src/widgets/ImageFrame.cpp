#include "tessarin/widgets/ImageFrame.h"

#include <cstdint>

namespace tessarin {

ImageFrame::ImageFrame(GUIElement* container, FrameCoordinates start)
    : Widget(container, {"imageframe", TabStop::No}), frame(start) {}

ImageFrame::ImageFrame(GUIElement* container, XImage* sourceSheet, std::uint32_t frameX,
                       std::uint32_t frameY)
    : ImageFrame(container, FrameCoordinates{frameX, frameY}) {
  sheet = sourceSheet;
}

ImageFrame::ImageFrame(GUIElement* container, XImage* const* list, int count, std::uint32_t frameX,
                       std::uint32_t frameY)
    : ImageFrame(container, FrameCoordinates{frameX, frameY}) {
  frames = list;
  frameCount = list != nullptr ? count : 0;
}

ImageFrame::ImageFrame(GUIElement* container, const unsigned char* const* palettes, int count,
                       std::uint32_t frameX, std::uint32_t frameY)
    : ImageFrame(container, FrameCoordinates{frameX, frameY}) {
  paletteFrames = palettes;
  frameCount = palettes != nullptr ? count : 0;
}

ImageFrame::ImageFrame(GUIElement* container, const unsigned char* rgb, bool flag, int w, int h,
                       std::uint32_t frameX, std::uint32_t frameY)
    : ImageFrame(container, FrameCoordinates{frameX, frameY}) {
  rgbData = rgb;
  rgbFlag = flag;
  rgbWidth = w;
  rgbHeight = h;
}

void ImageFrame::SetFrame(std::uint32_t x, std::uint32_t y) {
  SetFrame(x, y, false);
}

void ImageFrame::SetFrame(std::uint32_t x, std::uint32_t y, bool erase) {
  const FrameCoordinates wanted{x, y};
  if (wanted == frame) return;
  frame = wanted;
  if (!created) return;
  if (erase) {
    Hide();
    Create();
  }
  Paint();
}

void ImageFrame::SetTransparent(bool on) {
  transparent = on;
  Paint();
}

void ImageFrame::BuildPictures(Display* display) {
  if (display == nullptr) return;
  if (rgbData != nullptr && !builtSheet) {
    builtSheet.reset(MakeXImage(display, rgbData, rgbWidth, rgbHeight));
  }
  const int index = FrameListIndex(frame, frameCount);
  if (paletteFrames == nullptr || index < 0) return;
  if (builtFrames.empty()) {
    // Every palette image has the element's size at the first paint; each is decoded once,
    // at that size, when it is first shown: an animation shows one frame to start with.
    builtFrames.resize(static_cast<std::size_t>(frameCount));
    builtSize = {width, height};
  }
  OwnedXImage& entry = builtFrames[static_cast<std::size_t>(index)];
  if (!entry)
    entry.reset(MakePaletteXImage(display, paletteFrames[index], builtSize.x, builtSize.y));
}

XImage* ImageFrame::Sheet() const {
  return builtSheet ? builtSheet.get() : sheet;
}

ImageFrame::FramePart ImageFrame::CurrentPart() const {
  if (XImage* source = Sheet()) {
    SheetCutOut cut = CutOutOfSheet(frame, width, height, source->width, source->height);
    return cut.found ? FramePart{source, cut.x, cut.y} : FramePart{};
  }
  const int index = FrameListIndex(frame, frameCount);
  if (index < 0) return {};
  if (paletteFrames != nullptr) {
    const auto entry = static_cast<std::size_t>(index);
    return {entry < builtFrames.size() ? builtFrames[entry].get() : nullptr};
  }
  return {frames != nullptr ? frames[index] : nullptr};
}

void ImageFrame::Paint() {
  if (!CanPaint()) return;
  // What lies beneath shows through the black pixels, and where no frame is drawn.
  if (transparent) Erase();
  Painter painter = FormPainter();
  BuildPictures(painter.GetTarget().display);
  const FramePart part = CurrentPart();
  if (part.image == nullptr) return;
  const Rect box = FormBox();
  if (transparent) {
    // These blits leave the picture as it is: its black stays black for an opaque paint later,
    // and a list or sheet that is not ours is not changed.
    PaintTransparent(painter, box, part);
  } else {
    painter.PutImagePart(box.x, box.y, box.w, box.h, part.image, part.x, part.y);
  }
}

void ImageFrame::PaintTransparent(Painter& painter, const Rect& box, const FramePart& part) {
  if (Sheet() != nullptr) {
    painter.PutImagePartTransparent(box.x, box.y, box.w, box.h, part.image, part.x, part.y);
    return;
  }
  // A list entry is a whole picture: a copy made here spares the trip through a server pixmap
  // and the read-back of it that cutting a part out takes.
  OwnedXImage copy(CopyXImage(painter.GetTarget().display, *part.image));
  if (copy) painter.PutImageTransparent(box.x, box.y, box.w, box.h, copy.get());
}

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

}  // namespace tessarin
