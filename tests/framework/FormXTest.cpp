// The window a Form creates: its properties as the window manager sees them, its background,
// its title, its geometry, and what destroying it does.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <errno.h>

#include <unistd.h>

#include <memory>
#include <vector>

#include "support/RecordingElements.h"
#include "support/XServerFixture.h"
#include "tessarin/app/Application.h"

using namespace tessarin;

namespace {

class FormTest : public XServerFixture {
 protected:
  std::unique_ptr<RecordingForm> MakeForm(bool dialog = false, int x = 30, int y = 30) {
    auto form = std::make_unique<RecordingForm>(app.get(), &log, x, y, 320, 200, dialog);
    form->Create();
    WaitUntilMapped(form.get());
    return form;
  }

  std::string Property(Window window, const char* name) {
    Atom atom = XInternAtom(display(), name, False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(display(), window, atom, 0, 1024, False, AnyPropertyType, &type, &format,
                       &count, &after, &data);
    std::string value;
    if (data != nullptr && format == 8) value.assign(reinterpret_cast<char*>(data), count);
    if (data != nullptr) XFree(data);
    return value;
  }

  // A 32-bit property, one number per item (Xlib hands each over as a sign-extended long),
  // and the name of its type.
  std::vector<unsigned long> Cardinals(Window window, const char* name,
                                       std::string* typeName = nullptr) {
    Atom type = None;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(display(), window, XInternAtom(display(), name, False), 0, 1 << 16, False,
                       AnyPropertyType, &type, &format, &count, &after, &data);
    std::vector<unsigned long> items;
    const auto* numbers = reinterpret_cast<const long*>(data);
    for (unsigned long i = 0; data != nullptr && format == 32 && i < count; ++i) {
      items.push_back(static_cast<unsigned long>(numbers[i]) & 0xFFFFFFFFul);
    }
    if (data != nullptr) XFree(data);
    if (typeName != nullptr && type != None) {
      char* text = XGetAtomName(display(), type);
      *typeName = text;
      XFree(text);
    }
    return items;
  }

  Window TransientFor(Window window) {
    Window owner = 0;
    return XGetTransientForHint(display(), window, &owner) ? owner : 0;
  }

  CallLog log;
};

TEST_F(FormTest, WindowAnnouncesClassNameAndFixedSize) {
  // A program that states no class is known by its command name; one that does, by that.
  for (const std::string stated : {"", "Stated.class"}) {
    Form::SetWindowClass(stated, "");
    auto classed = MakeForm();
    const std::string expected = stated.empty() ? program_invocation_short_name : stated;
    XClassHint hint{};
    ASSERT_TRUE(XGetClassHint(display(), classed->GetWindow(), &hint));
    EXPECT_EQ(hint.res_name, expected);
    EXPECT_EQ(hint.res_class, expected);
    EXPECT_EQ(Property(classed->GetWindow(), "WM_ICON_NAME"), expected);
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
  Form::SetWindowClass("", "");

  auto form = MakeForm();

  XSizeHints sizes{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(display(), form->GetWindow(), &sizes, &supplied));
  EXPECT_EQ(sizes.flags & (PPosition | PSize | PMinSize | PMaxSize),
            PPosition | PSize | PMinSize | PMaxSize);
  EXPECT_EQ(sizes.min_width, 320);
  EXPECT_EQ(sizes.max_width, 320);
  EXPECT_EQ(sizes.min_height, 200);
  EXPECT_EQ(sizes.max_height, 200);

  XWMHints* wm = XGetWMHints(display(), form->GetWindow());
  ASSERT_NE(wm, nullptr);
  EXPECT_TRUE(wm->input);
  EXPECT_EQ(wm->initial_state, NormalState);
  XFree(wm);
}

TEST_F(FormTest, WindowAsksForTheCloseProtocolAndTheEventsTheLoopHandles) {
  auto form = MakeForm();
  Atom* protocols = nullptr;
  int count = 0;
  ASSERT_TRUE(XGetWMProtocols(display(), form->GetWindow(), &protocols, &count));
  ASSERT_EQ(count, 1);
  EXPECT_EQ(protocols[0], XInternAtom(display(), "WM_DELETE_WINDOW", False));
  EXPECT_EQ(protocols[0], form->GetDeleteWindowAtom());
  XFree(protocols);

  XWindowAttributes attributes{};
  XGetWindowAttributes(display(), form->GetWindow(), &attributes);
  EXPECT_EQ(attributes.your_event_mask, 0xAA07F);
}

TEST_F(FormTest, OnlyDialogsCarryTheDialogWindowType) {
  auto plain = MakeForm(false, 10, 10);
  auto dialog = MakeForm(true, 400, 10);
  Atom windowType = XInternAtom(display(), "_NET_WM_WINDOW_TYPE", False);
  auto typeOf = [&](Window window) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(display(), window, windowType, 0, 1, False, XA_ATOM, &type, &format, &count,
                       &after, &data);
    Atom value = (data != nullptr && count == 1) ? *reinterpret_cast<Atom*>(data) : None;
    if (data != nullptr) XFree(data);
    return value;
  };
  EXPECT_EQ(typeOf(plain->GetWindow()), static_cast<Atom>(None));
  EXPECT_EQ(typeOf(dialog->GetWindow()),
            XInternAtom(display(), "_NET_WM_WINDOW_TYPE_DIALOG", False));
}

TEST_F(FormTest, AFormWithoutBackgroundIsNeutralGreyAndAColouredOneKeepsItsColour) {
  auto grey = MakeForm(false, 10, 10);
  EXPECT_EQ(PixelAt(grey.get(), 5, 5), 0xAAAAAA);
  RecordingForm green(app.get(), nullptr, 400, 10, 100, 100);
  green.SetBackColor(0x00FF00);
  green.Create();
  WaitUntilMapped(&green);
  EXPECT_EQ(PixelAt(&green, 50, 50), 0x00FF00);
}

TEST_F(FormTest, TitleBeforeCreationNamesTheWindowWhileTheIconNameStaysTheClass) {
  auto form = MakeForm();
  EXPECT_EQ(Property(form->GetWindow(), "WM_NAME"), "recording form");
  EXPECT_EQ(Property(form->GetWindow(), "WM_ICON_NAME"), program_invocation_short_name);
  form->SetTitle("renamed");
  XSync(display(), False);
  EXPECT_EQ(Property(form->GetWindow(), "WM_NAME"), "renamed");
  EXPECT_EQ(Property(form->GetWindow(), "WM_ICON_NAME"), "renamed");
  EXPECT_EQ(form->GetTitle(), "renamed");
}

TEST_F(FormTest, EveryFormNamesItsProcessItsHostAndItsTitleInUtf8) {
  RecordingForm form(app.get(), nullptr, 30, 30, 200, 100);
  form.SetTitle("Caff\xE8 1");
  form.Create();
  WaitUntilMapped(&form);
  const Window window = form.GetWindow();
  EXPECT_EQ(Cardinals(window, "_NET_WM_PID"),
            (std::vector<unsigned long>{static_cast<unsigned long>(getpid())}));
  char host[256] = {};
  ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
  EXPECT_EQ(Property(window, "WM_CLIENT_MACHINE"), host);
  EXPECT_EQ(Property(window, "WM_NAME"), "Caff\xE8 1");
  EXPECT_EQ(Property(window, "_NET_WM_NAME"), "Caff\xC3\xA8 1");
  EXPECT_EQ(Property(window, "_NET_WM_ICON_NAME"), program_invocation_short_name);
  for (const char* name : {"_NET_WM_NAME", "_NET_WM_ICON_NAME"}) {
    std::string type;
    Cardinals(window, name, &type);
    EXPECT_EQ(type, "UTF8_STRING") << name;
  }

  form.SetTitle("Info \xA9");
  XSync(display(), False);
  EXPECT_EQ(Property(window, "WM_ICON_NAME"), "Info \xA9");
  EXPECT_EQ(Property(window, "_NET_WM_NAME"), "Info \xC2\xA9");
  EXPECT_EQ(Property(window, "_NET_WM_ICON_NAME"), "Info \xC2\xA9");
}

TEST_F(FormTest, TransientOwnerIsNamedAtCreationOrAtOnceAndForgottenWithTheOwner) {
  auto* owner = new RecordingForm(app.get(), nullptr, 10, 10, 200, 100);
  owner->Create();
  RecordingForm early(app.get(), nullptr, 300, 10, 100, 100, true);
  early.SetTransientOwner(owner);
  early.Create();
  auto late = MakeForm(true, 450, 10);
  EXPECT_EQ(TransientFor(late->GetWindow()), 0u) << "no owner was named";
  late->SetTransientOwner(owner);
  XSync(display(), False);
  EXPECT_EQ(TransientFor(early.GetWindow()), owner->GetWindow());
  EXPECT_EQ(TransientFor(late->GetWindow()), owner->GetWindow());

  late->SetTransientOwner(nullptr);
  XSync(display(), False);
  EXPECT_EQ(TransientFor(late->GetWindow()), 0u);
  delete owner;
  EXPECT_EQ(early.GetTransientOwner(), nullptr);
}

TEST_F(FormTest, IconImagesBecomeTheNetWmIconAtCreationOrAtOnce) {
  static const std::uint32_t kTwoByTwo[] = {0xFF000000u, 0x80FF0000u, 0x0000FF00u, 0xFFFFFFFFu};
  static const std::uint32_t kOneByThree[] = {1u, 2u, 3u};
  RecordingForm form(app.get(), nullptr, 30, 30, 100, 100);
  form.SetIconImages({{2, 2, kTwoByTwo}, {1, 3, kOneByThree}, {4, 4, nullptr}});
  form.Create();
  XSync(display(), False);
  EXPECT_EQ(Cardinals(form.GetWindow(), "_NET_WM_ICON"),
            (std::vector<unsigned long>{2, 2, 0xFF000000u, 0x80FF0000u, 0x0000FF00u, 0xFFFFFFFFu, 1,
                                        3, 1, 2, 3}));
  form.SetIconImages({{1, 3, kOneByThree}});
  XSync(display(), False);
  EXPECT_EQ(Cardinals(form.GetWindow(), "_NET_WM_ICON"),
            (std::vector<unsigned long>{1, 3, 1, 2, 3}));
  form.SetIconImages({});
  XSync(display(), False);
  EXPECT_TRUE(Cardinals(form.GetWindow(), "_NET_WM_ICON").empty());
  auto plain = MakeForm(false, 200, 30);
  EXPECT_TRUE(Cardinals(plain->GetWindow(), "_NET_WM_ICON").empty());
}

TEST_F(FormTest, CreatingTwiceKeepsTheSameWindowAndSetSizeResizesIt) {
  auto form = MakeForm();
  Window first = form->GetWindow();
  form->Create();
  EXPECT_EQ(form->GetWindow(), first);
  form->SetSize(200, 150);
  XSync(display(), False);
  EXPECT_EQ(form->GetActualWidth(), 200);
  EXPECT_EQ(form->GetActualHeight(), 150);
}

TEST_F(FormTest, PositionIsReadFromTheServerOnceCreated) {
  auto form = MakeForm(false, 123, 45);
  EXPECT_EQ(form->GetPosition(), (Point{124, 46}));  // inside the one-pixel border
}

TEST_F(FormTest, CenterOnScreenUsesTheScreenSize) {
  RecordingForm form(app.get(), nullptr, 0, 0, 800, 600);
  form.CenterOnScreen();
  EXPECT_EQ(form.GetPosition(),
            (Point{(app->GetScreenWidth() - 800) / 2, (app->GetScreenHeight() - 600) / 2}));
}

TEST_F(FormTest, DestroyingAnyWindowForgetsTheFocusedElement) {
  auto first = MakeForm(false, 10, 10);
  auto second = MakeForm(false, 400, 10);
  RecordingChild child(first.get(), "child", nullptr);
  child.Create();
  Application::SetFocusedElement(&child);
  second->DestroyWindow();
  EXPECT_EQ(Application::FocusedElement(), nullptr);
  EXPECT_FALSE(second->IsCreated());
  EXPECT_EQ(second->GetWindow(), 0u);
}

TEST_F(FormTest, ADestroyedDialogNoLongerBlocksItsOwnerByPointer) {
  auto owner = MakeForm(false, 10, 10);
  auto* dialog = new RecordingForm(app.get(), nullptr, 400, 10, 100, 100, true);
  owner->SetModalChild(dialog);
  delete dialog;
  EXPECT_EQ(owner->GetModalChild(), nullptr);
}

TEST_F(FormTest, CreationRunsOnLoadOnceWhileChildrenCannotPaint) {
  static bool loadingSeen = false;
  RecordingForm form(app.get(), nullptr, 10, 10, 100, 100);
  form.SetOnLoad([](GUIElement*, std::uint64_t) { loadingSeen = Application::IsLoading(); });
  form.Create();
  EXPECT_TRUE(loadingSeen);
  EXPECT_FALSE(Application::IsLoading());
  EXPECT_NE(form.GetId(), 0u);
  EXPECT_EQ(form.GetTag(), form.GetId());
}

TEST_F(FormTest, WithoutAnApplicationNothingIsCreated) {
  RecordingForm form(nullptr, nullptr);
  form.Create();
  EXPECT_FALSE(form.IsCreated());
  EXPECT_EQ(form.GetWindow(), 0u);
}

// The list of visuals is asked for when first wanted, not while the program starts.
TEST_F(FormTest, TheVisualListHoldsTheVisualsOfTheScreensDepth) {
  XVisualInfo* visuals = app->GetVisualInfo();
  ASSERT_NE(visuals, nullptr);
  EXPECT_EQ(visuals->depth, app->GetDepth());
  EXPECT_EQ(visuals->screen, DefaultScreen(display()));
  EXPECT_EQ(app->GetVisual(), visuals->visual);
  EXPECT_EQ(app->GetVisualInfo(), visuals);  // asked once
}

}  // namespace
