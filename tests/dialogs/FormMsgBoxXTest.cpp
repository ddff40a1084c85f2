// The message box on a real server, answered with real XTEST clicks and window-manager close
// requests through the loop's dispatch: its layout, the result codes and ids its owner
// receives, the owner's blocking and release, and the replacement of one box by the next,
// including from inside the owner's answer handler (run under the sanitizers in CI).
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/Xatom.h>

#include <functional>
#include <memory>
#include <vector>

#include "support/PixelRegion.h"
#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "tessarin/app/Application.h"
#include "tessarin/dialogs/FormMsgBox.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"

using namespace tessarin;

namespace {

constexpr Color kBoxColor = 0xAAAAAA;

struct Report {
  std::uint32_t id;
  int result;
  bool ownerEnabled;
};

// An owner that keeps every answer it is given, and whether it was enabled at that moment.
class OwnerForm : public RecordingForm {
 public:
  OwnerForm(Application* app, int x, int y) : RecordingForm(app, nullptr, x, y, 400, 300) {}
  void OnDialogResult(std::uint32_t dialogId, int result) override {
    reports.push_back({dialogId, result, IsEnabled()});
    if (onReport) onReport();
  }
  std::vector<Report> reports;
  std::function<void()> onReport;
};

int ownerCommands = 0;

class FormMsgBoxTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    ownerCommands = 0;
    owner = std::make_unique<OwnerForm>(app.get(), 300, 300);
    owner->Create();
    WaitUntilMapped(owner.get());
  }
  void TearDown() override {
    Application::DeletePending();
    delete Application::CurrentMessageBox();
    ownerButton.reset();
    other.reset();
    owner.reset();
    XServerFixture::TearDown();
  }

  FormMsgBox* CurrentBox() { return dynamic_cast<FormMsgBox*>(Application::CurrentMessageBox()); }

  FormMsgBox* OpenedBox() {
    FormMsgBox* box = CurrentBox();
    if (box != nullptr) WaitUntilMapped(box);
    return box;
  }

  // Button centres in box coordinates.
  void ClickFirstButton(FormMsgBox* box) { Click(box, 130 + 55, 110 + 14); }
  void ClickSecondButton(FormMsgBox* box) { Click(box, 10 + 55, 110 + 14); }

  std::unique_ptr<OwnerForm> owner;
  std::unique_ptr<OwnerForm> other;
  std::unique_ptr<ButtonCustom> ownerButton;
};

TEST_F(FormMsgBoxTest, OkBoxShowsOneButtonAtTheRightAndTheMessageInAFramedGreyCell) {
  ShowMessage(owner.get(), "Well done!", "Game");
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->IsQuestion());
  EXPECT_EQ(box->GetTitle(), "Game");
  EXPECT_EQ(box->GetSize(), (Point{250, 150}));

  ButtonCustom* ok = box->GetFirstButton();
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->GetText(), "OK");
  EXPECT_EQ(ok->GetPosition(), (Point{130, 110}));
  EXPECT_EQ(ok->GetSize(), (Point{110, 28}));
  EXPECT_FALSE(box->GetSecondButton()->IsVisible());
  EXPECT_FALSE(box->GetSecondButton()->IsCreated());

  CellControl* label = box->GetLabel();
  EXPECT_EQ(label->GetText(), "Well done!");
  EXPECT_EQ(label->GetPosition(), (Point{10, 10}));
  EXPECT_EQ(label->GetSize(), (Point{230, 90}));

  EXPECT_EQ(PixelAt(box, 185, 110), kWhite);    // OK's raised top edge
  EXPECT_EQ(PixelAt(box, 239, 124), kBlack);    // and its dark right edge
  EXPECT_EQ(PixelAt(box, 65, 124), kBoxColor);  // no second button
  EXPECT_EQ(PixelAt(box, 120, 10), kBlack);     // label frame: black top
  EXPECT_EQ(PixelAt(box, 239, 50), kWhite);     // white right on the grey cell
  EXPECT_EQ(PixelAt(box, 14, 14), 0xB7B7B7);
}

TEST_F(FormMsgBoxTest, BoxIsADialogWindowCentredOnItsOwner) {
  AskQuestion(1000, owner.get(), "Do you really want to go exit?", "Exit");
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  XGetWindowProperty(display(), box->GetWindow(),
                     XInternAtom(display(), "_NET_WM_WINDOW_TYPE", False), 0, 1, False, XA_ATOM,
                     &type, &format, &count, &after, &data);
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(count, 1u);
  EXPECT_EQ(*reinterpret_cast<Atom*>(data),
            XInternAtom(display(), "_NET_WM_WINDOW_TYPE_DIALOG", False));
  XFree(data);

  Point ownerAt = owner->GetPosition();
  Point boxAt = box->GetPosition();
  EXPECT_NEAR(boxAt.x, ownerAt.x + 75, 2);
  EXPECT_NEAR(boxAt.y, ownerAt.y + 75, 2);
}

