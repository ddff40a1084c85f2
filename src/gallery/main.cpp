// The Tessarin gallery: a second program, beside the game, that shows every widget of the
// toolkit working in one window (gallery/FormGallery.h). Like the game it clears the last
// run's log, opens the display through the Application and runs the one event loop until the
// window is closed. It works in its working directory: the sample pictures are read from
// Data/, and the score table and the 4-bit reader's C export are written there.
#include <cassert>
#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/Application.h"
#include "app/EventLoop.h"
#include "gallery/FormGallery.h"
#include "gallery/GalleryLayout.h"
#include "util/FileUtils.h"
#include "util/Log.h"

namespace {

constexpr ProgramUsage kGalleryUsage{
    "tessarin-gallery",
    "The widgets of the Tessarin toolkit at work in one window. Without an option it opens\n"
    "the window on the display named by DISPLAY, working in the current directory, whose\n"
    "Data/ holds the sample pictures."};

}  // namespace

int main(int argc, char** argv) {
  if (auto status = HandleCommandLine(kGalleryUsage, argc, argv, stdout, stderr)) return *status;
  if (FileExists("log.txt")) RemoveFile("log.txt");

  auto application = std::make_unique<Application>(gallery::kWindowTitle);
  if (application->GetDisplay() == nullptr) return 1;

  auto gallery = std::make_unique<FormGallery>(application.get());
  RunEventLoop(gallery.get());
  gallery.reset();
  // Every element unregisters itself when destroyed; anything left here was leaked.
  assert(Application::Elements().empty() && Application::Forms().empty() &&
         Application::Timers().empty());

  if (!application->Close()) Log("Chiusura screen non riuscita");
  return 0;
}
