#include "gallery/PictureSection.h"

#include "gallery/GalleryLayout.h"
#include "tessarin/app/Application.h"
#include "tessarin/framework/Form.h"
#include "tessarin/framework/Timer.h"
#include "tessarin/graphics/BitmapFile.h"
#include "tessarin/graphics/FlushBatch.h"
#include "tessarin/graphics/XImageFactory.h"
#include "tessarin/util/FileUtils.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/ImageFrame.h"

using namespace tessarin;

namespace {

using namespace gallery::picture;

struct SampleFile {
  const char* path;
  int depth;
  const char* caption;
};

const SampleFile kSampleFiles[] = {
    {"Data/gallery-24bit.bmp", 24, "24 bits"},
    {"Data/gallery-8bit.bmp", 8, "8 bits"},
    {"Data/gallery-4bit.bmp", 4, "4 bits"},
};

Rect Column(int index, const Rect& row) {
  return {kColumnLeft + index * kColumnPitch, row.y, kColumnWidth, row.h};
}

}  // namespace

PictureSection::PictureSection(GUIElement* container)
    : GallerySection(container, "Pictures: ImageFrame and BMP files", gallery::kPicturePanel) {}

PictureSection::~PictureSection() {
  timer.reset();
  transparentFrame.reset();
  opaqueFrame.reset();
}

void PictureSection::BuildWidgets() {
  ReadSamples();
  BuildLabels();
  backdrop = std::make_unique<PanelChildren>(this);
  backdrop->SetBackColor(gallery::kBackdropBack);
  Place(*backdrop, kBackdrop);
  BuildFrames();
}

void PictureSection::ReadSamples() {
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const SampleFile& file = kSampleFiles[i];
    // A missing sample draws nothing and says nothing, as DrawBitmapFile would.
    if (FileExists(file.path)) samples[i] = ReadBitmap(file.path, file.depth);
  }
}

void PictureSection::BuildLabels() {
  const Rect headerRow{0, gallery::kHeaderTop, 0, gallery::kHeaderHeight};
  for (std::size_t i = 0; i < samples.size(); ++i) {
    headers[i] = MakeLabel(kSampleFiles[i].caption, Column(static_cast<int>(i), headerRow),
                           TextAlign::Center);
  }
  headers[3] = MakeLabel("ImageFrame", kFrameHeader, TextAlign::Center);
  opaqueLabel = MakeLabel("DrawBitmapFile", kOpaqueRow);
  transparentLabel = MakeLabel("DrawBitmapFile\nTransparent", kTransparentLabel);
}

void PictureSection::BuildFrames() {
  spinner = MakeSpinnerPictures(kFrameSize, kFrameCount);
  opaqueFrame = std::make_unique<ImageFrame>(this, spinner.strip.data(), false,
                                             kFrameSize * kFrameCount, kFrameSize, 0, 0);
  Place(*opaqueFrame, kOpaqueFrame);
  // A list rather than a strip: a transparent cut-out of a strip sends the whole strip to the
  // server at every paint, an entry of a list only itself.
  for (const auto& frameData : spinner.frames) paletteFrames.push_back(frameData.data());
  transparentFrame =
      std::make_unique<ImageFrame>(backdrop.get(), paletteFrames.data(), kFrameCount, 0, 0);
  transparentFrame->SetTransparent(true);
  Place(*transparentFrame, kTransparentFrame);
  timer = std::make_unique<Timer>(this, kFrameIntervalMs);
  timer->SetOnTick(ForwardTick);
}

void PictureSection::TimerTicked(Timer*) {
  NextFrame();
}

void PictureSection::SetAnimating(bool on) {
  animating = on;
  if (!timer || !painted) return;
  if (on) {
    timer->Start();
  } else {
    timer->Stop();
  }
}

void PictureSection::NextFrame() {
  frame = (frame + 1) % kFrameCount;
  const auto column = static_cast<std::uint32_t>(frame);
  // The transparent frame first: it reads its background back, a round trip that would
  // otherwise come between the two. Both then reach the server in one flush, together.
  Form* form = GetParentForm();
  FlushBatch batch(form != nullptr ? form->GetApplication()->GetDisplay() : nullptr);
  if (transparentFrame) transparentFrame->SetFrame(column, 0);
  if (opaqueFrame) opaqueFrame->SetFrame(column, 0);
}

void PictureSection::PaintBitmaps() {
  Form* form = GetParentForm();
  if (form == nullptr || !IsCreated()) return;
  Painter painter(PaintTargetOf(form));
  if (!painter.IsValid()) return;
  for (int i = 0; i < static_cast<int>(samples.size()); ++i) PaintSample(painter, i);
  if (painted) return;
  painted = true;
  SetAnimating(animating);
}

void PictureSection::PaintSample(Painter& painter, int index) {
  const RgbPicture& sample = samples[static_cast<std::size_t>(index)];
  Form* form = GetParentForm();
  if (!sample || form == nullptr) return;
  // Converted once for both: the opaque blit leaves the image as it is, and the transparent
  // one, which changes it, comes last. Made anew for each paint for the same reason.
  OwnedXImage image(MakeXImage(form->GetApplication()->GetDisplay(), sample.pixels.get(),
                               sample.width, sample.height));
  if (!image) return;
  const Point opaque = SamplePlace(sample, Column(index, kOpaqueRow));
  painter.PutImage(opaque.x, opaque.y, sample.width, sample.height, image.get());
  const Point transparent = SamplePlace(sample, Column(index, kBackdrop));
  painter.PutImageTransparent(transparent.x, transparent.y, sample.width, sample.height,
                              image.get());
}

Point PictureSection::SamplePlace(const RgbPicture& sample, const Rect& column) const {
  const Point panel = GetAbsolutePosition();
  return {panel.x + column.x + (column.w - sample.width) / 2,
          panel.y + column.y + (column.h - sample.height) / 2};
}
