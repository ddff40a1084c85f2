// The text boxes in every mode, one row each: what the box is, the box, and a cell that
// shows what the box's GetText returns, brought up to date at every edit of the box. The
// section owns its rows.
#pragma once

#include <array>
#include <memory>

#include "gallery/GalleryLayout.h"
#include "gallery/GallerySection.h"

namespace tessarin {
class TextBoxCustom;
}  // namespace tessarin

class TextBoxSection : public GallerySection {
 public:
  explicit TextBoxSection(tessarin::GUIElement* container);
  ~TextBoxSection() override;

  tessarin::TextBoxCustom* Box(gallery::text::Row row) const { return rows[row].box.get(); }

 private:
  void BuildWidgets() override;

  struct Row {
    std::unique_ptr<tessarin::CellControl> label;
    std::unique_ptr<tessarin::TextBoxCustom> box;
    std::unique_ptr<tessarin::CellControl> shown;
  };

  void BuildHeaders();
  void BuildRow(int row);

  std::array<std::unique_ptr<tessarin::CellControl>, 3> headers;
  std::array<Row, gallery::text::kRowCount> rows;
};
