// The files that install the game on a desktop, checked with Debian's own tools: the menu
// entry, the AppStream metadata and the manual page pass their validators, and the Debian
// package builds, holds what it should and passes lintian without errors; the toolkit's -dev
// package, made beside it, holds the headers, archives and build files, without warnings.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace {

const std::string kSource = TESSARIN_SOURCE_DIR;
// The files that name the release, as the build makes them from dist/<name>.in.
const std::string kVersioned = std::string(TESSARIN_BUILD_DIR) + "/dist/";
constexpr char kVersion[] = "1.0.0.0";

struct CommandResult {
  int status = -1;
  std::string output;
};

// Runs a shell command with standard error joined to its output.
CommandResult Shell(const std::string& command) {
  CommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) result.output += buffer;
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Lines of the output that start with one of the prefixes.
std::string LinesStartingWith(const std::string& output, const std::vector<std::string>& prefixes) {
  std::istringstream lines(output);
  std::string found;
  for (std::string line; std::getline(lines, line);) {
    for (const std::string& prefix : prefixes) {
      if (line.rfind(prefix, 0) == 0) found += line + "\n";
    }
  }
  return found;
}

TEST(Packaging, DesktopEntryMetainfoAndManualPagePassTheirValidators) {
  struct Case {
    std::string command;
    std::vector<std::string> complaints;  // output lines that fail the check; none: any line
  };
  const std::vector<Case> cases = {
      {"desktop-file-validate '" + kSource + "/dist/tessarin.desktop'", {}},
      {"appstreamcli validate --no-net '" + kVersioned + "example.tessarin.Tessarin.metainfo.xml'",
       {"E:", "W:"}},
      {"groff -man -ww -z '" + kVersioned + "tessarin.6'", {}},
      {"groff -man -ww -z '" + kVersioned + "tessarin-gallery.6'", {}},
  };
  for (const Case& test : cases) {
    const CommandResult result = Shell(test.command);
    EXPECT_EQ(result.status, 0) << test.command << "\n" << result.output;
    const std::string complaints =
        test.complaints.empty() ? result.output : LinesStartingWith(result.output, test.complaints);
    EXPECT_EQ(complaints, "") << test.command;
  }
  EXPECT_NE(FileText(kVersioned + "example.tessarin.Tessarin.metainfo.xml")
                .find(std::string("<release version=\"") + kVersion + "\""),
            std::string::npos);
}

// Both launchers, filled in with a stand-in program that prints its folder and arguments,
// under odd environments. A refusal is one line that names the launcher.
TEST(Packaging, LaunchersAnswerWithoutAFolderAndRefuseHomesThatAreNoAbsoluteFolder) {
  TempDirectory scratch;
  const std::string program = scratch.File("program"), file = scratch.File("file");
  WriteFileText(program, "#!/bin/sh\nprintf '%s|' \"$PWD\" \"$@\"\n");
  WriteFileText(file, "");
  const std::string work = scratch.File("work"), state = scratch.File("h/.local/state/tessarin");
  const std::string relative = "neither XDG_STATE_HOME nor HOME is an absolute path";
  const std::vector<std::vector<std::string>> cases = {
      // environment, arguments, what is printed (a part of it on failure), status
      {"", "--version", work + "|--version|", "0"},
      {"HOME=" + file, "--help", work + "|--help|", "0"},
      {"HOME=/proc", "--version", work + "|--version|", "0"},
      {"HOME=rel XDG_STATE_HOME=rel", "", relative, "1"},
      {"HOME=-m0777", "", relative, "1"},
      {"HOME=" + file, "", "cannot make the folder " + file, "1"},
      {"HOME=/proc", "", "cannot make the folder /proc/.local/state", "1"},
      {"HOME=" + scratch.File("h"), "", state, "0"},
      // The game's best results live in its state folder.
      {"HOME=" + scratch.File("h"), "--scores", state + "|--scores|", "0"},
  };
  for (const std::string name : {"tessarin", "tessarin-gallery"}) {
    const std::string launcher = scratch.File(name);
    ASSERT_EQ(Shell("sed 's#@TESSARIN_\\(GAME\\|GALLERY\\)@#" + program + "#; s#@TESSARIN_DATA@#" +
                    kSource + "/Data#' '" + kSource + "/dist/" + name + ".in' >'" + launcher +
                    "' && chmod +x '" + launcher + "' '" + program + "'")
                  .status,
              0);
    for (const auto& test : cases) {
      if (test[1] == "--scores" && std::string(name) != "tessarin") continue;
      SCOPED_TRACE(name + " " + test[0] + " " + test[1]);
      Shell("rm -rf '" + work + "' '" + scratch.File("h") + "' && mkdir '" + work + "'");
      const CommandResult result = Shell("cd '" + work + "' && env -i PATH=\"$PATH\" " + test[0] +
                                         " '" + launcher + "' " + test[1]);
      EXPECT_EQ(std::to_string(result.status), test[3]) << result.output;
      if (test[3] == "1") {
        EXPECT_EQ(result.output.rfind(name + ": ", 0), 0u) << result.output;
        EXPECT_EQ(result.output.find('\n'), result.output.size() - 1) << result.output;
      }
      EXPECT_NE(result.output.find(test[2]), std::string::npos) << result.output;
      EXPECT_TRUE(FolderEntries(work).empty()) << "the launcher wrote into its folder";
    }
  }
}

