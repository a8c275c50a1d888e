#include <cstdio>

#include "commands/capture.h"

namespace corvalen {

std::string RunCommandCapture(const std::string& command_line) {
  std::FILE* pipe = popen(command_line.c_str(), "r");
  if (pipe == nullptr) throw CaptureStartError();
  const std::string raw = ReadWholeStream(pipe);
  pclose(pipe);
  return DecodeCapturedOutput(raw, Utf8FromUtf16);
}

}  // namespace corvalen
