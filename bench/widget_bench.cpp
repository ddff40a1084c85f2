// The toolkit's widgets measured inside the process that paints them.
//
// Builds one window with one of each widget on the X server named by DISPLAY, lets the event
// loop's dispatch handle everything up to the first Expose, then
// - paints each widget on its own, many times: the time until the server has carried out
//   every request (an XSync closes the measurement) and the number of requests the paint sent
//   (XNextRequest before and after);
// - types one character into text boxes, and counts the requests the keystroke sent beside
//   the requests of a full repaint of the same box: a keystroke should redraw only the cells
//   it changed. Each typed character is taken back with Backspace before the next one, so
//   every keystroke meets the same box.
// Prints one table. Usage: tessarin_widget_bench [paints]
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gallery/SpinnerStrip.h"
#include "support/EventDrain.h"
#include "tessarin/app/Application.h"
#include "tessarin/app/EventLoop.h"
#include "tessarin/framework/Form.h"
#include "tessarin/util/CharacterCodes.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/CheckBox.h"
#include "tessarin/widgets/ImageFrame.h"
#include "tessarin/widgets/MyImage.h"
#include "tessarin/widgets/OptionBox.h"
#include "tessarin/widgets/PanelChildren.h"
#include "tessarin/widgets/ProgressBar.h"
#include "tessarin/widgets/ScrollBar.h"
#include "tessarin/widgets/Slider.h"
#include "tessarin/widgets/TextBoxCustom.h"

using namespace tessarin;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWarmUpPaints = 5;
constexpr double kPaintTargetMs = 1.0;
constexpr int kFrameSize = 48;
constexpr int kFrameCount = 8;
constexpr char kBackspaceChar = 8;

class BenchForm : public Form {
 public:
  explicit BenchForm(Application* app) : Form(nullptr) {
    SetApplication(app);
    SetPosition(20, 20);
    SetSize(760, 420);
    SetBackColor(0xDCDAD5);
    SetTitle("Tessarin widget benchmark");
  }
};

struct Sample {
  double ms = 0;
  unsigned long requests = 0;
};

// One action, timed to the server's completion, with the requests it sent.
Sample Measure(Display* display, const std::function<void()>& action) {
  XSync(display, False);
  const unsigned long before = XNextRequest(display);
  const Clock::time_point start = Clock::now();
  action();
  const unsigned long after = XNextRequest(display);
  XSync(display, False);
  const Clock::time_point end = Clock::now();
  return {std::chrono::duration<double, std::milli>(end - start).count(), after - before};
}

struct Summary {
  double median = 0, min = 0, max = 0;
  unsigned long requests = 0;  // the median
};

Summary Summarise(std::vector<Sample> samples) {
  Summary summary;
  if (samples.empty()) return summary;
  std::vector<double> ms;
  std::vector<unsigned long> requests;
  for (const Sample& sample : samples) {
    ms.push_back(sample.ms);
    requests.push_back(sample.requests);
  }
  std::sort(ms.begin(), ms.end());
  std::sort(requests.begin(), requests.end());
  summary.median = ms[ms.size() / 2];
  summary.min = ms.front();
  summary.max = ms.back();
  summary.requests = requests[requests.size() / 2];
  return summary;
}

// Every widget of the toolkit, placed and created on the form, with its name.
struct Widgets {
  std::vector<unsigned char> rgb = MakeSpinnerPictures(kFrameSize, kFrameCount).strip;
  std::vector<std::pair<std::string, std::unique_ptr<GUIElement>>> all;
  TextBoxCustom* singleLine = nullptr;
  TextBoxCustom* multiLine = nullptr;

  void Add(const std::string& name, GUIElement* widget, int x, int y, int w, int h) {
    widget->MoveTo(x, y);
    widget->SetSize(w, h);
    widget->Create();
    all.emplace_back(name, widget);
  }

  explicit Widgets(Form* form) {
    Add("ButtonCustom", new ButtonCustom(form, "Button"), 10, 10, 100, 28);
    auto* cell = new CellControl(form);
    cell->SetText("A framed cell");
    cell->SetBorder(true);
    cell->SetBackColor(0xFFFFF0);
    Add("CellControl", cell, 120, 10, 140, 24);
    Add("MyImage (48 x 48)", new MyImage(form, rgb.data(), true, kFrameSize, kFrameSize), 270, 10,
        kFrameSize, kFrameSize);
    auto* panel = new PanelChildren(form);
    panel->SetText("Panel");
    panel->SetBorder(true);
    Add("PanelChildren (empty)", panel, 330, 10, 160, 80);
    singleLine = new TextBoxCustom(form, "Overwrite me");
    Add("TextBoxCustom, one line", singleLine, 10, 100, 186, 24);
    multiLine = new TextBoxCustom(form, "Return breaks\rthe line");
    multiLine->SetMultiLine(true);
    Add("TextBoxCustom, three lines", multiLine, 10, 130, 186, 60);
    auto* check = new CheckBox(form, "Check box");
    check->SetChecked(true);
    Add("CheckBox", check, 210, 100, 140, 24);
    auto* options = new OptionBox(form);
    for (const char* row : {"Red", "Green", "Blue"}) options->AddItem(row, row);
    options->SetSelectedIndex(1);
    Add("OptionBox (3 rows)", options, 210, 130, 140, 78);
    auto* bar = new ProgressBar(form, 0, 10);
    bar->SetValue(4);
    Add("ProgressBar", bar, 10, 220, 200, 18);
    Add("ImageFrame (48 x 48 of a strip)",
        new ImageFrame(form, rgb.data(), false, kFrameSize * kFrameCount, kFrameSize, 3, 0), 370,
        100, kFrameSize, kFrameSize);
    Add("Slider, lying (11 stops)", new Slider(form, false, 0, 10), 10, 250, 240, 36);
    Add("Slider, standing (6 stops)", new Slider(form, true, 0, 5), 500, 10, 40, 136);
    Add("ScrollBar, lying (5 pages)", new ScrollBar(form, 0, 1000), 10, 300, 242, 21);
    auto* standing = new ScrollBar(form, 0, 300);
    standing->SetVertical(true);
    Add("ScrollBar, standing (3 pages)", standing, 560, 10, 21, 142);
  }
};

