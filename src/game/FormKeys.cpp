#include "game/FormKeys.h"

#include "game/KeyTable.h"
#include "tessarin/framework/Form.h"
#include "tessarin/graphics/Painter.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"

using namespace tessarin;

namespace {

constexpr Color kKeyCream = 0xFFFDE5;
constexpr Color kMeaningWhite = 0xFFFFFF;

}  // namespace

KeysWindowLayout LayOutKeysWindow() {
  XFontStruct* font = SharedFont();
  return LayOutKeysWindow(
      MainWindowKeyRows(), [font](const std::string& text) { return FontTextWidth(font, text); },
      TextLineHeight(font != nullptr ? font->ascent : 0));
}

FormKeys::FormKeys(Form* owner) : CompanionWindow(owner), layout(LayOutKeysWindow()) {
  SetTitle("Keys");
  SetSize(layout.width, layout.height);
}

FormKeys::~FormKeys() {
  okButton.reset();
  cells.clear();
}

void FormKeys::LoadControls() {
  for (std::size_t i = 0; i < layout.cells.size(); ++i) {
    AddCell(layout.cells[i], i % 2 == 0 ? kKeyCream : kMeaningWhite);
  }
  const Rect& ok = layout.okButton;
  okButton = std::make_unique<ButtonCustom>(this, "OK");
  okButton->SetSize(ok.w, ok.h);
  okButton->MoveTo(ok.x, ok.y);
  okButton->SetCommand(CommandToThis());
  okButton->Create();
}

void FormKeys::AddCell(const KeysCell& place, Color back) {
  auto cell = std::make_unique<CellControl>(this);
  cell->SetText(place.text);
  cell->SetSize(place.box.w, place.box.h);
  cell->MoveTo(place.box.x, place.box.y);
  cell->SetBorder(true);
  cell->SetBackColor(back);
  cell->SetTextAlign(TextAlign::Left);
  cell->Create();
  cells.push_back(std::move(cell));
}

void FormKeys::CommandClicked(GUIElement* element) {
  if (element != nullptr && okButton && element->GetId() == okButton->GetId()) CloseWindow();
}
