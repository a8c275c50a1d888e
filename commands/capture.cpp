#include "commands/capture.h"

#include <algorithm>

namespace corvalen {

std::string Utf8FromUtf16(std::u16string_view wide) {
  std::string text;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t code = wide[i];
    if (code >= 0xD800 && code <= 0xDBFF && i + 1 < wide.size() &&
        wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      ++i;
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = '?';
    }
    if (code < 0x80) {
      text += static_cast<char>(code);
    } else if (code < 0x800) {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      text += static_cast<char>(0xE0 | (code >> 12));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (code >> 18));
      text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return text;
}

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

std::string NarrowFromUtf16Le(std::string_view bytes,
                              const WideToNarrow& to_narrow) {
  std::u16string wide(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<char16_t>(
        static_cast<unsigned char>(bytes[2 * i]) |
        (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return to_narrow(wide);
}

}  // namespace

std::string DecodeCapturedOutput(std::string_view raw,
                                 const WideToNarrow& to_narrow) {
  std::string narrow;
  if (raw.substr(0, kUtf16LeMark.size()) == kUtf16LeMark) {
    narrow = NarrowFromUtf16Le(raw.substr(kUtf16LeMark.size()), to_narrow);
  } else {
    narrow = std::string(raw);
  }
  // Zero bytes go first, so that a CR and an LF they separated still pair.
  narrow.erase(std::remove(narrow.begin(), narrow.end(), '\0'), narrow.end());
  std::string text;
  text.reserve(narrow.size());
  for (std::size_t i = 0; i < narrow.size(); ++i) {
    const char c = narrow[i];
    if (c == '\x1A') break;
    if (c == '\r' && i + 1 < narrow.size() && narrow[i + 1] == '\n') continue;
    text += c;
  }
  return text;
}

std::string ReadWholeStream(std::FILE* stream) {
  std::string text;
  char chunk[4096];
  for (;;) {
    const std::size_t count = std::fread(chunk, 1, sizeof chunk, stream);
    text.append(chunk, count);
    // A short read means the end of the output or an error; either way
    // nothing more will come.
    if (count < sizeof chunk) break;
  }
  return text;
}

}  // namespace corvalen
