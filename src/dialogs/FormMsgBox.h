// The message box: a 250 x 150 dialog showing a text in a framed grey cell, with an OK button
// or YES and NO buttons.
//
// Opening one disables its owner form; the answer arrives later through the owner's
// OnDialogResult(id, result). One box at a time is current: Application::CurrentMessageBox()
// owns it until the next box replaces it (the old one's window goes at once, the object once
// the current event is handled) or the loop ends. The box owns its label and buttons.
#pragma once

#include <cstdint>
#include <string>

#include "framework/Form.h"

class Application;
class ButtonCustom;
class CellControl;

constexpr int kDialogClosed = 0;
constexpr int kDialogOk = 1;
constexpr int kDialogYes = 3;
constexpr int kDialogNo = 4;

class FormMsgBox : public Form {
 public:
  FormMsgBox(std::uint32_t id, bool isQuestion, Application* app, Form* owner,
             const std::string& title, const std::string& message);
  ~FormMsgBox() override;

  virtual void Setup(std::uint32_t dialogId, bool question, const std::string& title,
                     const std::string& text);
  virtual void LoadControls();
  virtual bool ConfirmClose();
  virtual void FormClosed();
  virtual void FormResized();
  virtual bool FormKeyChar(char ch);
  virtual bool AcceptsKey(int code);
  virtual void FormKeyDown();
  virtual void FormKeyUp();
  virtual void ReservedMsgA();
  virtual void FormMouseUp();
  virtual void FormMouseDown();
  virtual void ReservedMsgB();
  virtual void ReservedMsgC();
  virtual void CommandClicked(GUIElement* element);
  virtual void ReservedMsgD();
  virtual void SetMessage(const std::string& text);

  std::uint32_t GetDialogId() const { return dialogId; }
  int GetResult() const { return result; }
  bool IsQuestion() const { return isQuestion; }
  const std::string& GetMessage() const { return message; }
  // The owner while it still exists; null once it has been destroyed.
  Form* GetOwner() const;
  // Lets the owner go if this box still blocks it: enabled again, its modal child cleared.
  // An owner that another dialog has blocked since is left alone.
  void ReleaseOwner();
  CellControl* GetLabel() const { return label; }
  ButtonCustom* GetFirstButton() const { return firstButton; }
  ButtonCustom* GetSecondButton() const { return secondButton; }

 private:
  void CenterOnOwner(Form* owner);
  void InstallCallbacks();
  ButtonCustom* MakeButton(const std::string& caption, int left, int top);

  CellControl* label = nullptr;
  std::string message;
  bool isQuestion;
  std::uint32_t dialogId;
  int result = kDialogClosed;
  ButtonCustom* firstButton = nullptr;
  ButtonCustom* secondButton = nullptr;
  // The owner is found again by id: it may be destroyed while the box lives on.
  std::uint32_t ownerId = 0;
};

// Opens an OK box with id 0. A null owner means the first registered form.
void ShowMessage(Form* owner, const std::string& message, const std::string& title);
// Opens a YES/NO box reporting to owner with the given id. A null owner means the first form.
void AskQuestion(std::uint32_t id, Form* owner, const std::string& message,
                 const std::string& title);
