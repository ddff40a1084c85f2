// The programs' X error handler on the private server: an error is one line of the log and
// the connection goes on, also after a pixel read that failed under its own scoped handler.
#include "support/XServerFixture.h"

#include <X11/Xproto.h>

#include <cstdio>

#include "support/TempDirectory.h"
#include "tessarin/app/XErrorLog.h"
#include "tessarin/graphics/FetchedImage.h"

using namespace tessarin;

namespace {

using XErrorLog = XServerFixture;

TEST_F(XErrorLog, AnErrorAfterAFailedFetchIsLoggedAndTheConnectionGoesOn) {
  const LogCapture log;
  const XErrorHandler suiteHandler = XSetErrorHandler(nullptr);
  LogXErrorsAndGoOn();
  const Window root = DefaultRootWindow(display());
  const Window gone = XCreateSimpleWindow(display(), root, 0, 0, 10, 10, 0, 0, 0);
  XDestroyWindow(display(), gone);
  EXPECT_EQ(FetchImage(display(), gone, 0, 0, 10, 10), nullptr);
  XMapWindow(display(), gone);
  XWindowAttributes attributes;
  EXPECT_NE(XGetWindowAttributes(display(), root, &attributes), 0);
  XSetErrorHandler(suiteHandler);

  char expected[96];
  std::snprintf(expected, sizeof expected,
                "X error BadWindow, request %d.0, resource 0x%lx, ignored\n", X_MapWindow, gone);
  EXPECT_EQ(log.Text(), expected);
}

}  // namespace
