// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include "tessarin/dialogs/FormAbout.h"

#include <X11/keysym.h>

#include <unistd.h>

#include <memory>

#include "game/GameInfo.h"
#include "game/images/TitleImages.h"
#include "support/ProcessProbe.h"
#include "support/StandInPrograms.h"
#include "support/TempDirectory.h"
#include "support/XServerFixture.h"
#include "tessarin/app/Application.h"
#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/dialogs/FormMsgBox.h"
#include "tessarin/graphics/XImageFactory.h"
#include "tessarin/util/FileUtils.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/MyImage.h"
#include "tessarin/widgets/PanelChildren.h"

using namespace tessarin;

namespace {
constexpr char kTestAddress[] = "https://www.tessarin.example";
constexpr char kTestMail[] = "info@tessarin.example";

void ExpectPlaced(GUIElement* element, Point position, Point size) {
  ASSERT_NE(element, nullptr);
  EXPECT_EQ(element->GetPosition().x, position.x);
  EXPECT_EQ(element->GetPosition().y, position.y);
  EXPECT_EQ(element->GetSize().x, size.x);
  EXPECT_EQ(element->GetSize().y, size.y);
  EXPECT_TRUE(element->IsCreated());
}
}  // namespace

class FormAboutXTest : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    if (HasFatalFailure()) return;
    programs.Add("firefox");
    programs.Add("thunderbird");
    owner = std::make_unique<Form>();
    owner->SetApplication(app.get());
    owner->SetSize(800, 600);
    owner->MoveTo(40, 30);
    owner->Create();
    WaitUntilMapped(owner.get());
    std::unique_ptr<unsigned char[]> rgb =
        DecodePaletteImage(kTitleSmallWidth, kTitleSmallHeight, kTitleSmall);
    logo.reset(MakeXImage(display(), rgb.get(), kTitleSmallWidth, kTitleSmallHeight));
  }

  void TearDown() override {
    about.reset();
    logo.reset();
    owner.reset();
    XServerFixture::TearDown();
  }

  FormAbout* OpenAbout(const std::string& webAddress = kTestAddress) {
    about = std::make_unique<FormAbout>(owner.get());
    about->SetLogo(logo.get(), kTitleSmallWidth, kTitleSmallHeight);
    about->SetProductLine(kProductLine);
    about->SetAttribution(kAttribution);
    about->SetNotice(kNotice);
    about->SetWebAddress(webAddress);
    about->SetMailbox(kMailboxName);
    about->Show();
    WaitUntilMapped(about.get());
    return about.get();
  }

  void Type(unsigned long keysym) {
    about->SetFocus();
    XSync(display(), False);
    TypeKey(keysym);
    Pump(owner.get());
  }

  void ClickCentreOf(GUIElement* element) {
    Point position = element->GetPosition();
    Point size = element->GetSize();
    Click(about.get(), position.x + size.x / 2, position.y + size.y / 2);
    Pump(owner.get());
  }

  bool IsOpen() { return about->IsCreated() && about->GetWindow() != 0; }

  // Waits until the stand-in ran and every child started for it has ended and been reaped.
  bool WaitForLinkProgram(const std::string& name) {
    return PumpUntil(owner.get(),
                     [&] { return !programs.Recorded(name).empty() && CountChildren() == 0; });
  }

  StandInPrograms programs;
  std::unique_ptr<Form> owner;
  OwnedXImage logo;
  std::unique_ptr<FormAbout> about;
};

TEST_F(FormAboutXTest, BuildsTheWindowAroundTheOwnersTexts) {
  OpenAbout();
  EXPECT_EQ(about->GetTitle(), "Info...");
  EXPECT_TRUE(about->IsDialog());
  EXPECT_EQ(about->GetActualWidth(), 600);
  EXPECT_EQ(about->GetActualHeight(), 210);
  // Centred on the owner, give or take the one-pixel window border.
  Point ownerAt = owner->GetPosition();
  Point aboutAt = about->GetPosition();
  EXPECT_NEAR(aboutAt.x + 600 / 2, ownerAt.x + 800 / 2, 1);
  EXPECT_NEAR(aboutAt.y + 210 / 2, ownerAt.y + 600 / 2, 1);
  EXPECT_FALSE(owner->IsEnabled());
  EXPECT_EQ(owner->GetModalChild(), about.get());

  // The panel and picture are checked by their pixels; the links and OK are placed here.
  EXPECT_EQ(about->GetPicture()->GetParent(), about->GetPanel());
  ExpectPlaced(about->GetWebLink(), {209, 68}, {200, 12});
  ExpectPlaced(about->GetMailLink(), {419, 68}, {150, 12});
  ExpectPlaced(about->GetOkButton(), {359, 173}, {80, 28});

  EXPECT_EQ(about->GetProductLabel()->GetText(), "Tessarin 1.0.0.0");
  EXPECT_EQ(about->GetAttributionLabel()->GetText(), kAttribution);
  EXPECT_EQ(about->GetNoticeLabel()->GetText(), kNotice);
  EXPECT_EQ(about->GetWebLink()->GetText(), kTestAddress);
  EXPECT_EQ(about->GetMailLink()->GetText(), kTestMail);
  EXPECT_EQ(about->GetOkButton()->GetText(), "OK");
}

