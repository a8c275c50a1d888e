// The least a Windows report of this kind must do: the 50 ms sleep and the
// two tool commands through cmd.exe, their output read and thrown away. The
// benchmark holds Corvalen.exe against it. Given the argument "pause", it
// also runs the closing pause, a third start of cmd.exe.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static void RunAndDiscard(const char* command_line) {
  std::FILE* pipe = _popen(command_line, "rb");
  if (pipe == nullptr) return;
  char chunk[4096];
  while (std::fread(chunk, 1, sizeof chunk, pipe) == sizeof chunk) {
  }
  _pclose(pipe);
}

int main(int argc, char** argv) {
  Sleep(50);
  RunAndDiscard("wmic cpu get processorid");
  RunAndDiscard("wmic path win32_physicalmedia get SerialNumber");
  if (argc > 1 && std::strcmp(argv[1], "pause") == 0) std::system("pause");
}
