// The element that shows a picture inside a form: an XImage its owner built and keeps, or
// palette or RGB data (never owned) from which it builds its own XImage at the first paint and
// frees it when it goes. The class also keeps the process-wide pixel layout that the probe in
// Painter.cpp finds once and every image conversion and transparent blit indexes bytes with.
#pragma once

#include <X11/Xlib.h>

#include "framework/Child.h"

class MyImage : public Child {
 public:
  MyImage(GUIElement* parent, XImage* image);
  MyImage(GUIElement* parent, const unsigned char* data, int w, int h);
  MyImage(GUIElement* parent, const unsigned char* data, bool isRgb, int w, int h);
  ~MyImage() override;

  void SetSize(int w, int h) override;
  void SetPosition(int newX, int newY) override;
  void Show() override;
  void ShowAndMap() override;
  void Hide() override;
  void Paint() override;
  void Create() override;

  // An image given here stays its giver's; one built from data is released first.
  virtual void SetImage(XImage* image);
  // Drops an image built from the old data so the next paint rebuilds it from the new.
  virtual void SetImageData(const unsigned char* data);
  // The sunken one-pixel frame drawn over the picture's outermost pixels.
  virtual void SetBorder(bool on);
  virtual void Enable(bool on);

  XImage* GetImage() const { return ximage; }

  // The server's pixel layout, fixed by ProbePixelFormat; probedDepth 0 means not probed yet.
  static int ixRosso;
  static int ixVerde;
  static int ixBlu;
  static int probedFormat;
  static int probedDepth;
  static int probedXOffset;
  static int probedBitmapPad;
  static int probedBitsPerPixel;
  static int probedBitOrder;
  static unsigned char pixelSample[8];
  // Back to the unprobed start values, so a test can run the probe again.
  static void ResetPixelFormat();

 private:
  void ReleaseBuiltImage();
  void BuildImageFromData();
  void Erase();

  XImage* ximage = nullptr;
  const unsigned char* imageData = nullptr;
  bool isRgb = false;
  bool bordered = false;
  // True when ximage was built here from imageData and must be destroyed here.
  bool ownsImage = false;
};
