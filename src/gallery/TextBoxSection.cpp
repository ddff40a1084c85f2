#include "gallery/TextBoxSection.h"

#include "gallery/GalleryText.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/TextBoxCustom.h"

using namespace tessarin;

namespace {

using namespace gallery::text;

// What makes each row's box what it is, beyond its place.
struct BoxKind {
  const char* label;
  const char* initialText;
  void (*configure)(TextBoxCustom& box);
};

const BoxKind kKinds[kRowCount] = {
    {"Single line", "Overwrite me", [](TextBoxCustom&) {}},
    {"Multi-line", "Return breaks\rthe line", [](TextBoxCustom& box) { box.SetMultiLine(true); }},
    {"Numeric", "2024", [](TextBoxCustom& box) { box.SetNumeric(true); }},
    {"Decimal", "3.14",
     [](TextBoxCustom& box) {
       box.SetNumeric(true);
       box.SetAllowDecimalPoint(true);
     }},
    {"Date", "25/12/2024", [](TextBoxCustom& box) { box.SetDateMode(true); }},
    {"Password", "secret", [](TextBoxCustom& box) { box.SetPassword(true); }},
    {"Read-only", "Look, do not touch", [](TextBoxCustom& box) { box.SetReadOnly(true); }},
    {"Disabled", "Switched off", [](TextBoxCustom& box) { box.Enable(false); }},
};

}  // namespace

TextBoxSection::TextBoxSection(GUIElement* container)
    : GallerySection(container, "Text boxes", gallery::kTextPanel) {}

TextBoxSection::~TextBoxSection() = default;

void TextBoxSection::BuildWidgets() {
  BuildHeaders();
  for (int row = 0; row < kRowCount; ++row) BuildRow(row);
}

void TextBoxSection::BuildHeaders() {
  using gallery::kHeaderHeight;
  using gallery::kHeaderTop;
  headers[0] = MakeLabel("Mode", {kLabelLeft, kHeaderTop, kLabelWidth, kHeaderHeight});
  headers[1] = MakeLabel("TextBoxCustom", {kBoxLeft, kHeaderTop, kBoxWidth, kHeaderHeight});
  headers[2] =
      MakeLabel("What GetText() returns", {kShownLeft, kHeaderTop, kShownWidth, kHeaderHeight});
}

void TextBoxSection::BuildRow(int row) {
  const BoxKind& kind = kKinds[row];
  const int top = RowTop(row);
  const int height = RowHeight(row);
  Row& built = rows[row];
  built.label = MakeLabel(kind.label, {kLabelLeft, top, kLabelWidth, height});
  built.box = std::make_unique<TextBoxCustom>(this, kind.initialText);
  kind.configure(*built.box);
  Place(*built.box, {kBoxLeft, top, kBoxWidth, height});
  built.shown = MakeValueCell(ShownText(built.box->GetText()),
                              {kShownLeft, top, kShownWidth, height}, TextAlign::Left);
  CellControl* shown = built.shown.get();
  built.box->SetOnEdit([shown](TextBoxCustom& box) { shown->SetText(ShownText(box.GetText())); });
}
