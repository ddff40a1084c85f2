// Pictures: two image frames that a Timer animates through the same frames, one opaque and
// cut from a strip, one transparent and taken from a list of palette images; and the three
// sample BMP files of 24, 8 and 4 bits, read once when the section is built and drawn once
// plainly and once with black transparent, as DrawBitmapFile and DrawBitmapFileTransparent
// draw a file. The transparent ones stand on a coloured panel inside this one, which their
// black pixels let through.
//
// The BMP files are painted by the gallery form after everything else (PaintBitmaps), since a
// panel's paint covers what was drawn on it. The section owns its widgets, the timer and the
// picture data the frames are built from.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "gallery/GallerySection.h"
#include "gallery/SpinnerStrip.h"
#include "tessarin/graphics/BitmapFile.h"

namespace tessarin {
class ImageFrame;
class Timer;
}  // namespace tessarin

class PictureSection : public GallerySection {
 public:
  explicit PictureSection(tessarin::GUIElement* container);
  ~PictureSection() override;

  // Draws the sample files; call after the form and its children have painted.
  void PaintBitmaps();
  void SetAnimating(bool on);
  // Shows the next frame of the strip in both image frames.
  void NextFrame();

  int CurrentFrame() const { return frame; }

 private:
  void BuildWidgets() override;
  // The animation timer: the next frame.
  void TimerTicked(tessarin::Timer* ticked) override;
  void BuildLabels();
  void BuildFrames();
  // Reading a file costs far more than drawing it, and the 4-bit reader rewrites its export.
  void ReadSamples();
  // Draws a sample plainly in its column and transparently on the backdrop below.
  void PaintSample(tessarin::Painter& painter, int index);
  tessarin::Point SamplePlace(const tessarin::RgbPicture& sample,
                              const tessarin::Rect& column) const;

  std::array<std::unique_ptr<tessarin::CellControl>, 4> headers;
  std::unique_ptr<tessarin::CellControl> opaqueLabel;
  std::unique_ptr<tessarin::CellControl> transparentLabel;
  std::unique_ptr<tessarin::PanelChildren> backdrop;
  SpinnerPictures spinner;
  std::vector<const unsigned char*> paletteFrames;
  std::unique_ptr<tessarin::ImageFrame> opaqueFrame;
  std::unique_ptr<tessarin::ImageFrame> transparentFrame;
  std::unique_ptr<tessarin::Timer> timer;
  // Empty where a file is missing or cannot be used.
  std::array<tessarin::RgbPicture, 3> samples;
  int frame = 0;
  // The animation starts with the first paint: frames drawn into a window the server has not
  // yet shown would only be painted over, each with a read-back for the transparent one.
  bool painted = false;
  bool animating = true;
};
