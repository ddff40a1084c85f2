#include "tessarin/dialogs/FormAbout.h"

#include "tessarin/app/ExternalPrograms.h"
#include "tessarin/dialogs/FormMsgBox.h"
#include "tessarin/util/CharacterCodes.h"
#include "tessarin/util/Log.h"
#include "tessarin/widgets/ButtonCustom.h"
#include "tessarin/widgets/CellControl.h"
#include "tessarin/widgets/MyImage.h"
#include "tessarin/widgets/PanelChildren.h"

namespace tessarin {

namespace {

constexpr int kWindowWidth = 600;
constexpr int kWindowHeight = 210;
constexpr Color kLinkBlue = 0x0000FF;
constexpr int kLinkTop = 68;
constexpr int kLinkHeight = 12;
constexpr std::size_t kWebPrefixLength = 12;  // "https://www."
constexpr const char* kLinkRefused =
    "The link cannot be opened now: too many programs started from here are still running.";

// Runs in the forked child: the shell line that starts the external program.
void RunLinkCommand(const std::string& commandLine) {
  RunCommand(commandLine);
}

bool IsSameElement(const GUIElement* element, const std::unique_ptr<CellControl>& cell) {
  return cell && element->GetId() == cell->GetId();
}

}  // namespace

std::string MailAddressFor(const std::string& mailbox, const std::string& webAddress) {
  if (webAddress.size() <= kWebPrefixLength) return mailbox;
  return mailbox + "@" + webAddress.substr(kWebPrefixLength);
}

std::string BrowserCommand(const std::string& webAddress) {
  return "firefox " + QuoteForShell(webAddress);
}

std::string MailComposerCommand(const std::string& mailAddress) {
  const std::string word = QuoteForShell(mailAddress);
  // A plain address goes in double quotes as the composer expects it; anything else keeps
  // the shell quoting, which the shell strips the same way.
  if (word == mailAddress) return "thunderbird -compose to=\"" + mailAddress + "\"";
  return "thunderbird -compose to=" + word;
}

std::string WebLinkCommand(const std::string& webAddress) {
  const std::string program = ChooseOpener("firefox", "xdg-open");
  if (program.empty()) return "";
  if (program == "firefox") return BrowserCommand(webAddress);
  return BuildProgramCommand(program, webAddress);
}

std::string MailLinkCommand(const std::string& mailAddress) {
  const std::string program = ChooseOpener("thunderbird", "xdg-email");
  if (program.empty()) return "";
  if (program == "thunderbird") return MailComposerCommand(mailAddress);
  return BuildProgramCommand(program, mailAddress);
}

FormAbout::FormAbout(Form* owner) : ModalDialog(owner) {
  SetTitle("Info...");
  SetSize(kWindowWidth, kWindowHeight);
  CenterOnOwner();
}

FormAbout::~FormAbout() {
  picture.reset();
  productLabel.reset();
  attributionLabel.reset();
  panel.reset();
  noticeLabel.reset();
  okButton.reset();
  webLink.reset();
  mailLink.reset();
}

void FormAbout::SetLogo(XImage* image, int width, int height) {
  logo = image;
  logoWidth = width;
  logoHeight = height;
}

void FormAbout::LoadControls() {
  const int w = GetActualWidth();
  const int h = GetActualHeight();
  const int textLeft = logoWidth + 45;
  const int textWidth = w - textLeft - 10;

  panel = std::make_unique<PanelChildren>(this);
  panel->SetSize(logoWidth + 20, h - 73);
  panel->MoveTo(10, 23);
  panel->SetBorder(true);
  panel->Create();
  BuildPicture();

  productLabel.reset(BuildLabel(productLine, textWidth, 25, textLeft, 17));
  productLabel->SetTextColor(kWhite);
  attributionLabel.reset(BuildLabel(attribution, textWidth, 25, textLeft, 38));
  BuildLinks(textLeft);
  noticeLabel.reset(BuildLabel(notice, textWidth, h - 145, textLeft, 95));
  noticeLabel->SetBorder(true);

  okButton = std::make_unique<ButtonCustom>(this, "OK");
  okButton->SetSize(80, 28);
  okButton->MoveTo(textLeft + textWidth / 2 - okButton->GetWidth() / 2, h - 37);
  okButton->SetCommand(CommandToThis());
  okButton->Create();
  TakeKeyboard(okButton.get());
}

void FormAbout::BuildPicture() {
  picture = std::make_unique<MyImage>(panel.get(), logo);
  picture->SetSize(logoWidth, logoHeight);
  picture->MoveTo(5, 5);
  picture->Create();
}

CellControl* FormAbout::BuildLabel(const std::string& caption, int w, int h, int left, int top) {
  auto* label = new CellControl(this);
  label->SetText(caption);
  label->SetSize(w, h);
  label->MoveTo(left, top);
  label->SetTextAlign(TextAlign::Left);
  label->Create();
  return label;
}

void FormAbout::BuildLinks(int left) {
  webLink.reset(BuildLink(webAddress, 200, left));
  mailLink.reset(BuildLink(MailAddressFor(mailbox, webAddress), 150, logoWidth + 255));
}

CellControl* FormAbout::BuildLink(const std::string& caption, int w, int left) {
  CellControl* link = BuildLabel(caption, w, kLinkHeight, left, kLinkTop);
  link->SetTextColor(kLinkBlue);
  link->SetOnMouseDown(ForwardChildMouseDown);
  return link;
}

bool FormAbout::FormKeyChar(char ch) {
  if (ch != kReturnChar && ch != kEscapeChar && ch != kDeleteChar) return true;
  CloseDialog();
  return false;
}

void FormAbout::CommandClicked(GUIElement* element) {
  if (element == nullptr || !okButton || element->GetId() != okButton->GetId()) return;
  CloseDialog();
}

void FormAbout::ChildMouseDown(GUIElement* element) {
  if (element == nullptr) return;
  std::string commandLine;
  if (IsSameElement(element, webLink)) {
    commandLine = WebLinkCommand(webAddress);
  } else if (IsSameElement(element, mailLink)) {
    commandLine = MailLinkCommand(mailLink->GetText());
  } else {
    return;
  }
  if (commandLine.empty()) {
    Log("FormAbout: no program to open " + element->GetText());
    return;
  }
  // The external program lives on in its own process group, after the game too; this window
  // stays responsive. When no child can be had the link is refused: run here, the program
  // would wait for the browser to close.
  const pid_t started =
      StartBackgroundChild(RunLinkCommand, commandLine, true, ChildLifetime::OutlivesProgram);
  if (started < 0) {
    Log("FormAbout: cannot start " + commandLine);
    ShowMessage(this, kLinkRefused, "Link");
  }
}

}  // namespace tessarin
