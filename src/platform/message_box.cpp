// The message box on Xlib. It opens its own display connection, so it works
// before, beside or without the game window, and it blocks the caller until
// the user closes it, which is what makes it modal.
#include "platform/message_box.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace platform {

namespace {

constexpr int kMargin = 20;
constexpr int kMinWidth = 220;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 28;
constexpr int kButtonBottom = 16;

// Everything the box holds while it is on screen.
struct Box {
  Display* display = nullptr;
  Window window = 0;
  GC gc = nullptr;
  XFontStruct* font = nullptr;
  bool fontLoaded = false;  // loaded by us, not the server's default
  unsigned long background = 0;
  unsigned long buttonFace = 0;
  unsigned long ink = 0;
  std::vector<std::string> lines;
  int width = 0;
  int height = 0;
  Atom deleteWindow = 0;
};

std::vector<std::string> splitLines(const char* text) {
  std::vector<std::string> lines;
  const char* start = text;
  for (const char* p = text;; ++p) {
    if (*p == '\n' || *p == '\0') {
      if (*p == '\n' || p != start || lines.empty()) lines.emplace_back(start, p);
      if (*p == '\0') break;
      start = p + 1;
    }
  }
  return lines;
}

int textWidth(const Box& box, const std::string& s) {
  return XTextWidth(box.font, s.c_str(), static_cast<int>(s.size()));
}

int lineHeight(const Box& box) { return box.font->ascent + box.font->descent; }

unsigned long namedColour(Display* display, const char* name, unsigned long fallback) {
  XColor exact;
  XColor screen;
  Colormap map = DefaultColormap(display, DefaultScreen(display));
  if (XAllocNamedColor(display, map, name, &screen, &exact) == 0) return fallback;
  return screen.pixel;
}

void measure(Box* box) {
  int widest = 0;
  for (const std::string& line : box->lines) widest = std::max(widest, textWidth(*box, line));
  const int screenWidth = DisplayWidth(box->display, DefaultScreen(box->display));
  box->width =
      std::min(std::max(widest + 2 * kMargin, kMinWidth), std::max(screenWidth - 40, kMinWidth));
  box->height = kMargin + static_cast<int>(box->lines.size()) * lineHeight(*box) + kMargin +
                kButtonHeight + kButtonBottom;
}

void setProperties(const Box& box, const char* title) {
  Display* d = box.display;
  XStoreName(d, box.window, title);
  const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
  XChangeProperty(d, box.window, XInternAtom(d, "_NET_WM_NAME", False), utf8, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title),
                  static_cast<int>(std::strlen(title)));
  Atom deleteWindow = box.deleteWindow;
  XSetWMProtocols(d, box.window, &deleteWindow, 1);

