// Elements for tests that record which of their operations ran, in order, so routing and
// default behaviour can be checked without drawing anything. Header-only: both test binaries
// use it.
#pragma once

#include <string>
#include <vector>

#include "app/Application.h"
#include "framework/Child.h"
#include "framework/Form.h"

using CallLog = std::vector<std::string>;

// A child that keeps a shared log of the deliveries it receives, named "<name>.<Operation>".
class RecordingChild : public Child {
 public:
  RecordingChild(GUIElement* container, std::string label, CallLog* log)
      : label(std::move(label)), log(log) {
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

  void MouseDown(Point p) override {
    Record("MouseDown");
    Child::MouseDown(p);
  }
  void MouseUp(Point p) override {
    Record("MouseUp");
    Child::MouseUp(p);
  }
  void MouseMove(int px, int py) override {
    Record("MouseMove");
    Child::MouseMove(px, py);
  }
  void KeyDown(unsigned long keysym) override {
    Record("KeyDown");
    Child::KeyDown(keysym);
  }
  void KeyUp(unsigned long keysym) override {
    Record("KeyUp");
    Child::KeyUp(keysym);
  }
  bool KeyChar(char ch) override {
    Record("KeyChar:" + std::to_string(static_cast<int>(ch)));
    return Child::KeyChar(ch);
  }
  void GotFocus() override {
    Record("GotFocus");
    Child::GotFocus();
  }
  void LostFocus() override {
    Record("LostFocus");
    Child::LostFocus();
  }

  std::string label;

 private:
  void Record(const std::string& operation) {
    if (log != nullptr) log->push_back(label + "." + operation);
  }
  CallLog* log;
};

// A form that records the deliveries made to the form itself.
class RecordingForm : public Form {
 public:
  RecordingForm(Application* app, CallLog* log, int px = 40, int py = 40, int w = 300, int h = 200,
                bool dialog = false)
      : Form(nullptr, dialog), log(log) {
    SetApplication(app);
    SetPosition(px, py);
    SetSize(w, h);
    SetTitle("recording form");
  }

  void MouseDown(Point p) override {
    Record("MouseDown");
    Form::MouseDown(p);
  }
  void MouseUp(Point p) override {
    Record("MouseUp");
    Form::MouseUp(p);
  }
  void OtherMouseDown(Point p) override {
    Record("OtherMouseDown");
    Form::OtherMouseDown(p);
  }
  void OtherMouseUp(Point p) override {
    Record("OtherMouseUp");
    Form::OtherMouseUp(p);
  }
  void MouseMove(int px, int py) override {
    Record("MouseMove");
    Form::MouseMove(px, py);
  }
  void KeyDown(unsigned long keysym) override {
    Record("KeyDown");
    Form::KeyDown(keysym);
  }
  void KeyUp(unsigned long keysym) override {
    Record("KeyUp");
    Form::KeyUp(keysym);
  }
  bool KeyChar(char ch) override {
    Record("KeyChar:" + std::to_string(static_cast<int>(ch)));
    return Form::KeyChar(ch);
  }
  void MouseEnter() override { Record("MouseEnter"); }
  void MouseLeave() override { Record("MouseLeave"); }
  void Paint() override {
    Record("Paint");
    Form::Paint();
  }
  void Resized() override {
    Record("Resized");
    Form::Resized();
  }
  bool QueryClose() override {
    Record("QueryClose");
    return allowClose;
  }
  void Close() override {
    Record("Close");
    Form::Close();
  }
  void OnUserMessage() override { Record("OnUserMessage"); }

  bool allowClose = true;

 private:
  void Record(const std::string& operation) {
    if (log != nullptr) log->push_back("form." + operation);
  }
  CallLog* log;
};
