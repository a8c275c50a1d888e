#include "commands/wmic_fallback.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <set>

#include "commands/capture.h"

namespace corvalen {
namespace {

struct TableCase {
  const char* what;
  std::vector<std::u16string> values;
  std::u16string text;
};

TEST(WmicTableText, PadsEveryRowToTheWidestEntryPlusTwo) {
  const TableCase cases[] = {
      {"one instance",
       {u"BFEBFBFF000906EA"},
       u"ProcessorId       \r\nBFEBFBFF000906EA  \r\n\r\n"},
      {"several, in the order given",
       {u"AAAA", u"BB", u"C"},
       u"ProcessorId  \r\nAAAA         \r\nBB           \r\nC            \r\n"
       u"\r\n"},
      {"an empty value", {u""}, u"ProcessorId  \r\n             \r\n\r\n"},
      {"a value longer than its heading",
       {u"0123456789ABCDEF0123"},
       u"ProcessorId           \r\n0123456789ABCDEF0123  \r\n\r\n"},
      {"no instance at all", {}, u""},
  };
  for (const TableCase& c : cases) {
    EXPECT_EQ(WmicTableText(u"ProcessorId", c.values), c.text) << c.what;
  }
}

TEST(WmicTableText, DecodesLikeTheToolsOwnOutput) {
  const std::string text = DecodeCapturedOutput(
      Utf16LeWithMark(WmicTableText(u"SerialNumber", {u"S4X\u00C9", u""})),
      Utf8FromUtf16);
  EXPECT_EQ(text, "SerialNumber  \nS4X\xC3\x89          \n              \n\n");
}

class FindCommandLikeCmdTest : public ::testing::Test {
 protected:
  std::wstring Find(std::wstring_view current, std::wstring_view path,
                    std::wstring_view pathext) const {
    return FindCommandLikeCmd(L"wmic", current, path, pathext,
                              [this](const std::wstring& candidate) {
                                return files_.count(Lower(candidate)) != 0;
                              });
  }
  // Windows' file names ignore case.
  static std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
  }
  // The files that exist, in lower case.
  std::set<std::wstring> files_;
};

TEST_F(FindCommandLikeCmdTest, SearchesTheCurrentFolderThenThePathInOrder) {
  files_ = {L"c:\\windows\\system32\\wbem\\wmic.exe", L"d:\\tools\\wmic.bat"};
  const std::wstring path =
      L"C:\\Windows\\system32;\"D:\\tools\";C:\\Windows\\system32\\wbem\\";
  EXPECT_EQ(Find(L"C:\\Windows\\system32", path, L".COM;.EXE;.BAT"),
            L"D:\\tools\\wmic.BAT");
  files_.insert(L"c:\\windows\\system32\\wmic.cmd");
  EXPECT_EQ(Find(L"C:\\Windows\\system32", path, L".COM;.EXE;.BAT;.CMD"),
            L"C:\\Windows\\system32\\wmic.CMD");
}

TEST_F(FindCommandLikeCmdTest, TriesTheExtensionsOfPathextInOrder) {
  files_ = {L"c:\\bin\\wmic.bat", L"c:\\bin\\wmic.exe"};
  EXPECT_EQ(Find(L"", L"C:\\bin", L".COM;.EXE;.BAT"), L"C:\\bin\\wmic.EXE");
  EXPECT_EQ(Find(L"", L"C:\\bin", L".bat;.exe"), L"C:\\bin\\wmic.bat");
  // Without PATHEXT, cmd.exe's own list applies.
  EXPECT_EQ(Find(L"", L"C:\\bin", L""), L"C:\\bin\\wmic.EXE");
  // An extension PATHEXT does not name is not run.
  EXPECT_EQ(Find(L"", L"C:\\bin", L".COM"), L"");
}

TEST_F(FindCommandLikeCmdTest, FindsNothingWhereWmicIsGone) {
  files_ = {L"c:\\windows\\system32\\cmd.exe"};
  EXPECT_EQ(Find(L"C:\\Windows\\system32",
                 L";;C:\\Windows\\system32;C:\\Windows\\system32\\wbem;",
                 L".COM;.EXE;.BAT;.CMD"),
            L"");
}

}  // namespace
}  // namespace corvalen
