// The message box on a private headless X server: found by its title, closed
// by each way a user closes it, with real keys and clicks through the server,
// and never left hanging; and on stderr when there is no display at all.
#include "platform/message_box.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/processes.h"
#include "support/x_input.h"
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

  // There is no window manager: the box must take the keyboard focus itself.
  bool waitForFocus(const std::string& id) {
    for (int waited = 0; waited < kFindMs; waited += 50) {
      if (xtest::runOutput("xdotool getwindowfocus -f", display_.name) == id + "\n") return true;
      xtest::pauseMs(50);
    }
    return false;
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
    ASSERT_TRUE(waitForFocus(id)) << "the box never took the keyboard focus";
    // With the pointer off the box, keys reach it only through its focus.
    ASSERT_TRUE(xtest::moveMouse(display_.name, 0, 0));
    ASSERT_TRUE(xtest::pressKeys(display_.name, "a Tab F1"));
    xtest::pauseMs(200);
    EXPECT_TRUE(xtest::stillRunning(boxPid_)) << "closed by a key other than " << key;
    ASSERT_TRUE(xtest::pressKeys(display_.name, key));
    expectClosed();
  }
}

TEST_F(MessageBoxOnXvfb, ALeftClickOnOkClosesItOtherClicksDoNot) {
  const std::string id = showBox("Error");
  ASSERT_FALSE(id.empty());
  xtest::WindowGeometry box;
  ASSERT_TRUE(xtest::windowGeometry(id, display_.name, &box));
  const platform::BoxRect ok = platform::messageBoxButton(box.width, box.height);
  const int okX = box.x + ok.x + ok.width / 2;
  const int okY = box.y + ok.y + ok.height / 2;
  const int besideX = box.x + 5;
  const int besideY = box.y + 5;

  ASSERT_TRUE(xtest::moveMouse(display_.name, besideX, besideY));
  ASSERT_TRUE(xtest::click(display_.name, 1));
  xtest::pauseMs(300);
  EXPECT_TRUE(xtest::stillRunning(boxPid_)) << "closed by a click beside OK";

  // Pressed on OK, then dragged off before letting go: a user changing
  // their mind.
  ASSERT_TRUE(xtest::moveMouse(display_.name, okX, okY));
  ASSERT_TRUE(xtest::mouseDown(display_.name, 1));
  ASSERT_TRUE(xtest::moveMouse(display_.name, besideX, besideY));
  ASSERT_TRUE(xtest::mouseUp(display_.name, 1));
  xtest::pauseMs(300);
  EXPECT_TRUE(xtest::stillRunning(boxPid_)) << "closed by a press on OK released beside it";

  ASSERT_TRUE(xtest::moveMouse(display_.name, okX, okY));
  ASSERT_TRUE(xtest::click(display_.name, 3));
  xtest::pauseMs(300);
  EXPECT_TRUE(xtest::stillRunning(boxPid_)) << "closed by a right click on OK";

  ASSERT_TRUE(xtest::click(display_.name, 1));
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
  platform::showMessageBox("Error!", "Data/marmol.bmp");
  platform::showMessageBox("Error", "Failed to open DIB file x.bmp.\n");
  const std::string said = testing::internal::GetCapturedStderr();
  if (saved != nullptr) setenv("DISPLAY", restore.c_str(), 1);
  EXPECT_EQ(said, "Error!: Data/marmol.bmp\nError: Failed to open DIB file x.bmp.\n");
}

}  // namespace
