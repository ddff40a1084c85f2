// The element that shows a picture inside a form: an XImage its owner built and keeps, or
// palette or RGB data (never owned) from which it builds its own XImage at the first paint and
// frees it when it goes.
#pragma once

#include <X11/Xlib.h>

#include "tessarin/widgets/Widget.h"

namespace tessarin {

class MyImage : public Widget {
 public:
  MyImage(GUIElement* parent, XImage* image);
  MyImage(GUIElement* parent, const unsigned char* data, int w, int h);
  MyImage(GUIElement* parent, const unsigned char* data, bool isRgb, int w, int h);
  ~MyImage() override;

  void Paint() override;

  // An image given here stays its giver's; one built from data is released first.
  virtual void SetImage(XImage* image);
  // The same without the paint, for an owner that paints the element next anyway: a picture
  // is then sent to the server once.
  void SetImageUnpainted(XImage* image);
  // Drops an image built from the old data so the next paint rebuilds it from the new.
  virtual void SetImageData(const unsigned char* data);
  // The sunken one-pixel frame drawn over the picture's outermost pixels.
  virtual void SetBorder(bool on);
  // A picture looks the same enabled or not: nothing is repainted.
  void Enable(bool on) override;

  XImage* GetImage() const { return ximage; }

 private:
  void ReleaseBuiltImage();
  void BuildImageFromData(Display* display);

  XImage* ximage = nullptr;
  const unsigned char* imageData = nullptr;
  bool isRgb = false;
  bool bordered = false;
  // True when ximage was built here from imageData and must be destroyed here.
  bool ownsImage = false;
};

}  // namespace tessarin
