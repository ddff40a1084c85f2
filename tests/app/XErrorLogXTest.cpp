// The programs' X error handler on the private server: an error is one line of the log and
// the connection goes on, also after a pixel read that failed under its own scoped handler.
#include "support/XServerFixture.h"

#include <X11/Xproto.h>

#include <cstdio>

#include "app/XErrorLog.h"
#include "graphics/FetchedImage.h"
#include "support/TempDirectory.h"

namespace {

class XErrorLog : public XServerFixture {
 protected:
  void SetUp() override {
    XServerFixture::SetUp();
    // XSetErrorHandler answers with the handler it replaces; the suite's goes back at the end.
    suiteHandler = XSetErrorHandler(nullptr);
    XSetErrorHandler(suiteHandler);
  }
  void TearDown() override {
    XSetErrorHandler(suiteHandler);
    XServerFixture::TearDown();
  }

  XErrorHandler suiteHandler = nullptr;
};

TEST_F(XErrorLog, AnErrorAfterAFailedFetchIsLoggedAndTheConnectionGoesOn) {
  TempDirectory folder;
  WorkingDirectoryScope inFolder(folder.Path());
  ASSERT_TRUE(inFolder.Entered());
  LogXErrorsAndGoOn();
  const Window gone =
      XCreateSimpleWindow(display(), DefaultRootWindow(display()), 0, 0, 10, 10, 0, 0, 0);
  XDestroyWindow(display(), gone);
  EXPECT_EQ(FetchImage(display(), gone, 0, 0, 10, 10), nullptr);
  XMapWindow(display(), gone);
  XSync(display(), False);

  char expected[96];
  std::snprintf(expected, sizeof expected,
                "X error BadWindow, request %d.0, resource 0x%lx, ignored\n", X_MapWindow, gone);
  EXPECT_EQ(FileText(folder.File("log.txt")), expected);
  const Window after =
      XCreateSimpleWindow(display(), DefaultRootWindow(display()), 0, 0, 10, 10, 0, 0, 0);
  XWindowAttributes attributes;
  EXPECT_NE(XGetWindowAttributes(display(), after, &attributes), 0);
  XDestroyWindow(display(), after);
}

}  // namespace
