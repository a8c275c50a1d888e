// Runs each argument as a command line through the program's own capture and
// prints what came back between brackets, CR and LF spelled out, so that the
// end-to-end script can read it whatever the stream's mode does to newlines.
#include <cstdio>
#include <string>

#include "commands/capture.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string text = corvalen::RunCommandCapture(argv[i]);
    std::string shown;
    for (const char c : text) {
      if (c == '\r') {
        shown += "\\r";
      } else if (c == '\n') {
        shown += "\\n";
      } else {
        shown += c;
      }
    }
    std::printf("[%s]\n", shown.c_str());
  }
}
