// A widget of one's own: a rating of zero to five stars, drawn as five dots. A press on a dot
// sets the rating; Left and Right step it while the widget has the focus (Tab reaches it); the
// rating shows in the window's caption line below.
#include <X11/keysym.h>

#include <memory>
#include <string>

#include "app/Application.h"
#include "app/MainFormRunner.h"
#include "framework/HandlerForm.h"
#include "widgets/CellControl.h"
#include "widgets/Widget.h"

namespace {

constexpr int kDots = 5;
constexpr int kDotPitch = 30;

class RatingBar : public Widget {
 public:
  // The kind names the widget, makes Tab stop at it and gives its default size.
  explicit RatingBar(GUIElement* parent)
      : Widget(parent, {"ratingbar", TabStop::Yes, kDots * kDotPitch + 4, kDotPitch + 4}) {}

  int GetRating() const { return rating; }

  // Every pixel comes from a Painter on the form's window, inside the widget's FormBox().
  void Paint() override {
    if (!CanPaint()) return;
    Painter painter = FormPainter();
    const Rect box = FormBox();
    painter.FillBox(box, 0xFFFFFF);
    painter.DrawBevel(box.x, box.y, box.w, box.h, kSunkenBevel);
    for (int dot = 0; dot < kDots; ++dot) {
      const Color fill = dot < rating ? 0xF0B400 : 0xE0E0E0;
      painter.FillEllipse(box.x + 4 + dot * kDotPitch, box.y + 4, kDotPitch - 6, kDotPitch - 6, 1,
                          foreColor, fill);
    }
    if (focused)
      DrawFocusRectangle(painter, box.x + 1, box.y + 1, box.Right() - 1, box.Bottom() - 1,
                         foreColor);
  }

  // Presses arrive in form coordinates.
  void MouseDown(Point point) override {
    if (enabled) SetRating((point.x - FormBox().x) / kDotPitch + 1);
    Widget::MouseDown(point);  // runs an OnMouseDown callback, if one is set
  }

  void KeyDown(unsigned long keysym) override {
    if (enabled && focused && keysym == XK_Left) SetRating(rating - 1);
    if (enabled && focused && keysym == XK_Right) SetRating(rating + 1);
    Widget::KeyDown(keysym);
  }

 private:
  void SetRating(int value) {
    rating = value < 0 ? 0 : value > kDots ? kDots : value;
    RepaintIfCreated();
    if (onChange) onChange(this);  // last: the callback may destroy the widget
  }

  int rating = 0;
};

class RatingForm : public HandlerForm {
 public:
  RatingForm(Application* application, const std::string& title) {
    SetApplication(application);
    SetSize(200, 110);
    SetTitle(title);
    CenterOnScreen();
    Create();
  }
  ~RatingForm() override { DestroyWindow(); }

  void LoadControls() override {
    bar = std::make_unique<RatingBar>(this);
    bar->MoveTo(23, 20);
    bar->SetOnChange(ShowRating);  // a plain function: callbacks carry no state of their own
    bar->Create();
    caption = std::make_unique<CellControl>(this);
    caption->SetSize(200, 20);
    caption->MoveTo(0, 70);
    caption->Create();
    bar->SetFocus();
  }

  bool ConfirmClose() override {
    Application::RequestQuit();
    return true;
  }

 private:
  static void ShowRating(GUIElement* sender) {
    auto* form = static_cast<RatingForm*>(sender->GetParent());
    form->caption->SetText(std::to_string(form->bar->GetRating()) + " of 5");
  }

  std::unique_ptr<RatingBar> bar;
  std::unique_ptr<CellControl> caption;
};

constexpr ProgramUsage kUsage{"custom-widget", "A rating widget written on the widget base."};

}  // namespace

int main(int argc, char** argv) {
  return RunMainForm(
      kUsage, "Rating",
      [](Application* application, const std::string& title) {
        return std::make_unique<RatingForm>(application, title);
      },
      argc, argv);
}
