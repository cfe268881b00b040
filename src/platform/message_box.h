// The modal message box through which the game reports a file it cannot use:
// a small window of our own on Xlib with a title, a text and an OK button, or
// a line on stderr when no display can be opened.
#pragma once

namespace platform {

// Shows the box and returns once the user has closed it: OK clicked, Enter,
// Space or Escape pressed, or the window closed by the window manager.
// Without a display, writes "title: text" to stderr and returns at once.
void showMessageBox(const char* title, const char* text);

// The same box, but nothing at all when no display can be opened: for a
// caller that has said it on stderr already.
void showMessageBoxOnDisplay(const char* title, const char* text);

struct BoxRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where the OK button lies inside a box of the given size.
BoxRect messageBoxButton(int boxWidth, int boxHeight);

}  // namespace platform
