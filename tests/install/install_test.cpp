// The installed game as people get it: a tree installed under another prefix
// with DESTDIR, and the Debian package unpacked with dpkg -x into a scratch
// folder. Both must run where they lie, which only works when the launcher
// finds the game and its data from its own place.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/game_fixture.h"
#include "support/processes.h"
#include "support/x_session.h"

namespace {

namespace fs = std::filesystem;

const std::string kBuild = VELMORA_BUILD_DIR;
const std::string kInstalled = VELMORA_INSTALL_ROOT;
const std::string kPackageDir = VELMORA_PACKAGE_DIR;
const std::string kUnpacked = kPackageDir + "/root/usr";

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

// The value of `key` in a desktop entry's text.
std::string entryValue(const std::string& entry, const std::string& key) {
  std::smatch m;
  return std::regex_search(entry, m, std::regex("(^|\n)" + key + "=([^\n]*)")) ? m[2].str() : "";
}

// The package names in a Depends line ("libc6 (>= 2.34), libglu1-mesa | libglu1"),
// alternatives included; versions start with a bracket or a digit.
std::set<std::string> packagesNamed(const std::string& depends) {
  std::set<std::string> names;
  std::istringstream words(depends);
  std::string word;
  while (words >> word) {
    if (word.back() == ',') word.pop_back();
    if (word[0] >= 'a' && word[0] <= 'z') names.insert(word);
  }
  return names;
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
    // which has no full-screen mode, so the game says so and ends with 1 (the
    // full screen alone asked for: no window in its place).
    std::string out;
    const int status = xtest::runProgram(
        {"env", "VELMORA_WINDOW=0", launcher, "-display", xvfb.name}, "", &out, nullptr);
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

  // Every option the simulator's --help names.
  std::string usage;
  ASSERT_EQ(xtest::runProgram({VELMORA_SIM_PATH, "--help"}, "", &usage, nullptr), 0);
  std::string page;
  ASSERT_EQ(shell("MANWIDTH=80 man -l '" + pages + "velmora-sim.6.gz'", &page), 0);
  const std::regex option("--[a-z][a-z-]*");
  int options = 0;
  for (std::sregex_iterator i(usage.begin(), usage.end(), option), end; i != end; ++i) {
    ++options;
    EXPECT_NE(page.find(i->str()), std::string::npos) << i->str() << " is not in the manual";
  }
  EXPECT_GE(options, 8) << usage;
}

TEST(Package, IsNamedAfterTheVersionAndDependsOnTheLibrariesTheProgramsLink) {
  std::string arch;
  ASSERT_EQ(shell("dpkg --print-architecture", &arch), 0);
  arch.erase(arch.find_last_not_of('\n') + 1);
  const std::string deb = kPackageDir + "/velmora_" VELMORA_VERSION "_" + arch + ".deb";
  ASSERT_TRUE(fs::exists(deb)) << deb;
  std::string depends;
  ASSERT_EQ(shell("dpkg-deb -f '" + deb + "' Depends", &depends), 0);
  // GLUT, GLU, and OpenGL through the vendor-neutral libOpenGL and libGLX.
  const std::set<std::string> named = packagesNamed(depends);
  for (const char* library :
       {"libc6", "libstdc++6", "libglut3.12", "libglu1-mesa", "libopengl0", "libglx0"}) {
    EXPECT_EQ(named.count(library), 1u) << library << " missing from: " << depends;
  }
}

TEST(Package, SimulatorPlaysAsTheBuiltOne) {
  std::string built;
  ASSERT_EQ(
      xtest::runProgram({VELMORA_SIM_PATH, "--matches", "1", "--seed", "1"}, "", &built, nullptr),
      0);
  std::string unpacked;
  std::string err;
  ASSERT_EQ(xtest::runProgram({kUnpacked + "/games/velmora-sim", "--matches", "1", "--seed", "1"},
                              "", &unpacked, &err),
            0)
      << err;
  EXPECT_EQ(unpacked.rfind("summary matches=1 ", 0), 0u) << unpacked;
  EXPECT_EQ(unpacked, built);
}

TEST(Package, DesktopEntryValidatesAndNamesTheInstalledLauncherAndIcon) {
  if (!xtest::haveProgram("desktop-file-validate")) {
    GTEST_SKIP() << "desktop-file-validate is not installed";
  }
  const std::string entryPath = kUnpacked + "/share/applications/velmora.desktop";
  std::string out;
  std::string err;
  EXPECT_EQ(xtest::runProgram({"desktop-file-validate", entryPath}, "", &out, &err), 0);
  EXPECT_EQ(out + err, "");

  const std::string entry = xtest::readFile(entryPath);
  const std::string exec = entryValue(entry, "Exec");
  ASSERT_FALSE(exec.empty());
  EXPECT_TRUE(isExecutable(kUnpacked + "/games/" + exec)) << exec;
  const std::string icon = entryValue(entry, "Icon");
  for (const char* size : {"16x16", "32x32", "48x48", "256x256"}) {
    EXPECT_TRUE(fs::exists(kUnpacked + "/share/icons/hicolor/" + size + "/apps/" + icon + ".png"))
        << size << " " << icon;
  }
  EXPECT_EQ(entryValue(entry, "Categories"), "Game;StrategyGame;");
}

using PackagedGame = gametest::GameFixture;

TEST_F(PackagedGame, LauncherStartsTheGameInItsDataFolderAndEscEndsIt) {
  // Started from the root folder, the game finds its font (the entry screen
  // shows text) only if the launcher took it to its data folder.
  startProgram({kUnpacked + "/games/velmora"}, "/");
  waitForEntryScreen();
  quitWithEscape();
}

}  // namespace
