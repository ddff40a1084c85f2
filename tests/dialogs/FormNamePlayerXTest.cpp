// The name window on a real server, typed into through XTEST and the loop's dispatch: its
// layout and the owner it blocks, a name confirmed by Return, Delete or OK, the ten-character
// limit, the beep for a blank name, Tab between the box and the button, and a window-manager
// close that confirms nothing.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>
#include <vector>

#include "support/BeepCounter.h"
#include "support/PixelRegion.h"
#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "tessarin/app/Application.h"
#include "tessarin/dialogs/FormNamePlayer.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/TextBoxCustom.h"

using namespace tessarin;

namespace {

class FormNamePlayerTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    owner = std::make_unique<RecordingForm>(app.get(), nullptr, 400, 300, 300, 200);
    owner->Create();
    WaitUntilMapped(owner.get());
    dialog = std::make_unique<FormNamePlayer>(owner.get(), nullptr, "Giocatore");
    dialog->SetPrompt("Your name?");
    dialog->Show();
    WaitUntilMapped(dialog.get());
    XSetInputFocus(display(), dialog->GetWindow(), RevertToParent, CurrentTime);
    Pump(owner.get());
  }
  void TearDown() override {
    dialog.reset();
    owner.reset();
    XServerFixture::TearDown();
  }

  void Type(const std::vector<KeySym>& keys) {
    for (KeySym key : keys) TypeKey(key);
    Pump(owner.get());
  }
  void ClickOk() {
    const Point at = dialog->GetOkButton()->GetPosition();
    Click(dialog.get(), at.x + 40, at.y + 14);
    Pump(owner.get());
  }
  bool IsOpen() { return dialog->IsCreated() && dialog->GetWindow() != 0; }
  bool OwnerIsFree() { return owner->IsEnabled() && owner->GetModalChild() == nullptr; }

  std::unique_ptr<RecordingForm> owner;
  std::unique_ptr<FormNamePlayer> dialog;
};

TEST_F(FormNamePlayerTest, OpensWhereFormPutsItWithThePromptTheBoxAndOk) {
  EXPECT_EQ(dialog->GetActualWidth(), 250);
  EXPECT_EQ(dialog->GetActualHeight(), 115);
  // Where a new form stands, not centred on its owner.
  XWindowAttributes attributes{};
  XGetWindowAttributes(display(), dialog->GetWindow(), &attributes);
  EXPECT_EQ(attributes.x, 100);
  EXPECT_EQ(attributes.y, 100);
  EXPECT_EQ(dialog->GetTitle(), "Giocatore");
  EXPECT_FALSE(owner->IsEnabled());
  EXPECT_EQ(owner->GetModalChild(), dialog.get());
  EXPECT_EQ(FormNamePlayer::LastPlayerName(), "");

  EXPECT_EQ(dialog->GetPromptLabel()->GetText(), "Your name?");
  EXPECT_EQ(dialog->GetPromptLabel()->GetPosition().y, 15);
  TextBoxCustom* box = dialog->GetNameBox();
  EXPECT_EQ(box->GetPosition().x, 62);
  EXPECT_EQ(box->GetPosition().y, 45);
  EXPECT_EQ(box->GetWidth(), 125);
  EXPECT_EQ(box->GetModel().MaxLength(), kPlayerNameLength);
  EXPECT_EQ(dialog->GetOkButton()->GetPosition().x, 85);
  EXPECT_EQ(dialog->GetOkButton()->GetPosition().y, 80);
  // The box has the focus, and shows it with the caret in its first cell.
  EXPECT_EQ(Application::FocusedElement(), box);
  PixelRegion firstCell(display(), dialog->GetWindow(), 62 + 3, 45 + 3, box->GetCellWidth(),
                        box->GetLineHeight());
  EXPECT_EQ(firstCell.Count(kDefaultCaretColor), box->GetCellWidth() * box->GetLineHeight());

  dialog->SetPrompt("Nome?");
  EXPECT_EQ(dialog->GetPromptLabel()->GetText(), "Nome?");
}

TEST_F(FormNamePlayerTest, ReturnConfirmsATypedNameAndReleasesTheOwner) {
  Type({XK_b, XK_o, XK_b, XK_space, XK_Return});
  EXPECT_EQ(FormNamePlayer::LastPlayerName(), "bob");
  EXPECT_FALSE(IsOpen());
  EXPECT_TRUE(OwnerIsFree());
  EXPECT_EQ(Application::FocusedElement(), nullptr);
  // Each new window starts with no name.
  FormNamePlayer next(owner.get(), nullptr, "again");
  EXPECT_EQ(FormNamePlayer::LastPlayerName(), "");
}

TEST_F(FormNamePlayerTest, TheBoxTakesTenCharactersAndDeleteActsAsOk) {
  BeepCounter beeps;
  Type({XK_a, XK_b, XK_c, XK_d, XK_e, XK_f, XK_g, XK_h, XK_i, XK_j, XK_k, XK_l});
  EXPECT_EQ(dialog->GetNameBox()->GetText(), "abcdefghij");
  EXPECT_EQ(beeps.WaitFor(2), 2u);
  Type({XK_Delete});
  EXPECT_EQ(FormNamePlayer::LastPlayerName(), "abcdefghij");
  EXPECT_FALSE(IsOpen());
}

TEST_F(FormNamePlayerTest, ABlankNameBeepsAndKeepsTheWindowOpen) {
  BeepCounter beeps;
  ClickOk();
  EXPECT_EQ(beeps.WaitFor(1), 1u);
  EXPECT_TRUE(IsOpen());
  EXPECT_EQ(Application::FocusedElement(), dialog->GetNameBox());

  Type({XK_space, XK_space, XK_Return});
  EXPECT_EQ(beeps.WaitFor(2), 2u);
  EXPECT_TRUE(IsOpen());
  EXPECT_FALSE(owner->IsEnabled());

  // Tab goes to OK and round again to the box, which takes what is typed next.
  Type({XK_Tab});
  EXPECT_EQ(Application::FocusedElement(), dialog->GetOkButton());
  Type({XK_Tab, XK_z});
  EXPECT_EQ(Application::FocusedElement(), dialog->GetNameBox());
  ClickOk();
  EXPECT_EQ(FormNamePlayer::LastPlayerName(), "  z");  // leading blanks stay
  EXPECT_TRUE(OwnerIsFree());
  EXPECT_EQ(beeps.Count(), 2u);
}

TEST_F(FormNamePlayerTest, AWindowManagerCloseConfirmsNothing) {
  Type({XK_a, XK_l});
  SendCloseRequest(dialog.get());
  Pump(owner.get());
  EXPECT_FALSE(IsOpen());
  EXPECT_EQ(FormNamePlayer::LastPlayerName(), "");
  EXPECT_TRUE(OwnerIsFree());
}

}  // namespace
