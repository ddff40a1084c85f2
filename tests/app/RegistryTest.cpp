// Hit testing, child collection and unregistering in the process-wide registries.
#include <gtest/gtest.h>

#include "support/RecordingElements.h"
#include "support/TempDirectory.h"
#include "tessarin/app/Application.h"
#include "tessarin/widgets/PanelChildren.h"

using namespace tessarin;

namespace {

// A container with an id, standing in for the form or panel children belong to.
class Container : public RecordingChild {
 public:
  explicit Container(GUIElement* parent, const std::string& type = "panel")
      : RecordingChild(parent, type, nullptr) {
    SetType(type);
    Create();
  }
};

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { Application::ResetProcessState(); }
  void TearDown() override { Application::ResetProcessState(); }
  std::string LogText() const { return log.Text(); }

  LogCapture log;
};

RecordingChild* MakeChild(GUIElement* parent, int x, int y, int w, int h) {
  auto* child = new RecordingChild(parent, "c", nullptr);
  child->Place(x, y, w, h);
  child->Create();
  return child;
}

TEST_F(RegistryTest, HitTestIncludesRightAndBottomEdgesAndPrefersEarlierRegistration) {
  Container top(nullptr, "root");
  std::unique_ptr<RecordingChild> first(MakeChild(&top, 10, 10, 50, 50));
  std::unique_ptr<RecordingChild> second(MakeChild(&top, 30, 30, 50, 50));
  EXPECT_EQ(Application::HitTest(top.GetId(), {60, 60}), first.get());
  EXPECT_EQ(Application::HitTest(top.GetId(), {70, 70}), second.get());
  EXPECT_EQ(Application::HitTest(top.GetId(), {81, 81}), nullptr);
}

TEST_F(RegistryTest, HitTestSkipsHiddenAndDisabledChildren) {
  Container top(nullptr, "root");
  std::unique_ptr<RecordingChild> child(MakeChild(&top, 0, 0, 20, 20));
  child->SetEnabled(false);
  EXPECT_EQ(Application::HitTest(top.GetId(), {5, 5}), nullptr);
  child->SetEnabled(true);
  child->Hide();
  EXPECT_EQ(Application::HitTest(top.GetId(), {5, 5}), nullptr);
}

TEST_F(RegistryTest, HitTestLooksIntoPanelsButNeverReturnsThem) {
  Container top(nullptr, "root");
  Container panel(&top);
  panel.Place(100, 50, 200, 100);
  std::unique_ptr<RecordingChild> inside(MakeChild(&panel, 10, 20, 30, 30));
  EXPECT_EQ(Application::HitTest(top.GetId(), {115, 75}), inside.get());
  EXPECT_EQ(Application::HitTest(top.GetId(), {250, 120}), nullptr);
}

TEST_F(RegistryTest, CollectChildrenPutsPanelDescendantsRightAfterTheirPanel) {
  Container top(nullptr, "root");
  std::unique_ptr<RecordingChild> a(MakeChild(&top, 0, 0, 1, 1));
  Container outer(&top);
  std::unique_ptr<RecordingChild> b(MakeChild(&top, 0, 0, 1, 1));
  Container inner(&outer);
  std::unique_ptr<RecordingChild> c(MakeChild(&inner, 0, 0, 1, 1));
  std::vector<GUIElement*> expected{a.get(), &outer, &inner, c.get(), b.get()};
  EXPECT_EQ(Application::CollectChildren(top.GetId()), expected);
}

TEST_F(RegistryTest, NothingIsAChildOfAContainerThatIsNotCreated) {
  Container top(nullptr, "root");
  // outer and inner are panels that were never created: both keep the id 0.
  RecordingChild outer(&top, "outer", nullptr);
  outer.SetType("panel");
  RecordingChild inner(&outer, "inner", nullptr);
  inner.SetType("panel");
  std::unique_ptr<RecordingChild> leaf(MakeChild(&inner, 0, 0, 20, 20));
  ASSERT_EQ(outer.GetId(), 0u);
  ASSERT_EQ(inner.GetId(), 0u);

  EXPECT_TRUE(Application::CollectChildren(0).empty());
  EXPECT_EQ(Application::CollectChildren(top.GetId()), std::vector<GUIElement*>{&outer});
  EXPECT_EQ(Application::HitTest(0, {5, 5}), nullptr);
  EXPECT_EQ(Application::HitTest(top.GetId(), {5, 5}), nullptr);
}

TEST_F(RegistryTest, HidingANestedPanelThatIsNotCreatedReturns) {
  Container top(nullptr, "form");
  PanelChildren outer(&top);
  PanelChildren inner(&outer);
  RecordingChild leaf(&inner, "leaf", nullptr);
  inner.Hide();
  outer.Hide();
  EXPECT_FALSE(outer.IsCreated());
  EXPECT_FALSE(inner.IsCreated());
}

TEST_F(RegistryTest, AbsolutePositionAddsEnclosingPanelsUpToTheForm) {
  Container top(nullptr, "form");
  Container panel(&top);
  panel.Place(100, 50, 200, 100);
  RecordingChild child(&panel, "c", nullptr);
  EXPECT_EQ(child.GetAbsolutePosition(10, 20), (Point{110, 70}));
  RecordingChild direct(&top, "d", nullptr);
  EXPECT_EQ(direct.GetAbsolutePosition(10, 20), (Point{10, 20}));
}

TEST_F(RegistryTest, RemovingAnUnregisteredElementLogsOnceAndChangesNothing) {
  RecordingChild element(nullptr, "e", nullptr);
  element.Create();
  Application::RemoveWinForm(&element);
  std::size_t before = Application::Elements().size();
  Application::RemoveWinForm(&element);
  EXPECT_EQ(Application::Elements().size(), before);
  EXPECT_EQ(LogText(), " NON TROVATO! Application::RemoveWinForm =  size 0 id 1\n");
  Application::RegisterElement(&element);  // so that its destructor finds it
}

TEST_F(RegistryTest, ElementsAreFoundAgainByIdUntilDestroyed) {
  auto* element = new RecordingChild(nullptr, "e", nullptr);
  element->Create();
  std::uint32_t id = element->GetId();
  EXPECT_EQ(Application::FindElementById(id), element);
  Application::DeleteLater(element);
  EXPECT_EQ(Application::FindElementById(id), element);
  Application::DeletePending();
  EXPECT_EQ(Application::FindElementById(id), nullptr);
}

}  // namespace
