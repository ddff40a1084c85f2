// The toolkit as another program meets it: installed with cmake --install into a scratch
// prefix, its public headers compile there with nothing from the tree, and the hello example
// builds against it as an outside project, through find_package and through pkg-config. Both
// builds run on the private X server and draw their button.
// GoogleTest first: X11 headers define macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "support/ProgramProcess.h"
#include "support/RemoteScreen.h"
#include "support/TempDirectory.h"
#include "support/Waiting.h"

namespace {

const std::string kSource = TESSARIN_SOURCE_DIR;
// Inside hello's button, clear of its caption, and the face colour hello gives it.
constexpr int kButtonInsideX = 76;
constexpr int kButtonInsideY = 70;
constexpr unsigned long kButtonBack = 0x3C78D8;

// Runs a shell command, its output into the log file; the failure shows the log.
::testing::AssertionResult RunLogged(const std::string& command, const std::string& log) {
  if (std::system(("(" + command + ") >'" + log + "' 2>&1").c_str()) == 0) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << command << "\n" << FileText(log);
}

class InstalledToolkit : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(screen.IsOpen()) << "cannot open the test X server";
    ASSERT_TRUE(RunLogged(std::string("'") + TESSARIN_CMAKE + "' --install '" + TESSARIN_BUILD_DIR +
                              "' --prefix '" + prefix.Path() + "'",
                          scratch.File("install.log")));
  }

  // Starts the program and reads a pixel of its button once the window shows. The window
  // carries the class hello states, and hello leaves no log in the folder it ran in: nothing of
  // the game comes with the toolkit.
  void ExpectButtonDrawn(const std::string& binary) {
    SCOPED_TRACE(binary);
    ProgramProcess hello(binary, std::vector<std::string>{});
    ASSERT_TRUE(hello.Start());
    const auto window =
        screen.WaitForWindow([](const WindowFacts& facts) { return facts.name == "Hello"; });
    ASSERT_TRUE(window.has_value()) << "hello showed no window\n" << hello.Output();
    EXPECT_EQ(window->className, "Hello");
    EXPECT_EQ(window->instanceName, "Hello");
    EXPECT_TRUE(waiting::WaitUntil([&] {
      return screen.PixelAt(window->id, kButtonInsideX, kButtonInsideY) == kButtonBack;
    })) << std::hex
        << screen.PixelAt(window->id, kButtonInsideX, kButtonInsideY);
    hello.KillAndReap();
    EXPECT_FALSE(hello.ReadWorkFile("log.txt").has_value());
  }

  std::string PkgConfigPath() const { return prefix.File(TESSARIN_INSTALL_LIBDIR) + "/pkgconfig"; }

  RemoteScreen screen;
  TempDirectory prefix, scratch;
};

// A public header that includes a private one fails here, on that include not being found.
// Every header is named as a program names it, <tessarin/...>, from the one folder that holds
// tessarin/: no generic folder such as util/ or app/ comes onto the program's include path.
TEST_F(InstalledToolkit, EveryPublicHeaderCompilesAgainstTheInstalledFolderAlone) {
  const std::string probe = scratch.File("probe.cpp");
  ASSERT_TRUE(RunLogged("cd '" + prefix.Path() +
                            "/include' && find tessarin -name '*.h' | sort | "
                            "sed 's|^\\(.*\\)|#include <\\1>|' >'" +
                            probe + "'",
                        scratch.File("find.log")));
  const std::string includes = FileText(probe);
  ASSERT_NE(includes.find("#include <tessarin/widgets/Widget.h>\n"), std::string::npos) << includes;
  // The private parts of the layers stay in the tree.
  EXPECT_EQ(includes.find("EventLoop.h"), std::string::npos) << includes;
  EXPECT_EQ(includes.find("SharedGC.h"), std::string::npos) << includes;
  const std::string pkgConfig = "PKG_CONFIG_PATH='" + PkgConfigPath() + "' pkg-config ";
  ASSERT_TRUE(RunLogged(pkgConfig + "--cflags tessarin-toolkit", scratch.File("cflags.log")));
  const std::string cflags = FileText(scratch.File("cflags.log"));
  EXPECT_EQ(cflags.find("include/tessarin "), std::string::npos) << cflags;
  EXPECT_EQ(cflags.find("include/tessarin\n"), std::string::npos) << cflags;
  const std::string targets = FileText(prefix.File(TESSARIN_INSTALL_LIBDIR) +
                                       "/cmake/TessarinToolkit/TessarinToolkitTargets.cmake");
  EXPECT_EQ(targets.find("include/tessarin\""), std::string::npos) << "the CMake package's path";
  EXPECT_TRUE(RunLogged(
      "c++ -std=c++17 -fsyntax-only $(" + pkgConfig + "--cflags tessarin-toolkit) '" + probe + "'",
      scratch.File("compile.log")));

  // The installed guide's links lead to the installed headers and examples.
  const std::string docs = prefix.File("share/doc/tessarin-toolkit-dev");
  const std::string guide = FileText(docs + "/TOOLKIT.md");
  ASSERT_NE(guide.find("](toolkit/"), std::string::npos) << "no guide at " << docs;
  for (std::size_t at = guide.find("]("); at != std::string::npos; at = guide.find("](", at + 1)) {
    const std::string target = guide.substr(at + 2, guide.find(')', at) - at - 2);
    EXPECT_EQ(access((docs + "/" + target).c_str(), F_OK), 0) << target;
  }
}

