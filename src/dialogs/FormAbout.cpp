#include "dialogs/FormAbout.h"

#include "app/Application.h"
#include "app/ExternalPrograms.h"
#include "framework/Child.h"
#include "game/GameInfo.h"
#include "graphics/Color.h"
#include "util/Log.h"
#include "widgets/ButtonCustom.h"
#include "widgets/CellControl.h"
#include "widgets/MyImage.h"
#include "widgets/PanelChildren.h"

namespace {

constexpr int kWindowWidth = 600;
constexpr int kWindowHeight = 210;
constexpr Color kLinkBlue = 0x0000FF;
constexpr int kLeftAligned = 0;
constexpr std::size_t kWebPrefixLength = 12;  // "https://www."

FormAbout* AsAbout(GUIElement* element) {
  return dynamic_cast<FormAbout*>(element);
}

void LoadAboutControls(GUIElement* element, std::uint64_t) {
  if (FormAbout* about = AsAbout(element)) about->LoadControls();
}

bool ReleaseOwnerOnClose(GUIElement* element) {
  FormAbout* about = AsAbout(element);
  return about == nullptr || about->ConfirmClose();
}

bool ForwardKeyChar(GUIElement* element, char ch) {
  FormAbout* about = AsAbout(element);
  return about == nullptr || about->FormKeyChar(ch);
}

void ForwardKeyDown(GUIElement* element, unsigned long keysym) {
  if (FormAbout* about = AsAbout(element)) about->FormKeyDown(keysym);
}

void ForwardKeyUp(GUIElement* element, unsigned long keysym) {
  if (FormAbout* about = AsAbout(element)) about->FormKeyUp(keysym);
}

// The form of the pressed element, followed only through elements that are children.
Form* LinkForm(GUIElement* element) {
  std::size_t steps = Application::Elements().size() + 1;
  GUIElement* current = element;
  while (current != nullptr && steps-- > 0) {
    if (current->GetType() == "form") return static_cast<Form*>(current);
    if (!current->IsChild()) return nullptr;
    current = current->GetParent();
  }
  return nullptr;
}

void DispatchLinkPress(GUIElement* element, std::uint64_t, Point) {
  if (FormAbout* about = AsAbout(LinkForm(element))) about->LinkMouseDown(element);
}

void DispatchAboutCommand(GUIElement* element) {
  if (FormAbout* about = AsAbout(FindForm(element))) about->CommandClicked(element);
}

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

FormAbout::FormAbout(Form* owner) : Form(nullptr, true), owner(owner) {
  SetApplication(owner != nullptr ? owner->GetApplication() : Application::Default());
  SetTransientOwner(owner);
  SetTitle("Info...");
  SetSize(kWindowWidth, kWindowHeight);
  if (owner != nullptr) {
    Point origin = owner->GetPosition();
    Point size = owner->GetSize();
    MoveTo(origin.x + (size.x - kWindowWidth) / 2, origin.y + (size.y - kWindowHeight) / 2);
  }
  SetOnLoad(LoadAboutControls);
  SetOnClosing(ReleaseOwnerOnClose);
  SetOnKeyChar(ForwardKeyChar);
  SetOnKeyDown(ForwardKeyDown);
  SetOnKeyUp(ForwardKeyUp);
  if (owner != nullptr) {
    owner->SetEnabled(false);
    owner->SetModalChild(this);
  }
}

FormAbout::~FormAbout() {
  // An owner still blocked by this window would stay blocked for good once it is gone.
  if (owner != nullptr && owner->GetModalChild() == this) ConfirmClose();
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

  productLabel.reset(BuildLabel(this, productLine, textWidth, 25, textLeft, 17));
  productLabel->SetTextColor(kWhite);
  attributionLabel.reset(BuildLabel(this, attribution, textWidth, 25, textLeft, 38));
  BuildLinks(textLeft);
  noticeLabel.reset(BuildLabel(this, notice, textWidth, h - 145, textLeft, 95));
  noticeLabel->SetBorder(true);

  okButton = std::make_unique<ButtonCustom>(this, "OK");
  okButton->SetSize(80, 28);
  okButton->MoveTo(textLeft + textWidth / 2 - okButton->GetWidth() / 2, h - 37);
  okButton->SetCommand(DispatchAboutCommand);
  okButton->Create();
}

void FormAbout::BuildPicture() {
  picture = std::make_unique<MyImage>(panel.get(), logo);
  picture->SetSize(logoWidth, logoHeight);
  picture->MoveTo(5, 5);
  picture->Create();
}

CellControl* FormAbout::BuildLabel(GUIElement* container, const std::string& caption, int w, int h,
                                   int left, int top) {
  auto* label = new CellControl(container);
  label->SetText(caption);
  label->SetSize(w, h);
  label->MoveTo(left, top);
  label->SetTextAlign(kLeftAligned);
  label->Create();
  return label;
}

void FormAbout::BuildLinks(int left) {
  webLink = std::make_unique<CellControl>(this);
  webLink->SetText(webAddress);
  webLink->SetSize(200, 12);
  webLink->SetPosition(left, 68);
  webLink->SetTextColor(kLinkBlue);
  webLink->SetTextAlign(kLeftAligned);
  webLink->SetOnMouseDown(DispatchLinkPress);
  webLink->Create();

  mailLink = std::make_unique<CellControl>(this);
  mailLink->SetText(MailAddressFor(kMailboxName, webAddress));
  mailLink->SetSize(150, 12);
  mailLink->SetPosition(logoWidth + 255, 68);
  mailLink->SetTextColor(kLinkBlue);
  mailLink->SetTextAlign(kLeftAligned);
  mailLink->SetOnMouseDown(DispatchLinkPress);
  mailLink->Create();
}

bool FormAbout::ConfirmClose() {
  if (owner == nullptr) return true;
  owner->SetModalChild(nullptr);
  owner->SetEnabled(true);
  return true;
}

void FormAbout::ReservedC() {}

bool FormAbout::FormKeyChar(char ch) {
  if (ch != 13 && ch != 27 && ch != 127) return true;
  CloseWindow();
  return false;
}

void FormAbout::FormKeyDown(unsigned long) {}
void FormAbout::FormKeyUp(unsigned long) {}

void FormAbout::CommandClicked(GUIElement* element) {
  if (element == nullptr || !okButton || element->GetId() != okButton->GetId()) return;
  CloseWindow();
}

void FormAbout::CloseWindow() {
  if (!ConfirmClose()) return;
  DestroyWindow();
  Close();
}

void FormAbout::LinkMouseDown(GUIElement* element) {
  if (element == nullptr) return;
  std::string commandLine;
  if (IsSameElement(element, webLink)) {
    commandLine = BrowserCommand(webAddress);
  } else if (IsSameElement(element, mailLink)) {
    commandLine = MailComposerCommand(mailLink->GetText());
  } else {
    return;
  }
  // The external program lives on in its own process group; this window stays responsive.
  if (StartBackgroundOrRunHere(RunLinkCommand, commandLine, true) < 0) {
    Log("FormAbout: cannot start " + commandLine);
  }
}
