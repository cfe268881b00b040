// The message box on a private headless X server: found by its title, closed
// by each way a user closes it, and never left hanging; and on stderr when
// there is no display at all.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "render/message_box.h"
#include "support/processes.h"
#include "support/x_session.h"

// Last: Xlib's macros (None, Bool, ...) would clash with GoogleTest's names.
#include <X11/Xlib.h>

namespace {

constexpr int kFindMs = 10000;
constexpr int kCloseMs = 5000;

class MessageBoxOnXvfb : public testing::Test {
 protected:
  void SetUp() override {
    if (!xtest::haveProgram("Xvfb") || !xtest::haveProgram("xdotool")) {
      GTEST_SKIP() << "Xvfb or xdotool is not installed";
    }
    ASSERT_TRUE(xtest::startXvfb(&display_)) << "Xvfb did not start";
  }
  void TearDown() override {
    if (boxPid_ > 0) xtest::waitWithin(boxPid_, 1, nullptr);
    xtest::stopXvfb(&display_);
    unlink(stdoutPath().c_str());
    unlink(stderrPath().c_str());
  }

  // Starts the box program and returns its window id once it is shown.
  std::string showBox(const std::string& title) {
    boxPid_ = xtest::spawnProgram({VELMORA_SHOW_MESSAGE_BOX, title, "Data/marmol.bmp"},
                                  display_.name, stdoutPath(), stderrPath());
    const std::string id = xtest::findWindow(title, display_.name, kFindMs);
    if (id.empty()) {
      ADD_FAILURE() << "no window titled " << title << " on " << display_.name
                    << "; box running: " << xtest::stillRunning(boxPid_)
                    << "; its stderr: " << xtest::readFile(stderrPath());
    }
    return id;
  }

  void xdotool(const std::string& arguments) {
    xtest::runOutput("xdotool " + arguments, display_.name);
  }

  // The box program ended by itself, normally, after the box had closed.
  void expectClosed() {
    int status = 0;
    ASSERT_TRUE(xtest::waitWithin(boxPid_, kCloseMs, &status)) << "the box did not close";
    boxPid_ = -1;
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(xtest::readFile(stdoutPath()), "closed\n");
  }

  std::string stdoutPath() const { return "/tmp/velmora_box_" + std::to_string(getpid()) + ".out"; }
  std::string stderrPath() const { return "/tmp/velmora_box_" + std::to_string(getpid()) + ".err"; }

  xtest::HeadlessDisplay display_;
  pid_t boxPid_ = -1;
};

TEST_F(MessageBoxOnXvfb, EnterSpaceAndEscapeCloseItOtherKeysDoNot) {
  for (const char* key : {"Return", "space", "Escape"}) {
    const std::string id = showBox("Error!");
    ASSERT_FALSE(id.empty());
    xdotool("key --window " + id + " a Tab F1");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(xtest::stillRunning(boxPid_));
    xdotool("key --window " + id + " " + key);
    expectClosed();
  }
}

TEST_F(MessageBoxOnXvfb, ClickOnOkClosesItAndAClickElsewhereDoesNot) {
  const std::string id = showBox("Error");
  ASSERT_FALSE(id.empty());
  std::istringstream geometry(
      xtest::runOutput("xdotool getwindowgeometry --shell " + id, display_.name));
  int width = 0;
  int height = 0;
  for (std::string line; std::getline(geometry, line);) {
    if (line.rfind("WIDTH=", 0) == 0) width = std::stoi(line.substr(6));
    if (line.rfind("HEIGHT=", 0) == 0) height = std::stoi(line.substr(7));
  }
  ASSERT_GT(width, 0);
  const render::BoxRect ok = render::messageBoxButton(width, height);

  xdotool("mousemove --window " + id + " 5 5 click 1");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(xtest::stillRunning(boxPid_));

  xdotool("mousemove --window " + id + " " + std::to_string(ok.x + ok.width / 2) + " " +
          std::to_string(ok.y + ok.height / 2) + " click 1");
  expectClosed();
}

TEST_F(MessageBoxOnXvfb, WindowManagerCloseRequestClosesIt) {
  const std::string id = showBox("Error");
  ASSERT_FALSE(id.empty());
  Display* d = XOpenDisplay(display_.name.c_str());
  ASSERT_NE(d, nullptr);
  // Window managers show _NET_WM_NAME rather than WM_NAME.
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* name = nullptr;
  XGetWindowProperty(d, std::stoul(id), XInternAtom(d, "_NET_WM_NAME", False), 0, 64, False,
                     XInternAtom(d, "UTF8_STRING", False), &type, &format, &count, &after, &name);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(name), count), "Error");
  XFree(name);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = std::stoul(id);
  event.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, event.xclient.window, False, NoEventMask, &event);
  XCloseDisplay(d);
  expectClosed();
}

TEST(MessageBoxWithoutDisplay, TitleAndTextGoToStderr) {
  const char* saved = std::getenv("DISPLAY");
  const std::string restore = saved != nullptr ? saved : "";
  unsetenv("DISPLAY");
  testing::internal::CaptureStderr();
  render::showMessageBox("Error!", "Data/marmol.bmp");
  render::showMessageBox("Error", "Failed to open DIB file x.bmp.\n");
  const std::string said = testing::internal::GetCapturedStderr();
  if (saved != nullptr) setenv("DISPLAY", restore.c_str(), 1);
  EXPECT_EQ(said, "Error!: Data/marmol.bmp\nError: Failed to open DIB file x.bmp.\n");
}

}  // namespace
