// A widget of one's own: a rating of zero to five, drawn as five dots. A press on a dot sets
// the rating; Left and Right step it while the widget has the focus. The title shows it.
#include <X11/keysym.h>

#include <algorithm>
#include <memory>
#include <string>

#include <tessarin/app/Application.h>
#include <tessarin/app/MainFormRunner.h>
#include <tessarin/framework/ElementWatch.h>
#include <tessarin/framework/HandlerForm.h>
#include <tessarin/widgets/Widget.h>

using namespace tessarin;

constexpr int kDots = 5;
constexpr int kPitch = 30;

class RatingBar : public Widget {
 public:
  // The kind names the widget, makes Tab stop at it and gives its default size.
  explicit RatingBar(GUIElement* parent)
      : Widget(parent, {"ratingbar", TabStop::Yes, kDots * kPitch + 4, kPitch + 4}) {}
  int GetRating() const { return rating; }

  // Every pixel comes from a Painter on the form's window, inside the widget's FormBox().
  void Paint() override {
    if (!CanPaint()) return;
    Painter painter = FormPainter();
    const Rect box = FormBox();
    painter.FillBox(box, kWhite);
    painter.DrawBevel(box.x, box.y, box.w, box.h, kSunkenBevel);
    for (int dot = 0; dot < kDots; ++dot) {
      painter.FillEllipse(box.x + 4 + dot * kPitch, box.y + 4, kPitch - 6, kPitch - 6, 1, foreColor,
                          dot < rating ? 0xF0B400 : 0xE0E0E0);
    }
    if (!focused) return;
    DrawFocusRectangle(painter, box.x + 1, box.y + 1, box.Right() - 1, box.Bottom() - 1, foreColor);
  }
  // Presses come in form coordinates; the watch tells whether the change callback left us alive.
  void MouseDown(Point point) override {
    const ElementWatch watch(this);
    if (enabled) SetRating((point.x - FormBox().x) / kPitch + 1);
    if (watch) Widget::MouseDown(point);
  }
  void KeyDown(unsigned long keysym) override {  // no OnKeyDown callback: keys stop here
    if (!enabled || !focused) return;
    if (keysym == XK_Left) SetRating(rating - 1);
    if (keysym == XK_Right) SetRating(rating + 1);
  }

 private:
  void SetRating(int value) {
    rating = std::clamp(value, 0, kDots);
    RepaintIfCreated();
    if (onChange) onChange(this);
  }

  int rating = 0;
};

class RatingForm : public HandlerForm {
 public:
  RatingForm(Application* application, const std::string& title) {
    SetApplication(application);
    SetSize(200, 75);
    SetTitle(title);
    Create();
  }
  ~RatingForm() override { DestroyWindow(); }

  void LoadControls() override {
    bar = std::make_unique<RatingBar>(this);
    bar->MoveTo(23, 20);
    bar->SetOnChange(ShowRating);  // a plain function; the sender leads to the form
    bar->Create();
    bar->SetFocus();
  }
  bool ConfirmClose() override {
    Application::RequestQuit();
    return true;
  }

 private:
  static void ShowRating(GUIElement* sender) {
    auto* form = static_cast<RatingForm*>(sender->GetParent());
    form->SetTitle("Rating: " + std::to_string(form->bar->GetRating()) + " of 5");
  }

  std::unique_ptr<RatingBar> bar;
};

int main(int argc, char** argv) {
  return RunMainForm(
      {{"custom-widget"}, "A rating widget written on the widget base."}, "Rating",
      [](Application* application, const std::string& title) {
        return std::make_unique<RatingForm>(application, title);
      },
      argc, argv);
}