TEST_F(FormMsgBoxTest, OkReportsOneWithTheBoxIdAfterEnablingTheOwner) {
  ShowMessage(owner.get(), "Hello", "Info");
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(owner->IsEnabled());
  EXPECT_EQ(owner->GetModalChild(), box);

  ClickFirstButton(box);
  Pump(owner.get());
  ASSERT_EQ(owner->reports.size(), 1u);
  EXPECT_EQ(owner->reports[0].id, 0u);
  EXPECT_EQ(owner->reports[0].result, kDialogOk);
  EXPECT_TRUE(owner->reports[0].ownerEnabled);
  EXPECT_EQ(box->GetResult(), kDialogOk);
  EXPECT_EQ(box->GetWindow(), 0u);
  EXPECT_EQ(CurrentBox(), box);
  EXPECT_EQ(owner->GetModalChild(), nullptr);
}

TEST_F(FormMsgBoxTest, QuestionReportsYesAsThreeAndNoAsFour) {
  AskQuestion(1000, owner.get(), "Sure?", "Exit");
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetFirstButton()->GetText(), "YES");
  EXPECT_EQ(box->GetSecondButton()->GetText(), "NO");
  ClickFirstButton(box);
  Pump(owner.get());

  AskQuestion(7, owner.get(), "Really?", "Exit");
  box = OpenedBox();
  ASSERT_NE(box, nullptr);
  ClickSecondButton(box);
  Pump(owner.get());

  ASSERT_EQ(owner->reports.size(), 2u);
  EXPECT_EQ(owner->reports[0].id, 1000u);
  EXPECT_EQ(owner->reports[0].result, kDialogYes);
  EXPECT_EQ(owner->reports[1].id, 7u);
  EXPECT_EQ(owner->reports[1].result, kDialogNo);
  EXPECT_TRUE(owner->reports[1].ownerEnabled);
}

TEST_F(FormMsgBoxTest, AHandlerGivenWithTheQuestionTakesTheAnswerInsteadOfTheOwner) {
  std::vector<int> handled;
  AskQuestion(5, owner.get(), "Sure?", "Exit", [&](int result) { handled.push_back(result); });
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);
  ClickSecondButton(box);
  Pump(owner.get());
  EXPECT_EQ(handled, std::vector<int>{kDialogNo});
  EXPECT_TRUE(owner->reports.empty());
  EXPECT_TRUE(owner->IsEnabled());
}

TEST_F(FormMsgBoxTest, WindowManagerCloseReportsZero) {
  AskQuestion(1000, owner.get(), "Sure?", "Exit");
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);
  SendCloseRequest(box);
  Pump(owner.get());
  ASSERT_EQ(owner->reports.size(), 1u);
  EXPECT_EQ(owner->reports[0].id, 1000u);
  EXPECT_EQ(owner->reports[0].result, kDialogClosed);
  EXPECT_TRUE(owner->reports[0].ownerEnabled);
  EXPECT_EQ(box->GetWindow(), 0u);
}

TEST_F(FormMsgBoxTest, OwnerIgnoresItsButtonsWhileTheBoxIsOpen) {
  ownerButton = std::make_unique<ButtonCustom>(owner.get(), "X");
  ownerButton->MoveTo(10, 10);
  ownerButton->SetCommand([](GUIElement*) { ++ownerCommands; });
  ownerButton->Create();
  ownerButton->Paint();
  ShowMessage(owner.get(), "Busy", "Info");
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);

  Click(owner.get(), 40, 25);
  Pump(owner.get());
  EXPECT_EQ(ownerCommands, 0);

  ClickFirstButton(box);
  Pump(owner.get());
  Click(owner.get(), 40, 25);
  Pump(owner.get());
  EXPECT_EQ(ownerCommands, 1);
}

// The owner's focused button shows no focus while a box (and the box that replaces it) has the
// keyboard, and has it back, frame and all, once the last box is answered.
TEST_F(FormMsgBoxTest, TheOwnersFocusedButtonGetsTheFocusBackWhenTheLastBoxGoes) {
  ownerButton = std::make_unique<ButtonCustom>(owner.get(), "X");
  ownerButton->MoveTo(10, 10);
  ownerButton->Create();
  ownerButton->Paint();
  // The top line of the dashed focus frame.
  const auto frameDashes = [&] {
    return PixelRegion(display(), owner->GetWindow(), 14, 13, 72, 1).Count(kBlack);
  };
  Click(owner.get(), 40, 25);
  Pump(owner.get());
  ASSERT_EQ(Application::FocusedElement(), ownerButton.get());
  ASSERT_GT(frameDashes(), 0);

  ShowMessage(owner.get(), "one", "Info");
  FormMsgBox* first = OpenedBox();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Application::FocusedElement(), first->GetFirstButton());
  EXPECT_FALSE(ownerButton->HasFocus());
  EXPECT_EQ(frameDashes(), 0);
  AskQuestion(5, owner.get(), "two", "Info");
  FormMsgBox* second = OpenedBox();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Application::FocusedElement(), second->GetFirstButton());
  EXPECT_FALSE(ownerButton->HasFocus());

  ClickSecondButton(second);
  Pump(owner.get());
  EXPECT_EQ(Application::FocusedElement(), ownerButton.get());
  EXPECT_TRUE(ownerButton->HasFocus());
  EXPECT_GT(frameDashes(), 0);
}

