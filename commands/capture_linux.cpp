#include <cstdio>

#include "commands/capture.h"

namespace corvalen {

std::string DecodeToolOutput(std::string_view raw) {
  return DecodeCapturedOutput(raw, Utf8FromUtf16);
}

std::string RunCommandCapture(const std::string& command_line) {
  std::FILE* pipe = popen(command_line.c_str(), "r");
  if (pipe == nullptr) throw CaptureStartError();
  const std::string raw = ReadWholeStream(pipe);
  pclose(pipe);
  return DecodeToolOutput(raw);
}

}  // namespace corvalen