TEST_F(FormAboutXTest, PaintsThePictureInItsPanelOnTheGreyWindow) {
  OpenAbout();
  EXPECT_EQ(PixelAt(about.get(), 300, 3), kFallbackGrey);
  EXPECT_EQ(PixelAt(about.get(), 10, 23), kBlack);    // sunken panel: dark top-left
  EXPECT_EQ(PixelAt(about.get(), 193, 159), kWhite);  // and light bottom-right
  EXPECT_EQ(PixelAt(about.get(), 15, 28), 0x078B00);  // the picture's green frame
  EXPECT_EQ(PixelAt(about.get(), 178, 77), 0x078B00);
}

TEST_F(FormAboutXTest, EnterEscapeAndDeleteCloseItAndReleaseTheOwner) {
  for (unsigned long key : {XK_Return, XK_Escape, XK_Delete}) {
    OpenAbout();
    ASSERT_TRUE(IsOpen());
    Type(key);
    EXPECT_FALSE(IsOpen()) << "key " << key;
    EXPECT_TRUE(owner->IsEnabled());
    EXPECT_EQ(owner->GetModalChild(), nullptr);
  }
}

TEST_F(FormAboutXTest, OtherKeysDoNothing) {
  OpenAbout();
  for (unsigned long key : {XK_a, XK_space, XK_1, XK_BackSpace}) Type(key);
  EXPECT_TRUE(IsOpen());
  EXPECT_FALSE(owner->IsEnabled());
  EXPECT_EQ(owner->GetModalChild(), about.get());
}

TEST_F(FormAboutXTest, OkAndTheWindowManagerCloseIt) {
  OpenAbout();
  ClickCentreOf(about->GetOkButton());
  EXPECT_FALSE(IsOpen());
  EXPECT_TRUE(owner->IsEnabled());

  OpenAbout();
  SendCloseRequest(about.get());
  Pump(owner.get());
  EXPECT_FALSE(IsOpen());
  EXPECT_TRUE(owner->IsEnabled());
  EXPECT_EQ(owner->GetModalChild(), nullptr);
}

TEST_F(FormAboutXTest, WebLinkStartsTheBrowserAndStaysOpen) {
  OpenAbout();
  ClickCentreOf(about->GetWebLink());
  ASSERT_TRUE(WaitForLinkProgram("firefox")) << "children left: " << CountChildren();
  EXPECT_EQ(programs.Recorded("firefox"), std::string(kTestAddress) + "\n");
  EXPECT_EQ(CountZombieChildren(), 0);
  EXPECT_TRUE(IsOpen());
  EXPECT_FALSE(owner->IsEnabled());
  ClickCentreOf(about->GetOkButton());
  EXPECT_FALSE(IsOpen());
}

// A table of one child, taken by a child that waits to be ended: nothing runs here, where the
// loop would wait for it. The link is refused with a box over the About window, the beep
// dropped with a log line.
TEST_F(FormAboutXTest, WithTheChildTableFullALinkIsRefusedAndABeepDropped) {
  LogCapture log;
  ASSERT_TRUE(EnsureFolder("Data"));
  WriteFileText("Data/beep.wav", "RIFF");
  SetBeepSound("Data/beep.wav");
  programs.Add("aplay");
  OpenAbout();
  LimitBackgroundChildren(1);
  const pid_t holder = StartBackgroundChild([](const std::string&) { pause(); }, "", false);
  ClickCentreOf(about->GetWebLink());
  Beep();
  EndBackgroundChildren();
  LimitBackgroundChildren(kMaxBackgroundChildren);
  SetBeepSound("");
  ASSERT_GT(holder, 0);
  auto* box = dynamic_cast<FormMsgBox*>(Application::CurrentMessageBox());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetMessage(),
            "The link cannot be opened now: too many programs started from here are still "
            "running.");
  EXPECT_FALSE(about->IsEnabled()) << "the box blocks the About window";
  EXPECT_NE(log.Text().find("Beep dropped: no background process could be started.\n"),
            std::string::npos);
  EXPECT_EQ(programs.Recorded("firefox") + programs.Recorded("aplay"), "");
  EXPECT_TRUE(Eventually([&] { return !IsChildRunning(holder); }));
}