TEST_F(FormMsgBoxTest, NullOwnerMeansTheFirstRegisteredForm) {
  other = std::make_unique<OwnerForm>(app.get(), 20, 20);
  other->Create();
  ShowMessage(nullptr, "Orphan", "Info");
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetOwner(), owner.get());
  EXPECT_FALSE(owner->IsEnabled());
  EXPECT_TRUE(other->IsEnabled());
  ClickFirstButton(box);
  Pump(owner.get());
  ASSERT_EQ(owner->reports.size(), 1u);
  EXPECT_TRUE(other->reports.empty());
}

TEST_F(FormMsgBoxTest, SecondBoxDestroysTheFirstWithoutAnyReport) {
  ShowMessage(owner.get(), "one", "Info");
  FormMsgBox* first = OpenedBox();
  ASSERT_NE(first, nullptr);
  std::uint32_t firstId = first->GetId();

  AskQuestion(5, owner.get(), "two", "Info");
  EXPECT_EQ(first->GetWindow(), 0u);  // gone at once; the object waits for the event's end
  FormMsgBox* second = OpenedBox();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(Application::FindElementById(firstId), nullptr);
  EXPECT_TRUE(owner->reports.empty());
  EXPECT_FALSE(owner->IsEnabled());
  EXPECT_EQ(owner->GetModalChild(), second);

  ClickSecondButton(second);
  Pump(owner.get());
  ASSERT_EQ(owner->reports.size(), 1u);
  EXPECT_EQ(owner->reports[0].id, 5u);
  EXPECT_EQ(owner->reports[0].result, kDialogNo);
}

TEST_F(FormMsgBoxTest, ABoxOpenedFromTheAnswerHandlerOutlivesNothingItShouldNot) {
  ShowMessage(owner.get(), "You won", "Game");
  FormMsgBox* first = OpenedBox();
  ASSERT_NE(first, nullptr);
  std::uint32_t firstId = first->GetId();
  bool firstAliveDuringHandler = false;
  owner->onReport = [&] {
    if (owner->reports.size() != 1) return;
    AskQuestion(1000, owner.get(), "Again?", "Game");
    firstAliveDuringHandler = Application::FindElementById(firstId) == first;
  };

  ClickFirstButton(first);
  Pump(owner.get());
  EXPECT_TRUE(firstAliveDuringHandler);
  EXPECT_EQ(Application::FindElementById(firstId), nullptr);
  FormMsgBox* second = OpenedBox();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->IsQuestion());
  EXPECT_FALSE(owner->IsEnabled());
  EXPECT_EQ(owner->GetModalChild(), second);

  ClickFirstButton(second);
  Pump(owner.get());
  ASSERT_EQ(owner->reports.size(), 2u);
  EXPECT_EQ(owner->reports[1].id, 1000u);
  EXPECT_EQ(owner->reports[1].result, kDialogYes);
  EXPECT_TRUE(owner->IsEnabled());
}

TEST_F(FormMsgBoxTest, ABoxForAnotherOwnerReleasesTheFirstOwner) {
  other = std::make_unique<OwnerForm>(app.get(), 20, 20);
  other->Create();
  WaitUntilMapped(other.get());
  ShowMessage(owner.get(), "one", "Info");
  ASSERT_NE(OpenedBox(), nullptr);

  ShowMessage(other.get(), "two", "Info");
  FormMsgBox* second = OpenedBox();
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(owner->IsEnabled());
  EXPECT_EQ(owner->GetModalChild(), nullptr);
  EXPECT_FALSE(other->IsEnabled());
  EXPECT_EQ(other->GetModalChild(), second);
  EXPECT_TRUE(owner->reports.empty());
}

TEST_F(FormMsgBoxTest, DestroyingAnOpenBoxLeavesNoPointerToItAndReleasesTheOwner) {
  ShowMessage(owner.get(), "bye", "Info");
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);
  delete box;
  EXPECT_EQ(Application::CurrentMessageBox(), nullptr);
  EXPECT_EQ(owner->GetModalChild(), nullptr);
  EXPECT_TRUE(owner->IsEnabled());
  EXPECT_TRUE(owner->reports.empty());
}

TEST_F(FormMsgBoxTest, ClosingABoxWhoseOwnerIsGoneReportsToNobody) {
  other = std::make_unique<OwnerForm>(app.get(), 20, 20);
  other->Create();
  AskQuestion(3, other.get(), "orphaned soon", "Info");
  FormMsgBox* box = OpenedBox();
  ASSERT_NE(box, nullptr);
  other.reset();
  EXPECT_EQ(box->GetOwner(), nullptr);
  SendCloseRequest(box);
  Pump(owner.get());
  EXPECT_EQ(box->GetWindow(), 0u);
  EXPECT_TRUE(owner->reports.empty());
}

}  // namespace