  const Atom dialog = XInternAtom(d, "_NET_WM_WINDOW_TYPE_DIALOG", False);
  XChangeProperty(d, box.window, XInternAtom(d, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(&dialog), 1);
  const Atom states[2] = {XInternAtom(d, "_NET_WM_STATE_MODAL", False),
                          XInternAtom(d, "_NET_WM_STATE_ABOVE", False)};
  XChangeProperty(d, box.window, XInternAtom(d, "_NET_WM_STATE", False), XA_ATOM, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(states), 2);

  // The box belongs to whichever window has the keyboard, so that a window
  // manager keeps it above the game.
  Window focus = 0;
  int revert = 0;
  XGetInputFocus(d, &focus, &revert);
  if (focus != None && focus != PointerRoot) XSetTransientForHint(d, box.window, focus);

  XSizeHints* hints = XAllocSizeHints();
  if (hints != nullptr) {
    hints->flags = PPosition | PMinSize | PMaxSize;
    hints->min_width = hints->max_width = box.width;
    hints->min_height = hints->max_height = box.height;
    XSetWMNormalHints(d, box.window, hints);
    XFree(hints);
  }
}

bool createBox(Box* box, const char* title, const char* text) {
  Display* d = box->display;
  const int screen = DefaultScreen(d);
  box->font = XLoadQueryFont(d, "fixed");
  box->fontLoaded = box->font != nullptr;
  if (box->font == nullptr) box->font = XQueryFont(d, XGContextFromGC(DefaultGC(d, screen)));
  if (box->font == nullptr) return false;
  box->lines = splitLines(text);
  measure(box);
  box->ink = BlackPixel(d, screen);
  box->background = namedColour(d, "gray92", WhitePixel(d, screen));
  box->buttonFace = namedColour(d, "gray80", WhitePixel(d, screen));
  const int x = std::max(0, (DisplayWidth(d, screen) - box->width) / 2);
  const int y = std::max(0, (DisplayHeight(d, screen) - box->height) / 2);
  box->window = XCreateSimpleWindow(d, RootWindow(d, screen), x, y, box->width, box->height, 1,
                                    box->ink, box->background);
  // Input is selected before the title is set: whoever finds the window by
  // its title can talk to it at once.
  XSelectInput(
      d, box->window,
      ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);
  box->deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
  setProperties(*box, title);
  box->gc = XCreateGC(d, box->window, 0, nullptr);
  XSetFont(d, box->gc, box->font->fid);
  XMapRaised(d, box->window);
  return true;
}

void draw(const Box& box) {
  Display* d = box.display;
  XClearWindow(d, box.window);
  XSetForeground(d, box.gc, box.ink);
  int baseline = kMargin + box.font->ascent;
  for (const std::string& line : box.lines) {
    XDrawString(d, box.window, box.gc, kMargin, baseline, line.c_str(),
                static_cast<int>(line.size()));
    baseline += lineHeight(box);
  }
  const BoxRect b = messageBoxButton(box.width, box.height);
  XSetForeground(d, box.gc, box.buttonFace);
  XFillRectangle(d, box.window, box.gc, b.x, b.y, b.width, b.height);
  XSetForeground(d, box.gc, box.ink);
  XDrawRectangle(d, box.window, box.gc, b.x, b.y, b.width - 1, b.height - 1);
  const std::string ok = "OK";
  XDrawString(d, box.window, box.gc, b.x + (b.width - textWidth(box, ok)) / 2,
              b.y + (b.height + box.font->ascent - box.font->descent) / 2, ok.c_str(), 2);
  XFlush(d);
}

bool insideButton(const Box& box, int x, int y) {
  const BoxRect b = messageBoxButton(box.width, box.height);
  return x >= b.x && x < b.x + b.width && y >= b.y && y < b.y + b.height;
}

// A focus request can fail harmlessly (a window manager may not have shown
// the window yet); Xlib's default handler would end the process for it.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

void takeFocus(const Box& box) {
  XSync(box.display, False);
  int (*previous)(Display*, XErrorEvent*) = XSetErrorHandler(ignoreXError);
  XSetInputFocus(box.display, box.window, RevertToParent, CurrentTime);
  XSync(box.display, False);
  XSetErrorHandler(previous);
}

// Runs until the box is closed; tells whether the window is already gone.
bool runBox(const Box& box) {
  bool buttonHeld = false;
  for (;;) {
    XEvent event;
    XNextEvent(box.display, &event);
    switch (event.type) {
      case MapNotify:
        takeFocus(box);
        break;
      case Expose:
        if (event.xexpose.count == 0) draw(box);
        break;
      case KeyPress: {
        const KeySym key = XLookupKeysym(&event.xkey, 0);
        if (key == XK_Return || key == XK_KP_Enter || key == XK_space || key == XK_Escape) {
          return false;
        }
        break;
      }
      case ButtonPress:
        buttonHeld =
            event.xbutton.button == Button1 && insideButton(box, event.xbutton.x, event.xbutton.y);
        break;
      case ButtonRelease:
        if (buttonHeld && insideButton(box, event.xbutton.x, event.xbutton.y)) return false;
        buttonHeld = false;
        break;
      case ClientMessage:
        if (static_cast<Atom>(event.xclient.data.l[0]) == box.deleteWindow) return false;
        break;
      case DestroyNotify:
        return true;
      default:
        break;
    }
  }
}

void printToStderr(const char* title, const char* text) {
  const std::size_t n = std::strlen(text);
  const bool endsLine = n > 0 && text[n - 1] == '\n';
  std::fprintf(stderr, "%s: %s%s", title, text, endsLine ? "" : "\n");
  std::fflush(stderr);
}

}  // namespace

BoxRect messageBoxButton(int boxWidth, int boxHeight) {
  BoxRect r;
  r.width = kButtonWidth;
  r.height = kButtonHeight;
  r.x = (boxWidth - kButtonWidth) / 2;
  r.y = boxHeight - kButtonBottom - kButtonHeight;
  return r;
}

namespace {

// Shows the box; without a display, says so by returning false.
bool showBox(const char* title, const char* text) {
  Box box;
  box.display = XOpenDisplay(nullptr);
  if (box.display == nullptr) return false;
  const bool shown = createBox(&box, title, text);
  if (shown && runBox(box)) box.window = 0;
  if (box.gc != nullptr) XFreeGC(box.display, box.gc);
  if (box.window != 0) XDestroyWindow(box.display, box.window);
  if (box.fontLoaded) {
    XFreeFont(box.display, box.font);
  } else if (box.font != nullptr) {
    XFreeFontInfo(nullptr, box.font, 1);
  }
  XCloseDisplay(box.display);
  return shown;
}

}  // namespace

void showMessageBox(const char* title, const char* text) {
  if (title == nullptr) title = "";
  if (text == nullptr) text = "";
  if (!showBox(title, text)) printToStderr(title, text);
}

void showMessageBoxOnDisplay(const char* title, const char* text) {
  showBox(title != nullptr ? title : "", text != nullptr ? text : "");
}

}  // namespace platform
