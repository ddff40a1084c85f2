// The Tessarin gallery: a second program, beside the game, that shows every widget of the
// toolkit working in one window (gallery/FormGallery.h). Like the game it runs through the
// toolkit's runner (app/MainFormRunner.h): it clears the last run's log, opens the display and
// runs the one event loop until the window is closed. It works in its working directory: the
// sample pictures are read from Data/, and the score table and the 4-bit reader's C export are
// written there.
#include <memory>
#include <string>

#include "gallery/FormGallery.h"
#include "gallery/GalleryLayout.h"
#include "tessarin/app/MainFormRunner.h"

using namespace tessarin;

namespace {

// Its own window class, so that a desktop does not take it for the game; the log and the beep
// as the game has them, in the folder the gallery works in.
constexpr ProgramUsage kGalleryUsage{
    {"tessarin-gallery", TESSARIN_VERSION, "tessarin-gallery", nullptr, "log.txt", "Data/beep.wav"},
    "The widgets of the Tessarin toolkit at work in one window. Without an option it opens\n"
    "the window on the display named by DISPLAY, working in the current directory, whose\n"
    "Data/ holds the sample pictures."};

}  // namespace

int main(int argc, char** argv) {
  return RunMainForm(
      kGalleryUsage, gallery::kWindowTitle,
      [](Application* application, const std::string&) {
        return std::make_unique<FormGallery>(application);
      },
      argc, argv);
}
