#include "tessarin/widgets/MyImage.h"

#include "tessarin/graphics/XImageFactory.h"

namespace tessarin {

MyImage::MyImage(GUIElement* container, XImage* image)
    : Widget(container, {"image", TabStop::No}), ximage(image) {}

MyImage::MyImage(GUIElement* container, const unsigned char* data, int w, int h)
    : MyImage(container, data, false, w, h) {}

MyImage::MyImage(GUIElement* container, const unsigned char* data, bool rgb, int w, int h)
    : MyImage(container, nullptr) {
  imageData = data;
  isRgb = rgb;
  width = w;
  height = h;
}

MyImage::~MyImage() {
  ReleaseBuiltImage();
}

void MyImage::ReleaseBuiltImage() {
  if (!ownsImage) return;
  DestroyXImage(ximage);
  ximage = nullptr;
  ownsImage = false;
}

void MyImage::BuildImageFromData(Display* display) {
  if (imageData == nullptr || ximage != nullptr) return;
  if (isRgb) {
    ximage = MakeXImage(display, imageData, width, height);
  } else {
    std::unique_ptr<unsigned char[]> rgb = DecodePaletteImage(width, height, imageData);
    ximage = MakeXImage(display, rgb.get(), width, height);
  }
  ownsImage = ximage != nullptr;
}

void MyImage::Paint() {
  if (!CanPaint()) return;
  Painter painter = FormPainter();
  const Rect box = FormBox();
  BuildImageFromData(painter.GetTarget().display);
  if (ximage == nullptr) {
    // The placeholder until there is a picture: what lies beneath the element.
    painter.FillRect(box.x, box.y, box.w, box.h, 0, 0, BackColorFrom(Backdrop::Container));
  } else {
    painter.PutImage(box.x, box.y, box.w, box.h, ximage);
  }
  if (bordered) painter.DrawBevel(box.x, box.y, box.w, box.h, kSunkenBevel);
}

void MyImage::SetImage(XImage* image) {
  SetImageUnpainted(image);
  if (created) Paint();
}

void MyImage::SetImageUnpainted(XImage* image) {
  ReleaseBuiltImage();
  imageData = nullptr;
  ximage = image;
}

void MyImage::SetImageData(const unsigned char* data) {
  ReleaseBuiltImage();
  imageData = data;
  if (created) Paint();
}

void MyImage::SetBorder(bool on) {
  bordered = on;
  if (created) Paint();
}

void MyImage::Enable(bool on) {
  enabled = on;
}

}  // namespace tessarin
