#include "commands/capture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace corvalen {
namespace {

using namespace std::string_literals;

struct DecodeCase {
  const char* what;
  std::string raw;
  std::string text;
};

TEST(DecodeCapturedOutput, AppliesTextModeToNarrowAndUtf16Output) {
  const DecodeCase cases[] = {
      {"empty", "", ""},
      {"two CR LF lines", "ProcessorId\r\nBFEBFBFF000906EA\r\n",
       "ProcessorId\nBFEBFBFF000906EA\n"},
      {"a lone CR stays", "a\rb\r\n\r", "a\rb\n\r"},
      {"CR CR LF keeps one CR", "SerialNumber\r\r\n", "SerialNumber\r\n"},
      {"Ctrl-Z ends the text", "before\x1A after\r\n", "before"},
      {"300-character line", std::string(300, 'x') + "\r\n",
       std::string(300, 'x') + "\n"},
      {"zero bytes are dropped", "ab\0cd\r\0\nef"s, "abcd\nef"},
      {"UTF-16LE ASCII", "\xFF\xFEO\0K\0\r\0\n\0"s, "OK\n"},
      {"UTF-16LE non-ASCII",
       "\xFF\xFE"
       "A\0\xE9\0\r\0\n\0"s,
       "A\xC3\xA9\n"},
      {"UTF-16LE odd trailing byte", "\xFF\xFEH\0i\0\n"s, "Hi"},
      {"UTF-16LE Ctrl-Z",
       "\xFF\xFE"
       "a\0\x1A\0"
       "b\0"s,
       "a"},
      {"a lone FF is narrow", "\xFFz", "\xFFz"},
  };
  for (const DecodeCase& c : cases) {
    EXPECT_EQ(DecodeCapturedOutput(c.raw, Utf8FromUtf16), c.text) << c.what;
  }
}

TEST(DecodeCapturedOutput, HandsUtf16ToTheNarrowingWithoutItsMark) {
  std::u16string seen;
  const std::string text = DecodeCapturedOutput(
      "\xFF\xFE\x34\x12X\0"s, [&seen](std::u16string_view wide) {
        seen = wide;
        return std::string("narrow");
      });
  EXPECT_EQ(seen, u"\x1234X");
  EXPECT_EQ(text, "narrow");
}

TEST(Utf8FromUtf16, EncodesEveryPlaneAndReplacesLoneSurrogates) {
  EXPECT_EQ(Utf8FromUtf16(u"A\u00E9\u4E2D\U0001F600"),
            "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8FromUtf16(std::u16string(1, char16_t{0xD800}) + u"x"), "?x");
}

TEST(ReadWholeStream, StopsAtAReadErrorWithWhatItHas) {
  // Reading a directory fails at once: the loop must end, not spin.
  std::FILE* directory = std::fopen("/", "r");
  ASSERT_NE(directory, nullptr);
  EXPECT_EQ(ReadWholeStream(directory), "");
  EXPECT_TRUE(std::ferror(directory));
  std::fclose(directory);
}

TEST(RunCommandCapture, ReturnsStandardOutputDecoded) {
  const std::pair<const char*, std::string> cases[] = {
      {"true", ""},
      {"printf 'one\\r\\ntwo\\r\\n'", "one\ntwo\n"},
      {"printf '%0300d\\n' 0", std::string(300, '0') + "\n"},
      {"echo only-on-stderr >&2", ""},
      {"printf 'big\\n'; head -c 100000 /dev/zero | tr '\\0' y",
       "big\n" + std::string(100000, 'y')},
  };
  for (const auto& [command, text] : cases) {
    EXPECT_EQ(RunCommandCapture(command), text) << command;
  }
}

}  // namespace
}  // namespace corvalen
