// Feeds arbitrary tool output to the decoder and checks what must hold for
// any input: no zero byte survives, a CR LF pair is left only where a lone CR
// stood before a translated pair (CR CR LF), and narrow text ends at its
// first Ctrl-Z.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "commands/capture.h"

namespace {

std::size_t Count(std::string_view text, std::string_view pattern) {
  std::size_t count = 0;
  for (std::size_t at = text.find(pattern); at != std::string_view::npos;
       at = text.find(pattern, at + 1)) {
    ++count;
  }
  return count;
}

void Require(bool holds) {
  if (!holds) std::abort();
}

// The text the text-mode rules act on: narrowed when it carries the UTF-16LE
// mark, without zero bytes, up to its first Ctrl-Z.
std::string TextBeforeCtrlZ(std::string_view raw) {
  std::string narrow;
  if (raw.substr(0, 2) == "\xFF\xFE") {
    std::u16string wide;
    for (std::size_t i = 2; i + 1 < raw.size(); i += 2) {
      wide +=
          static_cast<char16_t>(static_cast<unsigned char>(raw[i]) |
                                (static_cast<unsigned char>(raw[i + 1]) << 8));
    }
    narrow = corvalen::Utf8FromUtf16(wide);
  } else {
    narrow = std::string(raw);
  }
  std::string text;
  for (const char c : narrow) {
    if (c == '\x1A') break;
    if (c != '\0') text += c;
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  const std::string text =
      corvalen::DecodeCapturedOutput(raw, corvalen::Utf8FromUtf16);
  const std::string source = TextBeforeCtrlZ(raw);

  Require(text.find('\0') == std::string::npos);
  Require(text.find('\x1A') == std::string::npos);
  Require(Count(text, "\r\n") == Count(source, "\r\r\n"));
  // Every CR LF pair shrinks by one byte; nothing else changes length.
  Require(text.size() == source.size() - Count(source, "\r\n"));
  return 0;
}