TEST_F(FormAboutXTest, MailLinkStartsTheComposerForTheDerivedAddress) {
  OpenAbout();
  ClickCentreOf(about->GetMailLink());
  ASSERT_TRUE(WaitForLinkProgram("thunderbird")) << "children left: " << CountChildren();
  EXPECT_EQ(programs.Recorded("thunderbird"), std::string("-compose to=") + kTestMail + "\n");
  EXPECT_EQ(CountZombieChildren(), 0);
  EXPECT_TRUE(IsOpen());
  EXPECT_TRUE(programs.Recorded("firefox").empty());
}

TEST_F(FormAboutXTest, WithoutFirefoxAndThunderbirdTheLinksUseTheDesktopsOpeners) {
  LogCapture log;
  StandInPrograms openers;
  openers.Add("xdg-open");
  openers.Add("xdg-email");
  const std::string record = openers.RecordOf("xdg-open");
  const std::string onlyOpeners = record.substr(0, record.rfind('/'));
  setenv("PATH", onlyOpeners.c_str(), 1);
  OpenAbout();
  ClickCentreOf(about->GetWebLink());
  ClickCentreOf(about->GetMailLink());
  ASSERT_TRUE(PumpUntil(owner.get(), [&] { return CountChildren() == 0; }));
  EXPECT_EQ(openers.Recorded("xdg-open"), std::string(kTestAddress) + "\n");
  EXPECT_EQ(openers.Recorded("xdg-email"), std::string(kTestMail) + "\n");

  // With nothing to open it, a press leaves one line in the log and the window open.
  setenv("PATH", (onlyOpeners + "/none").c_str(), 1);
  ClickCentreOf(about->GetWebLink());
  EXPECT_NE(log.Text().find(std::string("no program to open ") + kTestAddress), std::string::npos);
  EXPECT_TRUE(IsOpen());
}

TEST_F(FormAboutXTest, PressesBesideTheLinksStartNothing) {
  OpenAbout();
  ClickCentreOf(about->GetNoticeLabel());
  ClickCentreOf(about->GetProductLabel());
  Pump(owner.get(), 200);
  EXPECT_TRUE(programs.Recorded("firefox").empty());
  EXPECT_TRUE(programs.Recorded("thunderbird").empty());
  EXPECT_TRUE(IsOpen());
}

TEST_F(FormAboutXTest, AShortWebAddressLeavesTheMailboxAlone) {
  OpenAbout("http://x.eu");
  EXPECT_EQ(about->GetMailLink()->GetText(), "info");
  ClickCentreOf(about->GetMailLink());
  ASSERT_TRUE(WaitForLinkProgram("thunderbird"));
  EXPECT_EQ(programs.Recorded("thunderbird"), "-compose to=info\n");
}

TEST_F(FormAboutXTest, DestroyingAnOpenWindowReleasesTheOwner) {
  OpenAbout();
  about.reset();
  EXPECT_TRUE(owner->IsEnabled());
  EXPECT_EQ(owner->GetModalChild(), nullptr);
}

TEST(FormAboutCommandTest, MailAddressDropsTheWebPrefix) {
  EXPECT_EQ(MailAddressFor("info", "https://www.x.example"), "info@x.example");
  EXPECT_EQ(MailAddressFor("info", "https://www.a"), "info@a");
  EXPECT_EQ(MailAddressFor("info", "https://www."), "info");
  EXPECT_EQ(MailAddressFor("info", "short"), "info");
  EXPECT_EQ(MailAddressFor("info", ""), "info");
}

TEST(FormAboutCommandTest, CommandLinesKeepPlainAddressesAndQuoteTheRest) {
  EXPECT_EQ(BrowserCommand("https://www.x.example"), "firefox https://www.x.example");
  EXPECT_EQ(MailComposerCommand("info@x.example"), "thunderbird -compose to=\"info@x.example\"");
  EXPECT_EQ(BrowserCommand("https://www.x.example/a b;rm -rf ~"),
            "firefox 'https://www.x.example/a b;rm -rf ~'");
  EXPECT_EQ(MailComposerCommand("a\"b$(id)@x"), "thunderbird -compose to='a\"b$(id)@x'");
}
