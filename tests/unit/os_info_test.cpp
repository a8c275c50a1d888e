#include "probes/os_info.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/unit/temp_tree.h"

namespace corvalen {
namespace {

struct VersionName {
  std::uint32_t major;
  std::uint32_t minor;
  const char* name;
};

TEST(OsNameFromVersion, NamesExactlyTheSixKnownPairs) {
  const VersionName cases[] = {
      {5, 0, "Windows 2000"},
      {5, 1, "Windows XP"},
      {5, 2, "Windows 2003"},
      {6, 0, "windows vista"},
      {6, 1, "windows 7"},
      {6, 2, "windows 10"},
      {5, 3, ""},
      {6, 3, ""},
      {10, 0, ""},
      {0, 0, ""},
      {4, 0, ""},
      {7, 1, ""},
  };
  for (const VersionName& c : cases) {
    EXPECT_EQ(OsNameFromVersion(c.major, c.minor), c.name)
        << c.major << "." << c.minor;
  }
}

TEST(WriteOsInfo, WritesTheNameAndTheVersionLines) {
  std::ostringstream out;
  WriteOsInfo(out, {OsNameFromVersion(6, 2), 6, 2});
  WriteOsInfo(out, {OsNameFromVersion(10, 0), 10, 0});
  EXPECT_EQ(out.str(),
            "os name: windows 10\nos version: 6.2\n"
            "os name: \nos version: 10.0\n");
}

TEST(KernelVersionFromRelease, ReadsMajorAndMinor) {
  const OsFacts facts = KernelVersionFromRelease("6.1.0-18-amd64");
  EXPECT_EQ(facts.major, 6u);
  EXPECT_EQ(facts.minor, 1u);
  const OsFacts bare = KernelVersionFromRelease("5");
  EXPECT_EQ(bare.major, 5u);
  EXPECT_EQ(bare.minor, 0u);
}

class OsReleaseTest : public ::testing::Test {
 protected:
  TempTree tree_;
};

TEST_F(OsReleaseTest, RemovesDoubleAndSingleQuotesAndTakesUnquotedValues) {
  const std::pair<const char*, const char*> cases[] = {
      {"PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n",
       "Debian GNU/Linux 12 (bookworm)"},
      {"NAME=x\nPRETTY_NAME='Alpine Linux v3.19'\nID=alpine\n",
       "Alpine Linux v3.19"},
      {"PRETTY_NAME=Arch\n", "Arch"},
      {"PRETTY_NAME=\"Say \\\"hi\\\"\"\n", "Say \"hi\""},
      {"NAME=\"Debian\"\nID=debian\n", ""},
  };
  for (const auto& [content, name] : cases) {
    tree_.Write("etc/os-release", content);
    EXPECT_EQ(ReadOsPrettyName(tree_.root()), name) << content;
  }
}

TEST_F(OsReleaseTest, FallsBackToUsrLibAndIsEmptyWithoutEither) {
  EXPECT_EQ(ReadOsPrettyName(tree_.root()), "");
  tree_.Write("usr/lib/os-release", "PRETTY_NAME=\"Fallback OS\"\n");
  EXPECT_EQ(ReadOsPrettyName(tree_.root()), "Fallback OS");
  tree_.Write("etc/os-release", "PRETTY_NAME=\"Primary OS\"\n");
  EXPECT_EQ(ReadOsPrettyName(tree_.root()), "Primary OS");
}

}  // namespace
}  // namespace corvalen
