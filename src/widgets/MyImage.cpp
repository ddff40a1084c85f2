#include "widgets/MyImage.h"

#include "app/Application.h"
#include "framework/Form.h"
#include "graphics/Painter.h"
#include "graphics/XImageFactory.h"

int MyImage::ixRosso = 2;
int MyImage::ixVerde = 1;
int MyImage::ixBlu = 0;
int MyImage::probedFormat = ZPixmap;
int MyImage::probedDepth = 0;
int MyImage::probedXOffset = 0;
int MyImage::probedBitmapPad = 0;
int MyImage::probedBitsPerPixel = 0;
int MyImage::probedBitOrder = 0;
unsigned char MyImage::pixelSample[8] = {};

void MyImage::ResetPixelFormat() {
  ixRosso = 2;
  ixVerde = 1;
  ixBlu = 0;
  probedFormat = ZPixmap;
  probedDepth = 0;
  probedXOffset = 0;
  probedBitmapPad = 0;
  probedBitsPerPixel = 0;
  probedBitOrder = 0;
  for (unsigned char& byte : pixelSample) byte = 0;
}

MyImage::MyImage(GUIElement* container, XImage* image) : ximage(image) {
  parent = container;
  type = "image";
  focusable = false;
  drawable = true;
}

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

void MyImage::SetSize(int w, int h) {
  ReplaceBox(x, y, w, h);
}

void MyImage::SetPosition(int newX, int newY) {
  ReplaceBox(newX, newY, width, height);
}

void MyImage::Show() {
  if (!created) Create();
  visible = true;
  Paint();
}

void MyImage::ShowAndMap() {
  Show();
}

void MyImage::Hide() {
  if (!created) return;
  Erase();
  visible = false;
  created = false;
}

void MyImage::Create() {
  if (created) return;
  AssignIdIfMissing();
  created = true;
  visible = true;
}

void MyImage::Erase() {
  Form* form = GetParentForm();
  if (form == nullptr) return;
  Painter painter(form);
  Point at = GetAbsolutePosition();
  // FillRect leaves out its last column and row; one more of each covers the element.
  painter.FillRect(at.x, at.y, width + 1, height + 1, 0, 0,
                   static_cast<Color>(ContainerBackColor()));
}

void MyImage::BuildImageFromData() {
  if (imageData == nullptr || ximage != nullptr) return;
  if (isRgb) {
    ximage = MakeXImage(this, imageData, width, height);
  } else {
    std::unique_ptr<unsigned char[]> rgb = DecodePaletteImage(width, height, imageData);
    ximage = MakeXImage(this, rgb.get(), width, height);
  }
  ownsImage = ximage != nullptr;
}

void MyImage::Paint() {
  if (Application::IsLoading() || !created) return;
  Form* form = GetParentForm();
  if (form == nullptr) return;
  Painter painter(form);
  Point at = GetAbsolutePosition();
  BuildImageFromData();
  if (ximage == nullptr) {
    painter.FillRect(at.x, at.y, width, height, 0, 0, static_cast<Color>(ContainerBackColor()));
  } else {
    painter.PutImage(at.x, at.y, width, height, ximage);
  }
  if (!bordered) return;
  int right = at.x + width - 1;
  int bottom = at.y + height - 1;
  painter.DrawLine(at.x, at.y, right, at.y, 1, kBlack);
  painter.DrawLine(at.x, bottom, at.x, at.y, 1, kBlack);
  painter.DrawLine(right, at.y, right, bottom, 1, kWhite);
  painter.DrawLine(at.x, bottom, right, bottom, 1, kWhite);
}

void MyImage::SetImage(XImage* image) {
  ReleaseBuiltImage();
  imageData = nullptr;
  ximage = image;
  if (created) Paint();
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
