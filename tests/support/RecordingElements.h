// Elements for tests that record which of their operations ran, in order, so routing and
// default behaviour can be checked without drawing anything. Header-only: both test binaries
// use it.
#pragma once

#include <string>
#include <vector>

#include "tessarin/app/Application.h"
#include "tessarin/framework/Child.h"
#include "tessarin/framework/Form.h"

using CallLog = std::vector<std::string>;

// The deliveries that children and forms share, each logged as "<label>.<Operation>" and then
// handed on to the element's own behaviour.
template <class Element>
class Recording : public Element {
 public:
  using Element::Element;

  void MouseDown(tessarin::Point p) override {
    Record("MouseDown");
    Element::MouseDown(p);
  }
  void MouseUp(tessarin::Point p) override {
    Record("MouseUp");
    Element::MouseUp(p);
  }
  void MouseMove(int px, int py) override {
    Record("MouseMove");
    Element::MouseMove(px, py);
  }
  void KeyDown(unsigned long keysym) override {
    Record("KeyDown");
    Element::KeyDown(keysym);
  }
  void KeyUp(unsigned long keysym) override {
    Record("KeyUp");
    Element::KeyUp(keysym);
  }
  bool KeyChar(char ch) override {
    Record("KeyChar:" + std::to_string(static_cast<int>(ch)));
    return Element::KeyChar(ch);
  }

  std::string label;

 protected:
  void Record(const std::string& operation) {
    if (log != nullptr) log->push_back(label + "." + operation);
  }
  CallLog* log = nullptr;
};

// A child that keeps a shared log of the deliveries it receives.
class RecordingChild : public Recording<tessarin::Child> {
 public:
  RecordingChild(tessarin::GUIElement* container, std::string name, CallLog* callLog) {
    label = std::move(name);
    log = callLog;
    parent = container;
  }

  void Create() override {
    if (created) return;
    AssignIdIfMissing();
    created = true;
    visible = true;
  }
  void SetType(const std::string& newType) { type = newType; }
  void SetFocusable(bool on) { focusable = on; }
  void Place(int px, int py, int w, int h) {
    SetPosition(px, py);
    SetSize(w, h);
  }

  void GotFocus() override {
    Record("GotFocus");
    tessarin::Child::GotFocus();
  }
  void LostFocus() override {
    Record("LostFocus");
    tessarin::Child::LostFocus();
  }
};

// A form that records the deliveries made to the form itself, as "form.<Operation>".
class RecordingForm : public Recording<tessarin::Form> {
 public:
  RecordingForm(tessarin::Application* app, CallLog* callLog, int px = 40, int py = 40, int w = 300,
                int h = 200, bool dialog = false)
      : Recording<tessarin::Form>(nullptr, dialog) {
    label = "form";
    log = callLog;
    SetApplication(app);
    SetPosition(px, py);
    SetSize(w, h);
    SetTitle("recording form");
  }

  void OtherMouseDown(tessarin::Point p) override {
    Record("OtherMouseDown");
    tessarin::Form::OtherMouseDown(p);
  }
  void OtherMouseUp(tessarin::Point p) override {
    Record("OtherMouseUp");
    tessarin::Form::OtherMouseUp(p);
  }
  void MouseEnter() override { Record("MouseEnter"); }
  void MouseLeave() override { Record("MouseLeave"); }
  void Paint() override {
    Record("Paint");
    tessarin::Form::Paint();
  }
  void Resized() override {
    Record("Resized");
    tessarin::Form::Resized();
  }
  bool QueryClose() override {
    Record("QueryClose");
    return allowClose;
  }
  void Close() override {
    Record("Close");
    tessarin::Form::Close();
  }
  void OnUserMessage() override { Record("OnUserMessage"); }

  bool allowClose = true;
};
