// The About window: the program's picture in a framed panel, the product line, attribution,
// notice, and two links that start the web browser and the mail composer in a child process.
// It blocks its owner while open. Everything it shows comes from its caller. The owner owns
// the FormAbout and the logo image it shows; the FormAbout owns its children and its texts.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <memory>
#include <string>

#include "tessarin/dialogs/ModalDialog.h"

namespace tessarin {

class ButtonCustom;
class CellControl;
class MyImage;
class PanelChildren;

class FormAbout : public ModalDialog {
 public:
  explicit FormAbout(Form* owner);
  ~FormAbout() override;

  void LoadControls() override;
  bool FormKeyChar(char ch) override;
  void CommandClicked(GUIElement* element) override;
  // A press on either link.
  void ChildMouseDown(GUIElement* element) override;

  // Stored only; they take effect when Show() builds the children.
  void SetLogo(XImage* image, int width, int height);
  void SetProductLine(const std::string& text) { productLine = text; }
  void SetAttribution(const std::string& text) { attribution = text; }
  void SetNotice(const std::string& text) { notice = text; }
  void SetWebAddress(const std::string& text) { webAddress = text; }
  // The mailbox of the mail link, before the "@" and the web address's domain.
  void SetMailbox(const std::string& text) { mailbox = text; }
  MyImage* GetPicture() const { return picture.get(); }
  PanelChildren* GetPanel() const { return panel.get(); }
  CellControl* GetProductLabel() const { return productLabel.get(); }
  CellControl* GetAttributionLabel() const { return attributionLabel.get(); }
  CellControl* GetNoticeLabel() const { return noticeLabel.get(); }
  CellControl* GetWebLink() const { return webLink.get(); }
  CellControl* GetMailLink() const { return mailLink.get(); }
  ButtonCustom* GetOkButton() const { return okButton.get(); }

 private:
  CellControl* BuildLabel(const std::string& caption, int w, int h, int left, int top);
  void BuildPicture();
  void BuildLinks(int left);
  CellControl* BuildLink(const std::string& caption, int w, int left);

  std::unique_ptr<MyImage> picture;
  std::unique_ptr<CellControl> productLabel;
  std::unique_ptr<CellControl> attributionLabel;
  std::unique_ptr<PanelChildren> panel;
  std::unique_ptr<CellControl> noticeLabel;
  std::unique_ptr<ButtonCustom> okButton;
  std::unique_ptr<CellControl> webLink;
  std::unique_ptr<CellControl> mailLink;
  XImage* logo = nullptr;
  int logoWidth = 0;
  int logoHeight = 0;
  std::string productLine;
  std::string attribution;
  std::string notice;
  std::string webAddress;
  std::string mailbox;
};

// mailbox + "@" + the web address without its first 12 characters ("https://www."); the
// mailbox alone when the address is too short to have a domain after that prefix.
std::string MailAddressFor(const std::string& mailbox, const std::string& webAddress);

// The shell command lines the two links run.
std::string BrowserCommand(const std::string& webAddress);
std::string MailComposerCommand(const std::string& mailAddress);

// What the links run: the lines above while firefox and thunderbird are on PATH, else the
// desktop's own opener (xdg-open, xdg-email) for the address; "" when neither is there.
std::string WebLinkCommand(const std::string& webAddress);
std::string MailLinkCommand(const std::string& mailAddress);

}  // namespace tessarin
