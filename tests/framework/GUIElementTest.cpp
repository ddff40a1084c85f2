// Default behaviour of elements and the registries, without an X server.
#include <gtest/gtest.h>

#include <ctime>

#include "support/RecordingElements.h"
#include "tessarin/app/Application.h"
#include "tessarin/framework/ElementWatch.h"

using namespace tessarin;

namespace {

class ElementTest : public ::testing::Test {
 protected:
  void SetUp() override { Application::ResetProcessState(); }
  void TearDown() override { Application::ResetProcessState(); }
};

// Counts the hooks a subclass would use to act on its resources.
class HookCounter : public RecordingChild {
 public:
  using RecordingChild::RecordingChild;
  void ApplySize() override { ++sizeApplied; }
  void ApplyPosition() override { ++positionApplied; }
  void OnAttributesChanged() override { ++attributesChanged; }
  int sizeApplied = 0;
  int positionApplied = 0;
  int attributesChanged = 0;
};

TEST_F(ElementTest, SizeHookRunsOnlyForAChangeButPositionHookAlways) {
  HookCounter element(nullptr, "e", nullptr);
  element.Create();
  element.SetSize(100, 50);
  EXPECT_EQ(element.sizeApplied, 0);
  element.SetSize(120, 50);
  EXPECT_EQ(element.sizeApplied, 1);
  element.SetPosition(100, 100);
  element.SetPosition(100, 100);
  EXPECT_EQ(element.positionApplied, 2);
}

TEST_F(ElementTest, HooksWaitForCreation) {
  HookCounter element(nullptr, "e", nullptr);
  element.SetSize(10, 10);
  element.SetPosition(1, 1);
  element.SetFont(MyFont("misc-fixed"));
  EXPECT_EQ(element.sizeApplied + element.positionApplied + element.attributesChanged, 0);
  element.Create();
  element.SetFont(MyFont("misc-fixed"));
  EXPECT_EQ(element.attributesChanged, 1);
  EXPECT_EQ(element.GetFont().GetFamily(), "misc-fixed");
}

TEST_F(ElementTest, MoveToClampsNegativesButSetPositionPointKeepsThem) {
  RecordingChild element(nullptr, "e", nullptr);
  element.MoveTo(-5, 20);
  EXPECT_EQ(element.GetPosition(), (Point{0, 20}));
  element.SetPositionPoint({-5, 20});
  EXPECT_EQ(element.GetPosition(), (Point{-5, 20}));
}

TEST_F(ElementTest, ContainsNeedsCreatedAndVisibleAndIncludesBothEdges) {
  RecordingChild element(nullptr, "e", nullptr);
  element.Place(10, 20, 30, 40);
  EXPECT_FALSE(element.Contains({15, 25}));
  element.Create();
  EXPECT_TRUE(element.Contains({10, 20}));
  EXPECT_TRUE(element.Contains({40, 60}));
  EXPECT_FALSE(element.Contains({41, 60}));
  EXPECT_FALSE(element.Contains({40, 61}));
  element.Hide();
  EXPECT_FALSE(element.Contains({15, 25}));
}

TEST_F(ElementTest, FlagsAreMutuallyExclusiveOnlyWhenSet) {
  RecordingChild element(nullptr, "e", nullptr);
  element.SetFlagB(true);
  element.SetFlagA(false);
  EXPECT_TRUE(element.GetFlagB());
  element.SetFlagA(true);
  EXPECT_TRUE(element.GetFlagA());
  EXPECT_FALSE(element.GetFlagB());
}

int loadCalls = 0;
std::uint64_t loadTagSeen = 0;

TEST_F(ElementTest, LoadRunsItsCallbackOnceAndKeepsTheFirstTag) {
  loadCalls = 0;
  RecordingChild element(nullptr, "e", nullptr);
  element.SetOnLoad([](GUIElement*, std::uint64_t tag) {
    ++loadCalls;
    loadTagSeen = tag;
  });
  element.Load(7);
  element.Load(9);
  EXPECT_EQ(loadCalls, 1);
  EXPECT_EQ(loadTagSeen, 7u);
  EXPECT_EQ(element.GetTag(), 7u);
}

int changeCalls = 0;

TEST_F(ElementTest, LostFocusReportsAChangeOnlyWhenTheValueDiffers) {
  changeCalls = 0;
  RecordingChild element(nullptr, "e", nullptr);
  element.SetOnChange([](GUIElement*) { ++changeCalls; });
  element.SetText("abc");
  element.GotFocus();
  element.SetText("abd");
  element.SetText("abc");
  element.LostFocus();
  EXPECT_EQ(changeCalls, 0);
  element.GotFocus();
  element.SetText("abcd");
  element.LostFocus();
  EXPECT_EQ(changeCalls, 1);
  EXPECT_FALSE(element.HasFocus());
}

TEST_F(ElementTest, ChangeMadeByTheLostFocusHandlerStillCounts) {
  changeCalls = 0;
  RecordingChild element(nullptr, "e", nullptr);
  element.SetOnLostFocus([](GUIElement* e) { e->SetText("edited on leave"); });
  element.SetOnChange([](GUIElement*) { ++changeCalls; });
  element.GotFocus();
  element.LostFocus();
  EXPECT_EQ(changeCalls, 1);
}

int doubleClicks = 0;

TEST_F(ElementTest, AFirstReleaseWithinASecondOfConstructionIsADoubleClick) {
  // Stamps count whole clock seconds plus idle milliseconds; retry when a second boundary
  // happens to fall between construction and release.
  for (int attempt = 0; attempt < 3; ++attempt) {
    doubleClicks = 0;
    std::time_t before = std::time(nullptr);
    RecordingChild element(nullptr, "e", nullptr);
    element.SetOnDoubleClick([](GUIElement*, std::uint64_t, Point) { ++doubleClicks; });
    Application::AdvanceIdleMilliseconds(350);
    element.MouseUp({1, 1});
    if (std::time(nullptr) != before) continue;
    EXPECT_EQ(doubleClicks, 1);
    element.MouseUp({1, 1});
    EXPECT_EQ(doubleClicks, 2);
    return;
  }
  ADD_FAILURE() << "the clock kept crossing second boundaries";
}

TEST_F(ElementTest, KeyCharAndQueryCloseAnswerTrueWithoutACallback) {
  RecordingChild element(nullptr, "e", nullptr);
  EXPECT_TRUE(element.KeyChar('x'));
  EXPECT_TRUE(element.QueryClose());
  element.SetOnKeyChar([](GUIElement*, char) { return false; });
  element.SetOnClosing([](GUIElement*) { return false; });
  EXPECT_FALSE(element.KeyChar('x'));
  EXPECT_FALSE(element.QueryClose());
}

TEST_F(ElementTest, IdsFollowCreationOrderAndAreNeverReassigned) {
  RecordingChild first(nullptr, "a", nullptr);
  RecordingChild second(nullptr, "b", nullptr);
  EXPECT_EQ(first.GetId(), 0u);
  second.Create();
  first.Create();
  EXPECT_EQ(second.GetId(), 1u);
  EXPECT_EQ(first.GetId(), 2u);
  EXPECT_EQ(first.GetTag(), 2u);
  first.Hide();
  first.AssignId();
  EXPECT_EQ(first.GetId(), 2u);
}

TEST_F(ElementTest, DestroyedElementLeavesRegistryAndFocus) {
  auto* element = new RecordingChild(nullptr, "e", nullptr);
  ASSERT_EQ(Application::Elements().size(), 1u);
  Application::SetFocusedElement(element);
  delete element;
  EXPECT_TRUE(Application::Elements().empty());
  EXPECT_EQ(Application::FocusedElement(), nullptr);
}

TEST_F(ElementTest, KeyStateOutsideTheTableIsNeverDown) {
  Application::SetKeyDown('a', true);
  EXPECT_TRUE(Application::IsKeyDown('a'));
  EXPECT_FALSE(Application::IsKeyDown(300));
  EXPECT_FALSE(Application::IsKeyDown(-1));
  Application::SetKeyDown(300, true);
  Application::ClearKeyStates();
  EXPECT_FALSE(Application::IsKeyDown('a'));
}

bool senderDeleted = false;

void DeleteSender(GUIElement* sender) {
  delete sender;
  senderDeleted = true;
}

// A callback that closes the element's form destroys the element while it still delivers; run
// under the sanitizer build, a touch of it afterwards is a use after free.
struct DeletingCallback {
  const char* name;
  void (*arm)(GUIElement& element);
  void (*deliver)(GUIElement& element);
};

TEST_F(ElementTest, NothingOfTheElementIsTouchedAfterItsCallbackDeletedIt) {
  const DeletingCallback cases[] = {
      {"OnMouseUp",
       [](GUIElement& e) {
         e.SetOnMouseUp([](GUIElement* sender, std::uint64_t, Point) { DeleteSender(sender); });
       },
       [](GUIElement& e) {
         e.MouseUp({1, 1});
       }},
      // A first release within a second of construction is a double click; a second release
      // covers a clock second that began in between.
      {"OnDoubleClick",
       [](GUIElement& e) {
         e.SetOnDoubleClick([](GUIElement* sender, std::uint64_t, Point) { DeleteSender(sender); });
       },
       [](GUIElement& e) {
         e.MouseUp({1, 1});
         if (!senderDeleted) e.MouseUp({1, 1});
       }},
      {"OnLostFocus",
       [](GUIElement& e) {
         e.SetOnLostFocus(DeleteSender);
         e.SetOnChange(
             [](GUIElement*) { ADD_FAILURE() << "a change reported by a deleted element"; });
       },
       [](GUIElement& e) {
         e.GotFocus();
         e.SetText("changed");
         e.LostFocus();
       }},
  };
  for (const DeletingCallback& callback : cases) {
    SCOPED_TRACE(callback.name);
    senderDeleted = false;
    auto* element = new RecordingChild(nullptr, "e", nullptr);
    callback.arm(*element);
    callback.deliver(*element);
    EXPECT_TRUE(senderDeleted);
    EXPECT_TRUE(Application::Elements().empty());
  }
}

TEST_F(ElementTest, AWatchSeesItsElementUntilItIsDestroyed) {
  auto* element = new RecordingChild(nullptr, "e", nullptr);
  const ElementWatch beforeCreation(element);
  element->Create();
  const ElementWatch watch(element);
  EXPECT_TRUE(beforeCreation);
  EXPECT_TRUE(watch);
  delete element;
  EXPECT_FALSE(beforeCreation);
  EXPECT_FALSE(watch);
}

}  // namespace