void PrintRow(const std::string& name, const Summary& paint) {
  const std::string target = "< " + std::to_string(static_cast<int>(kPaintTargetMs)) + " ms";
  std::printf("| %-32s | %6.3f (%6.3f - %6.3f) | %8lu | %-8s | %-3s |\n", name.c_str(),
              paint.median, paint.min, paint.max, paint.requests, target.c_str(),
              paint.median < kPaintTargetMs ? "yes" : "NO");
}

Summary MeasurePaints(Display* display, GUIElement* widget, int paints) {
  for (int i = 0; i < kWarmUpPaints; ++i) widget->Paint();
  std::vector<Sample> samples;
  for (int i = 0; i < paints; ++i) samples.push_back(Measure(display, [&] { widget->Paint(); }));
  return Summarise(samples);
}

// Types ch into the focused box, paints, and takes it back; the typing alone is measured.
Summary MeasureTyping(Display* display, TextBoxCustom* box, char ch, int strokes) {
  std::vector<Sample> samples;
  for (int i = 0; i < strokes; ++i) {
    samples.push_back(Measure(display, [&] { box->KeyChar(ch); }));
    box->KeyChar(kBackspaceChar);
  }
  return Summarise(samples);
}

void PrintTyping(const std::string& what, const Summary& typing, const Summary& repaint) {
  std::printf("| %-44s | %8lu | %8lu | %11.3f | %11.3f |\n", what.c_str(), typing.requests,
              repaint.requests, typing.median, repaint.median);
}

}  // namespace

int main(int argc, char** argv) {
  const int paints = std::max(argc > 1 ? std::atoi(argv[1]) : 201, 1);
  Application application("Tessarin widget benchmark");
  Display* display = application.GetDisplay();
  if (display == nullptr) {
    std::fprintf(stderr, "widget_bench: no display\n");
    return 1;
  }
  BenchForm form(&application);
  form.Create();
  Widgets widgets(&form);
  // Up to and including the first Expose, exactly as the loop would deliver it.
  for (bool exposed = false; !exposed;) {
    XEvent event;
    XNextEvent(display, &event);
    exposed = event.type == Expose;
    DispatchEvent(&form, event);
  }
  DrainEvents(display, &form, 100);

  std::printf("Each widget painted on its own, %d times: median (min - max) and requests sent.\n\n",
              paints);
  std::printf("| %-32s | %-24s | %-8s | %-8s | %-3s |\n", "widget", "paint, ms", "requests",
              "target", "met");
  std::printf("|%s|%s|%s|%s|%s|\n", std::string(34, '-').c_str(), std::string(26, '-').c_str(),
              std::string(10, '-').c_str(), std::string(10, '-').c_str(),
              std::string(5, '-').c_str());
  for (auto& [name, widget] : widgets.all) {
    PrintRow(name, MeasurePaints(display, widget.get(), paints));
  }

  std::printf("\nOne typed character against a full repaint of the same box (medians).\n\n");
  std::printf("| %-44s | %-8s | %-8s | %-11s | %-11s |\n", "keystroke", "requests", "repaint",
              "typing, ms", "repaint, ms");
  std::printf("|%s|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(10, '-').c_str(),
              std::string(10, '-').c_str(), std::string(13, '-').c_str(),
              std::string(13, '-').c_str());
  // With the focus, so that the caret is drawn as a user sees it.
  widgets.singleLine->SetFocus();
  const Summary end = MeasureTyping(display, widgets.singleLine, 'x', paints);
  PrintTyping("'x' after the text of a one-line box", end,
              MeasurePaints(display, widgets.singleLine, paints));
  widgets.multiLine->SetFocus();
  // The caret to the first cell, as a click there puts it: every later cell moves on by one.
  widgets.multiLine->MouseUp(widgets.multiLine->GetAbsolutePosition());
  const Summary front = MeasureTyping(display, widgets.multiLine, 'x', paints);
  PrintTyping("'x' before the text of a three-line box", front,
              MeasurePaints(display, widgets.multiLine, paints));
  std::fflush(stdout);
  return 0;
}
