// X errors the program survives, such as a request that names a window another client has just
// destroyed. Xlib's own handler prints a paragraph and calls exit(), which runs the static
// destructors while the hint search's thread may still read what they destroy; this one logs
// one line ("X error BadWindow, request 3.0, resource 0x400001, ignored": the error, the major
// and minor code of the request that failed and the id it named) and lets the program go on.
// Installed by PrepareProcess (MainFormRunner.h) before the display opens; a handler scoped to
// one call (FetchedImage.h) restores it afterwards.
#pragma once

namespace tessarin {

void LogXErrorsAndGoOn();

}  // namespace tessarin
