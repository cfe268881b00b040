// Shows one message box (title and text from the command line) and says on
// stdout when it has been closed: the program the window tests drive.
#include <cstdio>

#include "platform/message_box.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s TITLE TEXT\n", argv[0]);
    return 2;
  }
  platform::showMessageBox(argv[1], argv[2]);
  std::printf("closed\n");
  return 0;
}
