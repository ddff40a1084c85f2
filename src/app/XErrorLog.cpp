#include "tessarin/app/XErrorLog.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <string>

#include "tessarin/util/Log.h"

namespace tessarin {

namespace {

// The core protocol's names by error code. Xlib's XGetErrorText would read its text database
// from a file, the first time without a lock, and this handler may run on the hint search's
// thread too: its own connection sends the answer to a window that may be gone by then.
const char* const kCoreErrors[] = {
    "Success",   "BadRequest", "BadValue",    "BadWindow",   "BadPixmap", "BadAtom",
    "BadCursor", "BadFont",    "BadMatch",    "BadDrawable", "BadAccess", "BadAlloc",
    "BadColor",  "BadGC",      "BadIDChoice", "BadName",     "BadLength", "BadImplementation"};
static_assert(sizeof kCoreErrors / sizeof kCoreErrors[0] == BadImplementation + 1,
              "one name per core error");

std::string DescribeXError(const XErrorEvent& error) {
  const int code = error.error_code;
  const std::string name = code <= BadImplementation
                               ? std::string(kCoreErrors[code])
                               : "of an extension, code " + std::to_string(code);
  char codes[96];
  std::snprintf(codes, sizeof codes, ", request %d.%d, resource 0x%lx, ignored", error.request_code,
                error.minor_code, error.resourceid);
  return "X error " + name + codes;
}

int LogAndGoOn(Display*, XErrorEvent* error) {
  Log(DescribeXError(*error));
  return 0;
}

}  // namespace

void LogXErrorsAndGoOn() {
  XSetErrorHandler(LogAndGoOn);
}

}  // namespace tessarin
