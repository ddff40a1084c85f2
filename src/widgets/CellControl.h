// A passive text cell: a filled box with an optional one-pixel frame and a caption in it.
//
// The board's sixteen tiles are cells, and the dialogs use one as a multi-line label. A cell
// takes no focus and has no press behaviour of its own; its form installs OnMouseDown. The
// form that builds a cell owns and destroys it.
#pragma once

#include "framework/Child.h"
#include "graphics/Color.h"

class CellControl : public Child {
 public:
  explicit CellControl(GUIElement* parent);

  void Show() override;
  void ShowAndMap() override;
  void Hide() override;
  void SetText(const std::string& newText) override;
  void Paint() override;
  void Create() override;

  void SetBorder(bool on);
  void SetTextColor(Color color);
  // Alignment code of the text-in-box drawing: 0 left, 1 right, anything else centred.
  void SetTextAlign(int align);

  bool HasBorder() const { return border; }
  Color GetTextColor() const { return textColor; }
  int GetTextAlign() const { return textAlign; }

 private:
  void RepaintIfCreated();

  bool border = false;
  Color textColor = kBlack;
  int textAlign = 2;
};
