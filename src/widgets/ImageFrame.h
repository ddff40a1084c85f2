// The image frame: shows one frame of a picture strip, either a cut-out of one large image (a
// sprite sheet whose frames form a grid of the element's size) or one image out of a list of
// same-sized images, chosen by a pair of frame coordinates. In transparent mode black pixels
// show the container's background.
//
// A sheet or list handed in stays its owner's and must outlive the frame. What the frame builds
// itself, from palette images or RGB data at its first paint, it owns and frees when it goes.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <vector>

#include "tessarin/graphics/XImageFactory.h"
#include "tessarin/widgets/Widget.h"

namespace tessarin {

// Which part of its source an image frame shows, worked out without X: the cut-out of a sprite
// sheet for a pair of frame coordinates, or the entry of a frame list. Coordinates that lead
// outside the source give nothing, so a frame never reads past a sheet's edge or a list's end.
struct FrameCoordinates {
  std::uint32_t x = 0;
  std::uint32_t y = 0;

  friend bool operator==(FrameCoordinates a, FrameCoordinates b) {
    return a.x == b.x && a.y == b.y;
  }
};

// The top-left corner of the w x h cut-out of a sheet; valid only when found.
struct SheetCutOut {
  bool found = false;
  int x = 0;
  int y = 0;
};

// Frames are laid out in a grid of w x h cells: the cell (x, y) starts at (w x, h y). Found only
// when the whole cell lies inside the sheet.
SheetCutOut CutOutOfSheet(FrameCoordinates frame, int w, int h, int sheetW, int sheetH);

// A list is addressed by x + y, the other coordinate left at 0. -1 when that is past the end.
int FrameListIndex(FrameCoordinates frame, int frameCount);

class ImageFrame : public Widget {
 public:
  // Cut-outs of the sheet.
  ImageFrame(GUIElement* parent, XImage* sheet, std::uint32_t frameX, std::uint32_t frameY);
  // Entries of a list of frameCount images.
  ImageFrame(GUIElement* parent, XImage* const* frames, int frameCount, std::uint32_t frameX,
             std::uint32_t frameY);
  // A list built from frameCount palette images of the element's size.
  ImageFrame(GUIElement* parent, const unsigned char* const* paletteFrames, int frameCount,
             std::uint32_t frameX, std::uint32_t frameY);
  // A sheet built from rgbWidth x rgbHeight RGB triples. flag is kept and not used.
  ImageFrame(GUIElement* parent, const unsigned char* rgbData, bool flag, int rgbWidth,
             int rgbHeight, std::uint32_t frameX, std::uint32_t frameY);

  void Paint() override;

  FrameCoordinates GetFrame() const { return frame; }
  // Repaints when the coordinates change.
  void SetFrame(std::uint32_t x, std::uint32_t y);
  // The same; with erase, the element is hidden and created again before it paints.
  void SetFrame(std::uint32_t x, std::uint32_t y, bool erase);
  void SetTransparent(bool on);
  bool IsTransparent() const { return transparent; }
  bool GetRgbFlag() const { return rgbFlag; }

 private:
  // The part of a picture one paint shows.
  struct FramePart {
    XImage* image = nullptr;
    int x = 0;
    int y = 0;
  };

  explicit ImageFrame(GUIElement* parent, FrameCoordinates start);
  void BuildPictures(Display* display);
  XImage* Sheet() const;
  // Nothing when the coordinates lead outside the source or there is no source.
  FramePart CurrentPart() const;
  void PaintTransparent(Painter& painter, const Rect& box, const FramePart& part);

  bool transparent = false;
  FrameCoordinates frame;

  XImage* sheet = nullptr;
  XImage* const* frames = nullptr;
  int frameCount = 0;

  const unsigned char* const* paletteFrames = nullptr;
  std::vector<OwnedXImage> builtFrames;  // null where not yet shown
  Point builtSize;

  const unsigned char* rgbData = nullptr;
  bool rgbFlag = false;
  int rgbWidth = 0;
  int rgbHeight = 0;
  OwnedXImage builtSheet;
};

}  // namespace tessarin
