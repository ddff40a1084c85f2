#include "tessarin/widgets/ButtonCustom.h"

#include <X11/keysym.h>

#include "tessarin/app/Application.h"
#include "tessarin/framework/ElementWatch.h"
#include "tessarin/util/CharacterCodes.h"

namespace tessarin {

namespace {
constexpr int kCaptionInsetX = 6;
constexpr int kCaptionInsetY = 4;
constexpr int kImageLeft = 8;
constexpr int kImageGap = 10;

// What one paint of the button needs to know, fixed before anything is drawn.
struct ButtonLook {
  Color back;
  BevelColors bevel;
  Color caption;
  bool showFocus;
  XImage* picture;
};

void DrawCaption(Painter& painter, const Rect& box, const ButtonLook& look,
                 const std::string& caption, XImage* image) {
  int captionY = box.y + kCaptionInsetY;
  int captionH = box.h - 2 * kCaptionInsetY;
  if (image == nullptr) {
    painter.DrawTextBox(box.x + kCaptionInsetX, captionY, box.w - 2 * kCaptionInsetX, captionH,
                        caption, look.caption, look.back, TextAlign::Center);
    return;
  }
  // Beside an image the caption box ends where the image-less one does, 6 pixels inside.
  int captionX = box.x + image->width + kImageGap;
  int captionW = box.x + box.w - kCaptionInsetX - captionX;
  painter.DrawTextBox(captionX, captionY, captionW, captionH, caption, look.caption, look.back,
                      TextAlign::Left);
}

void DrawPicture(Painter& painter, const Rect& box, XImage* picture, bool besideCaption) {
  int pictureX = besideCaption ? box.x + kImageLeft : box.x + (box.w - picture->width) / 2;
  int pictureY = box.y + (box.h - picture->height) / 2;
  painter.PutImage(pictureX, pictureY, picture);
}

void FlushDisplay() {
  Application* app = Application::Default();
  if (app != nullptr && app->GetDisplay() != nullptr) XFlush(app->GetDisplay());
}

}  // namespace

ButtonCustom::ButtonCustom(GUIElement* container, const std::string& caption)
    : Widget(container, {"ButtonCustom", TabStop::Yes, 80, 30}, caption) {}

void ButtonCustom::SetText(const std::string& newText) {
  text = newText;
  RepaintIfCreated();
}

void ButtonCustom::MouseUp(Point point) {
  if (!enabled) return;
  SetPressedAndShow(false);
  const ElementWatch watch(this);
  ExecuteCommand(this);
  if (watch) Child::MouseUp(point);
}

void ButtonCustom::MouseDown(Point point) {
  if (!enabled) return;
  SetPressedAndShow(true);
  Child::MouseDown(point);
}

void ButtonCustom::KeyDown(unsigned long keysym) {
  if (!enabled) return;
  Child::KeyDown(keysym);
  if (focused && keysym == XK_Return) SetPressedAndShow(true);
}

bool ButtonCustom::KeyChar(char ch) {
  if (!enabled) return false;
  if (focused && ch == kReturnChar) {
    SetPressedAndShow(false);
    const ElementWatch watch(this);
    ExecuteCommand(this);
    if (!watch) return true;
  }
  return Child::KeyChar(ch);
}

void ButtonCustom::ReleaseFocusHold() {
  pressed = false;
}

void ButtonCustom::SetForeColor(Color color) {
  // Shown from the next paint: a form sets it before it shows the button.
  foreColor = color;
}

void ButtonCustom::SetCaptionHidden(bool hidden) {
  captionHidden = hidden;
  RepaintIfCreated();
}

void ButtonCustom::SetImage(XImage* picture) {
  image = picture;
  RepaintIfCreated();
}

void ButtonCustom::SetDisabledImage(XImage* picture) {
  disabledImage = picture;
  RepaintIfCreated();
}

void ButtonCustom::SetPressedAndShow(bool down) {
  pressed = down;
  Paint();
  // The new look must be on screen before a command that may take its time or open a dialog.
  FlushDisplay();
}

void ButtonCustom::Paint() {
  if (!CanPaint()) return;
  Painter painter = FormPainter();
  if (!painter.IsValid()) return;
  const Rect box = FormBox();

  ButtonLook look{};
  look.back = BackColorFrom(Backdrop::Own);
  look.bevel = pressed ? kSunkenBevel : kRaisedBevel;
  look.caption = enabled ? foreColor : kDisabledText;
  look.showFocus = focused && enabled && !pressed;
  look.picture = (image != nullptr && !enabled && disabledImage != nullptr) ? disabledImage : image;

  painter.FillRect(box.x, box.y, box.w, box.h, 0, 0, look.back);
  painter.DrawBevel(box.x, box.y, box.w, box.h, look.bevel);
  if (look.showFocus) {
    DrawFocusRectangle(painter, box.x + 4, box.y + 3, box.Right() - 4, box.Bottom() - 3, foreColor);
  }
  if (captionHidden) return;
  bool hasCaption = !text.empty();
  if (hasCaption) DrawCaption(painter, box, look, text, image);
  if (look.picture != nullptr) DrawPicture(painter, box, look.picture, hasCaption);
}

}  // namespace tessarin
