// The installed game as people get it: a tree installed under another prefix
// with DESTDIR. It must run where it lies, which only works when the launcher
// finds the game and its data from its own place.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "game/game_fixture.h"
#include "support/processes.h"
#include "support/x_session.h"

namespace {

namespace fs = std::filesystem;

const std::string kBuild = VELMORA_BUILD_DIR;
const std::string kInstalled = VELMORA_INSTALL_ROOT;

// Every regular file under `root`, named relative to it.
std::set<std::string> filesUnder(const std::string& root) {
  std::set<std::string> files;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(root)) {
    if (e.is_regular_file()) files.insert(fs::relative(e.path(), root).string());
  }
  return files;
}

bool isExecutable(const std::string& path) { return access(path.c_str(), X_OK) == 0; }

// Runs a shell command without a display; its status, output and errors.
int shell(const std::string& command, std::string* out, std::string* err = nullptr) {
  return xtest::runProgram({"/bin/sh", "-c", "LC_ALL=C; export LC_ALL; " + command}, "", out, err);
}

TEST(InstalledTree, HoldsTheGameItsDataAndItsDesktopFilesAndNothingElse) {
  std::set<std::string> expected = {
      "games/velmora",
      "games/velmora-sim",
      "lib/games/velmora/velmora",
      "share/applications/velmora.desktop",
      "share/man/man6/velmora.6.gz",
      "share/man/man6/velmora-sim.6.gz",
  };
  // The data files and icons are whatever the build generated, byte for byte.
  std::vector<std::pair<std::string, std::string>> generated = {
      {kBuild + "/arial.glf", "share/games/velmora/arial.glf"}};
  for (const std::string& f : filesUnder(kBuild + "/Data")) {
    generated.push_back({kBuild + "/Data/" + f, "share/games/velmora/Data/" + f});
  }
  for (const std::string& f : filesUnder(kBuild + "/icons")) {
    generated.push_back({kBuild + "/icons/" + f, "share/icons/" + f});
  }
  ASSERT_GE(generated.size(), 1u + 7u + 1u);
  for (const auto& [built, installed] : generated) {
    expected.insert(installed);
    EXPECT_EQ(xtest::readFile(built), xtest::readFile(kInstalled + "/" + installed)) << installed;
  }
  EXPECT_EQ(filesUnder(kInstalled), expected);
  for (const char* program : {"games/velmora", "games/velmora-sim", "lib/games/velmora/velmora"}) {
    EXPECT_TRUE(isExecutable(kInstalled + "/" + program)) << program;
  }
}

TEST(InstalledTree, LauncherHandsTheGameItsArgumentsAndItsExitStatus) {
  if (!xtest::haveProgram("Xvfb")) GTEST_SKIP() << "Xvfb is not installed";
  // Called through a link from elsewhere, as from a folder on PATH.
  char pattern[] = "/tmp/velmora-launcher.XXXXXX";
  const std::string linkDir = mkdtemp(pattern);
  const std::string link = linkDir + "/velmora";
  ASSERT_EQ(symlink((kInstalled + "/games/velmora").c_str(), link.c_str()), 0);

  xtest::HeadlessDisplay xvfb;
  ASSERT_TRUE(xtest::startXvfb(&xvfb));
  for (const std::string& launcher : {kInstalled + "/games/velmora", link}) {
    SCOPED_TRACE(launcher);
    // No DISPLAY: only the -display argument can lead the game to the server,
    // which has no full-screen mode, so the game says so and ends with 1.
    std::string out;
    const int status = xtest::runProgram({launcher, "-display", xvfb.name}, "", &out, nullptr);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out, gametest::kBanner + "El modo Game no esta disponible.\n");
  }
  xtest::stopXvfb(&xvfb);
  unlink(link.c_str());
  rmdir(linkDir.c_str());
}

TEST(InstalledTree, ManPagesRenderWithoutWarningsAndNameEverySimulatorOption) {
  const std::string pages = kInstalled + "/share/man/man6/";
  for (const std::string page : {"velmora.6.gz", "velmora-sim.6.gz"}) {
    SCOPED_TRACE(page);
    std::string out;
    std::string err;
    EXPECT_EQ(shell("gzip -dc '" + pages + page + "' | groff -man -Tutf8 -ww -z", &out, &err), 0);
    EXPECT_EQ(err, "");
    EXPECT_EQ(shell("MANWIDTH=80 man -l '" + pages + page + "'", &out, &err), 0) << err;
    EXPECT_NE(out.find("EXIT STATUS"), std::string::npos) << out;
  }

  // The simulator's usage line, printed after an argument it does not know.
  std::string usage;
  ASSERT_EQ(xtest::runProgram({VELMORA_SIM_PATH, "--not-an-option"}, "", nullptr, &usage), 2);
  std::string page;
  ASSERT_EQ(shell("MANWIDTH=80 man -l '" + pages + "velmora-sim.6.gz'", &page), 0);
  const std::regex option("--[a-z][a-z-]*");
  int options = 0;
  for (std::sregex_iterator i(usage.begin(), usage.end(), option), end; i != end; ++i) {
    if (i->str() == "--not-an-option") continue;
    ++options;
    EXPECT_NE(page.find(i->str()), std::string::npos) << i->str() << " is not in the manual";
  }
  EXPECT_GE(options, 6) << usage;
}

}  // namespace
