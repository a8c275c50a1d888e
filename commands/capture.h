#pragma once

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvalen {

// A tool command could not be started at all. The report stops here.
class CaptureStartError : public std::runtime_error {
 public:
  CaptureStartError() : std::runtime_error("_popen() failed!") {}
};

// Turns UTF-16 text into the narrow text the report is written in.
using WideToNarrow = std::function<std::string(std::u16string_view)>;

// UTF-8; a lone surrogate becomes '?'.
std::string Utf8FromUtf16(std::u16string_view wide);

// Applies the console's text mode to a tool's raw output. Output that starts
// with the UTF-16LE byte-order mark is first turned into narrow text (an odd
// last byte is dropped). Then each CR LF pair becomes LF, a lone CR stays, a
// Ctrl-Z ends the text, and zero bytes are dropped.
std::string DecodeCapturedOutput(std::string_view raw,
                                 const WideToNarrow& to_narrow);

// DecodeCapturedOutput with this system's narrowing: the active code page on
// Windows, UTF-8 on Linux.
std::string DecodeToolOutput(std::string_view raw);

// Reads the stream to its end. A read error ends the text where it stands.
std::string ReadWholeStream(std::FILE* stream);

// Runs `command_line` through the command interpreter and returns its
// decoded standard output; standard error is not captured. Throws
// CaptureStartError when the command cannot be started.
std::string RunCommandCapture(const std::string& command_line);

}  // namespace corvalen
