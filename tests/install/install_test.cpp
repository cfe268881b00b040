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
const std::string kMetainfo = "share/metainfo/" VELMORA_APPSTREAM_ID ".metainfo.xml";
// The programs the package builds, where it installs them.
const std::vector<std::string> kPrograms = {"games/velmora-sim", "libexec/velmora/velmora"};

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
int shell(const std::string& command, std::string* out, std::string* err = nullptr,
          int timeoutMs = 30000) {
  return xtest::runProgram({"/bin/sh", "-c", "LC_ALL=C; export LC_ALL; " + command}, "", out, err,
                           timeoutMs);
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
      "libexec/velmora/velmora",
      "share/applications/velmora.desktop",
      kMetainfo,
      "share/doc/velmora/copyright",
      "share/doc/velmora/changelog.gz",
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
  for (const std::string& program : kPrograms) {
    EXPECT_TRUE(isExecutable(kInstalled + "/" + program)) << program;
  }
  EXPECT_TRUE(isExecutable(kInstalled + "/games/velmora"));
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
  ASSERT_TRUE(xtest::haveProgram("mandoc")) << "scripts/install-deps.sh installs mandoc";
  const std::string pages = kInstalled + "/share/man/man6/";
  for (const std::string page : {"velmora.6.gz", "velmora-sim.6.gz"}) {
    SCOPED_TRACE(page);
    std::string out;
    std::string err;
    EXPECT_EQ(shell("gzip -dc '" + pages + page + "' | groff -man -Tutf8 -ww -z", &out, &err), 0);
    EXPECT_EQ(err, "");
    // mandoc's lint is stricter than groff: it reads the date, for one.
    EXPECT_EQ(shell("mandoc -T lint -W all '" + pages + page + "' 2>&1", &out), 0);
    EXPECT_EQ(out, "");
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

// Both packages as one upload, with lintian's every level and nothing of the
// machine's lintian configuration; lintian checks four of the hardening
// features, the stack protector is the fifth.
TEST(Package, LintianFindsNothingAndTheProgramsUseTheStackProtector) {
  ASSERT_TRUE(xtest::haveProgram("lintian")) << "scripts/install-deps.sh installs lintian";
  std::string out;
  const std::string lintian =
      "lintian --no-cfg --no-override --pedantic --display-info --display-experimental '" +
      kPackageDir + "'/velmora_*.deb '" + kPackageDir + "'/velmora-dbgsym_*.ddeb";
  // lintian alone takes some 15 s here, and longer beside the other tests.
  EXPECT_EQ(shell(lintian, &out, nullptr, 300000), 0);
  EXPECT_EQ(out, "");

  for (const std::string& program : kPrograms) {
    EXPECT_EQ(shell("readelf --dyn-syms -W '" + kUnpacked + "/" + program + "'", &out), 0);
    EXPECT_NE(out.find("__stack_chk_fail"), std::string::npos) << program;
  }
}

// Each program shipped without its debug information, which the -dbgsym
// package holds under the program's build id, where debuggers look.
TEST(Package, DebugInfoLiesInTheDbgsymPackageUnderEachProgramsBuildId) {
  for (const std::string& program : kPrograms) {
    SCOPED_TRACE(program);
    std::string notes;
    ASSERT_EQ(shell("readelf -n '" + kUnpacked + "/" + program + "'", &notes), 0);
    std::smatch id;
    ASSERT_TRUE(std::regex_search(notes, id, std::regex("Build ID: ([0-9a-f]{2})([0-9a-f]+)")));
    std::string sections;
    ASSERT_EQ(shell("readelf -S -W '" + kUnpacked + "/" + program + "'", &sections), 0);
    EXPECT_EQ(sections.find(".debug_info"), std::string::npos);
    EXPECT_EQ(sections.find(".comment"), std::string::npos);
    EXPECT_NE(sections.find(".gnu_debuglink"), std::string::npos);

    const std::string debug = kPackageDir + "/dbgsym/usr/lib/debug/.build-id/" + id[1].str() + "/" +
                              id[2].str() + ".debug";
    ASSERT_EQ(shell("readelf -S -W '" + debug + "'", &sections), 0) << debug;
    EXPECT_NE(sections.find(".debug_info"), std::string::npos);
  }
}

// What software centres read: valid to appstreamcli's every level, bar the
// one hint that the project's placeholder domain has no known top level.
TEST(Package, AppStreamMetadataValidatesAndLaunchesTheDesktopEntry) {
  ASSERT_TRUE(xtest::haveProgram("appstreamcli")) << "scripts/install-deps.sh installs appstream";
  const std::string metainfo = kUnpacked + "/" + kMetainfo;
  std::string out;
  EXPECT_EQ(shell("appstreamcli validate --pedantic --no-net '" + metainfo + "'", &out), 0);
  // Issue lines start with their level: Error, Warning, Info, Pedantic.
  const std::regex issue("(^|\n)[EWIP]: [^\n]*");
  int issues = 0;
  for (std::sregex_iterator i(out.begin(), out.end(), issue), end; i != end; ++i) {
    ++issues;
    EXPECT_NE(i->str().find("I: " VELMORA_APPSTREAM_ID ":"), std::string::npos) << i->str();
    EXPECT_NE(i->str().find(": cid-maybe-not-rdns "), std::string::npos) << i->str();
  }
  EXPECT_LE(issues, 1) << out;

  std::smatch launchable;
  const std::string xml = xtest::readFile(metainfo);
  ASSERT_TRUE(std::regex_search(
      xml, launchable, std::regex("<launchable type=\"desktop-id\">([^<]+)</launchable>")));
  EXPECT_TRUE(fs::exists(kUnpacked + "/share/applications/" + launchable[1].str()));
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