// Every name the archives give other programs is the toolkit's own, in tessarin::, or the C++
// library's that the toolkit instantiated (std::, __gnu_cxx::); none can clash with a name of
// the program's. Read from the mangled names, where a name outside every namespace or in another
// one starts with its length, and std:: is abbreviated.
TEST_F(InstalledToolkit, TheArchivesNameNothingOutsideTheToolkitsNamespace) {
  const std::string outside = scratch.File("outside.txt");
  ASSERT_TRUE(RunLogged(
      "nm --defined-only --extern-only --format=posix '" + prefix.File(TESSARIN_INSTALL_LIBDIR) +
          "'/libtessarin_*.a | awk 'NF >= 2 && $1 !~ /:$/ && $1 !~ /^DW[.]ref[.]/ {print $1}' | "
          "grep -E '^_Z(T[VIST]|GV|Th|Tv|TC|TT)?N?[KVr]*[0-9]|^[A-Za-z]' | "
          "grep -vE '^_Z(T[VIST]|GV|Th|Tv|TC|TT)?N?[KVr]*(8tessarin|9__gnu_cxx)' >'" +
          outside + "' || true",
      scratch.File("nm.log")));
  EXPECT_EQ(FileText(outside), "");
}

// The libraries of a sanitizer build call its runtime: a program built on them links it too.
#ifdef TESSARIN_SANITIZED
constexpr char kSanitizerFlags[] = "-fsanitize=address,undefined";
#else
constexpr char kSanitizerFlags[] = "";
#endif

TEST_F(InstalledToolkit, HelloBuildsThroughFindPackageAndPkgConfigAndDrawsItsButton) {
  const std::string build = scratch.File("cmake-build");
  ASSERT_TRUE(RunLogged(std::string("'") + TESSARIN_CMAKE + "' -S '" + kSource +
                            "/examples/hello' -B '" + build + "' -DCMAKE_PREFIX_PATH='" +
                            prefix.Path() + "' -DCMAKE_CXX_FLAGS='" + kSanitizerFlags + "' && '" +
                            TESSARIN_CMAKE + "' --build '" + build + "'",
                        scratch.File("cmake.log")));
  ExpectButtonDrawn(build + "/hello");

  const std::string direct = scratch.File("hello-pkg-config");
  ASSERT_TRUE(
      RunLogged("PKG_CONFIG_PATH='" + PkgConfigPath() + "' && export PKG_CONFIG_PATH && c++ " +
                    "-std=c++17 " + kSanitizerFlags + " -o '" + direct + "' '" + kSource +
                    "/examples/hello/hello.cpp' $(pkg-config --cflags --libs tessarin-toolkit)",
                scratch.File("pkg-config.log")));
  ExpectButtonDrawn(direct);
}

}  // namespace
