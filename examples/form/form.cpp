// A small data-entry window: a name, an age (digits only), a date (its "/" typed for you), a
// PIN (shown as "*"), a check box and a choice of three. OK writes what was entered to standard
// output, one "field=value" line each, and ends the program.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <tessarin/app/Application.h>
#include <tessarin/app/MainFormRunner.h>
#include <tessarin/framework/HandlerForm.h>
#include <tessarin/widgets/ButtonCustom.h>
#include <tessarin/widgets/CellControl.h>
#include <tessarin/widgets/CheckBox.h>
#include <tessarin/widgets/OptionBox.h>
#include <tessarin/widgets/TextBoxCustom.h>

using namespace tessarin;

class EntryForm : public HandlerForm {
 public:
  EntryForm(Application* application, const std::string& title) {
    SetApplication(application);
    SetSize(300, 255);
    SetTitle(title);
    CenterOnScreen();
    Create();
  }
  ~EntryForm() override { DestroyWindow(); }

  void LoadControls() override {
    name = AddField("Name", 10, 16, nullptr);
    age = AddField("Age", 40, 3, &TextBoxCustom::SetNumeric);
    date = AddField("Date", 70, 10, &TextBoxCustom::SetDateMode);
    pin = AddField("PIN", 100, 4, &TextBoxCustom::SetPassword);
    newsletter = std::make_unique<CheckBox>(this, "Send news");
    Place(*newsletter, 10, 135, 120, 20);
    size = std::make_unique<OptionBox>(this);
    for (const char* choice : {"Small", "Medium", "Large"}) size->AddItem(choice, choice);
    Place(*size, 160, 135, 120, 66);
    size->SelectFirst();

    ok = std::make_unique<ButtonCustom>(this, "OK");
    ok->SetCommand(CommandToThis());
    Place(*ok, 110, 215, 80, 28);
    name->SetFocus();
  }

  void CommandClicked(GUIElement* sender) override {
    if (sender != ok.get()) return;
    std::printf("name=%s\nage=%s\ndate=%s\npin=%s\nnews=%s\nsize=%s\n", name->GetText().c_str(),
                age->GetText().c_str(), date->GetText().c_str(), pin->GetText().c_str(),
                newsletter->IsChecked() ? "yes" : "no",
                size->GetItemValue(size->GetSelectedIndex()).c_str());
    Application::RequestQuit();
  }

  bool ConfirmClose() override {
    Application::RequestQuit();
    return true;
  }

 private:
  using Mode = void (TextBoxCustom::*)(bool);

  // A label and, beside it, a text box of the given length in the given mode.
  std::unique_ptr<TextBoxCustom> AddField(const char* caption, int top, int length, Mode mode) {
    labels.push_back(std::make_unique<CellControl>(this));
    labels.back()->SetText(caption);
    labels.back()->SetTextAlign(TextAlign::Left);
    Place(*labels.back(), 10, top + 3, 60, 16);
    auto box = std::make_unique<TextBoxCustom>(this, "");
    box->SetMaxLength(length);
    if (mode != nullptr) (box.get()->*mode)(true);
    Place(*box, 80, top, 10 + 7 * length, 22);
    return box;
  }

  static void Place(Widget& widget, int left, int top, int width, int height) {
    widget.SetSize(width, height);
    widget.MoveTo(left, top);
    widget.Create();
  }

  std::vector<std::unique_ptr<CellControl>> labels;
  std::unique_ptr<TextBoxCustom> name, age, date, pin;
  std::unique_ptr<CheckBox> newsletter;
  std::unique_ptr<OptionBox> size;
  std::unique_ptr<ButtonCustom> ok;
};

int main(int argc, char** argv) {
  return RunMainForm(
      {{"form"}, "A data-entry window that prints what was entered."}, "Form",
      [](Application* application, const std::string& title) {
        return std::make_unique<EntryForm>(application, title);
      },
      argc, argv);
}