TEST(Packaging, DebianPackageHoldsTheGameTheGalleryTheirLaunchersAndTheDesktopFiles) {
  TempDirectory scratch;
  const CommandResult made = Shell("'" + kSource + "/tools/make-deb.sh' --build-dir '" +
                                   scratch.File("build") + "' --output '" + scratch.Path() + "'");
  ASSERT_EQ(made.status, 0) << made.output;
  const std::string architecture = Shell("dpkg --print-architecture").output;
  const std::string package =
      scratch.File("tessarin_" + std::string(kVersion) + "_" +
                   architecture.substr(0, architecture.find('\n')) + ".deb");

  const std::string listing = Shell("dpkg-deb -c '" + package + "'").output;
  for (const char* path :
       {"./usr/games/tessarin", "./usr/libexec/tessarin/tessarin", "./usr/share/tessarin/beep.wav",
        "./usr/share/applications/tessarin.desktop",
        "./usr/share/metainfo/example.tessarin.Tessarin.metainfo.xml",
        "./usr/share/man/man6/tessarin.6.gz", "./usr/share/doc/tessarin/copyright",
        "./usr/share/doc/tessarin/changelog.gz",
        "./usr/share/icons/hicolor/16x16/apps/tessarin.png",
        "./usr/share/icons/hicolor/256x256/apps/tessarin.png", "./usr/games/tessarin-gallery",
        "./usr/libexec/tessarin/tessarin-gallery", "./usr/share/tessarin/gallery-24bit.bmp",
        "./usr/share/tessarin/gallery-8bit.bmp", "./usr/share/tessarin/gallery-4bit.bmp",
        "./usr/share/man/man6/tessarin-gallery.6.gz"}) {
    EXPECT_NE(listing.find(std::string(path) + "\n"), std::string::npos) << path << "\n" << listing;
  }
  // The launchers name the programs and their files where the package puts them.
  const auto launcher = [&](const std::string& name) {
    return Shell("dpkg-deb --fsys-tarfile '" + package + "' | tar -xO ./usr/games/" + name).output;
  };
  const std::string game = launcher("tessarin");
  EXPECT_NE(game.find("game='/usr/libexec/tessarin/tessarin'"), std::string::npos) << game;
  EXPECT_NE(game.find("beep='/usr/share/tessarin/beep.wav'"), std::string::npos) << game;
  const std::string gallery = launcher("tessarin-gallery");
  EXPECT_NE(gallery.find("gallery='/usr/libexec/tessarin/tessarin-gallery'"), std::string::npos)
      << gallery;
  EXPECT_NE(gallery.find("data='/usr/share/tessarin'"), std::string::npos) << gallery;
  EXPECT_EQ(Shell("dpkg-deb -f '" + package + "' Section").output, "games\n");
  const std::string depends = Shell("dpkg-deb -f '" + package + "' Depends").output;
  EXPECT_NE(depends.find("libx11-6"), std::string::npos) << depends;
  EXPECT_NE(depends.find("libc6"), std::string::npos) << depends;
  EXPECT_EQ(Shell("dpkg-deb -f '" + package + "' Recommends").output,
            "alsa-utils, xfonts-base, xdg-utils\n");

  const CommandResult lint = Shell("lintian --fail-on error '" + package + "'");
  EXPECT_EQ(lint.status, 0) << lint.output;
  EXPECT_EQ(LinesStartingWith(lint.output, {"E:"}), "") << lint.output;

  // The toolkit's package, made by the same run: what a program needs to build on it, and no
  // file of the game's, so that both install side by side.
  const std::string dev = scratch.File("tessarin-toolkit-dev_" + std::string(kVersion) + "_" +
                                       architecture.substr(0, architecture.find('\n')) + ".deb");
  const std::string devListing = Shell("dpkg-deb -c '" + dev + "'").output;
  const std::string multiarch = Shell("dpkg-architecture -qDEB_HOST_MULTIARCH").output;
  const std::string libdir = "./usr/lib/" + multiarch.substr(0, multiarch.find('\n'));
  const std::vector<std::string> devPaths = {
      "./usr/include/tessarin/widgets/Widget.h",
      "./usr/include/tessarin/app/Application.h",
      libdir + "/libtessarin_widgets.a",
      libdir + "/cmake/TessarinToolkit/TessarinToolkitConfig.cmake",
      libdir + "/pkgconfig/tessarin-toolkit.pc",
      "./usr/share/doc/tessarin-toolkit-dev/TOOLKIT.md",
      "./usr/share/doc/tessarin-toolkit-dev/copyright",
      "./usr/share/doc/tessarin-toolkit-dev/examples/hello/hello.cpp"};
  for (const std::string& path : devPaths) {
    EXPECT_NE(devListing.find(path + "\n"), std::string::npos) << path << "\n" << devListing;
  }
  EXPECT_EQ(devListing.find("./usr/include/tessarin/app/EventLoop.h"), std::string::npos);
  EXPECT_EQ(listing.find("./usr/include/"), std::string::npos) << listing;
  EXPECT_EQ(Shell("dpkg-deb -f '" + dev + "' Section Depends").output,
            "Section: libdevel\nDepends: libx11-dev\n");
  const CommandResult devLint = Shell("lintian --fail-on error,warning '" + dev + "'");
  EXPECT_EQ(devLint.status, 0) << devLint.output;
  EXPECT_EQ(LinesStartingWith(devLint.output, {"E:", "W:"}), "") << devLint.output;
}

}  // namespace
