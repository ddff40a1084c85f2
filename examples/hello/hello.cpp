// The smallest whole program on the Tessarin toolkit: one window with a caption and a button
// that opens a message box. Closing the window ends the program.
#include <memory>
#include <string>

#include <tessarin/app/Application.h>
#include <tessarin/app/MainFormRunner.h>
#include <tessarin/dialogs/FormMsgBox.h>
#include <tessarin/framework/HandlerForm.h>
#include <tessarin/widgets/ButtonCustom.h>
#include <tessarin/widgets/CellControl.h>

using namespace tessarin;

constexpr Color kWindowBack = 0xD4D0C8;
constexpr Color kButtonBack = 0x3C78D8;

class HelloForm : public HandlerForm {
 public:
  HelloForm(Application* application, const std::string& title) {
    SetApplication(application);
    SetSize(240, 120);
    SetTitle(title);
    SetBackColor(kWindowBack);
    CenterOnScreen();
    Create();  // builds the window; its OnLoad runs LoadControls
  }

  ~HelloForm() override { DestroyWindow(); }

  // The form owns its widgets: they are members, made once the window exists.
  void LoadControls() override {
    greeting = std::make_unique<CellControl>(this);
    greeting->SetText("Hello from Tessarin");
    greeting->SetBackColor(kWindowBack);
    greeting->SetSize(220, 20);
    greeting->MoveTo(10, 20);
    greeting->Create();

    button = std::make_unique<ButtonCustom>(this, "Say hello");
    button->SetBackColor(kButtonBack);
    button->SetForeColor(kWhite);
    button->SetSize(100, 30);
    button->MoveTo(70, 65);
    button->SetCommand(CommandToThis());  // a click reaches CommandClicked below
    button->Create();
  }

  void CommandClicked(GUIElement*) override { ShowMessage(this, "Hello, world!", "Hello"); }

  // The window manager's close button ends the event loop.
  bool ConfirmClose() override {
    Application::RequestQuit();
    return true;
  }

 private:
  std::unique_ptr<CellControl> greeting;
  std::unique_ptr<ButtonCustom> button;
};

// Who the program is: its command name and version for --help and --version, and the class its
// window carries. Nothing more is said, so it keeps no log file and beeps with the X bell.
constexpr ProgramUsage kUsage{{"hello", "1.0", "Hello"},
                              "Opens one window with a button that says hello."};

int main(int argc, char** argv) {
  return RunMainForm(
      kUsage, "Hello",
      [](Application* application, const std::string& title) {
        return std::make_unique<HelloForm>(application, title);
      },
      argc, argv);
}
