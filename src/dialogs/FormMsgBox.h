// The message box: a 250 x 150 dialog showing a text in a framed grey cell, with an OK button
// or YES and NO buttons.
//
// Opening one blocks its owner form; the answer arrives later through the owner's
// OnDialogResult(id, result), or through the handler the caller gave. One box at a time is current:
// Application::CurrentMessageBox() owns it until the next box replaces it (the old one's window
// goes at once, the object once the current event is handled), its owner goes, or the loop ends.
// The box owns its label and buttons.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "tessarin/dialogs/ModalDialog.h"

namespace tessarin {

class ButtonCustom;
class CellControl;

constexpr int kDialogClosed = 0;
constexpr int kDialogOk = 1;
constexpr int kDialogYes = 3;
constexpr int kDialogNo = 4;

class FormMsgBox : public ModalDialog {
 public:
  FormMsgBox(std::uint32_t id, bool isQuestion, DisplayHost* app, Form* owner,
             const std::string& title, const std::string& message);
  ~FormMsgBox() override;

  void LoadControls() override;
  void FormClosed() override;
  void CommandClicked(GUIElement* element) override;

  // The operations the message box adds, in their fixed order.
  virtual void Setup(std::uint32_t dialogId, bool question, const std::string& title,
                     const std::string& text);
  virtual bool AcceptsKey(int code);
  virtual void ReservedMsgA();
  virtual void ReservedMsgB();
  virtual void ReservedMsgC();
  virtual void ReservedMsgD();
  virtual void SetMessage(const std::string& text);

  std::uint32_t GetDialogId() const { return dialogId; }
  int GetResult() const { return result; }
  bool IsQuestion() const { return isQuestion; }
  const std::string& GetMessage() const { return message; }
  CellControl* GetLabel() const { return label; }
  ButtonCustom* GetFirstButton() const { return firstButton; }
  ButtonCustom* GetSecondButton() const { return secondButton; }

 private:
  ButtonCustom* MakeButton(const std::string& caption, int left, int top);

  CellControl* label = nullptr;
  std::string message;
  bool isQuestion;
  std::uint32_t dialogId;
  int result = kDialogClosed;
  ButtonCustom* firstButton = nullptr;
  ButtonCustom* secondButton = nullptr;
};

// What a box's caller may take its answer with instead of the owner's OnDialogResult.
using DialogResultHandler = std::function<void(int result)>;

// Opens an OK box with id 0. A null owner means the first registered form.
void ShowMessage(Form* owner, const std::string& message, const std::string& title,
                 DialogResultHandler onResult = {});
// Opens a YES/NO box reporting to owner with the given id. A null owner means the first form.
void AskQuestion(std::uint32_t id, Form* owner, const std::string& message,
                 const std::string& title, DialogResultHandler onResult = {});

}  // namespace tessarin
