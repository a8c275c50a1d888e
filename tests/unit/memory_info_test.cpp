#include "probes/memory_info.h"

#include <gtest/gtest.h>

#include <sstream>

namespace corvalen {
namespace {

constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;

struct MemoryCase {
  std::uint64_t bytes;
  double gib;
  const char* text;
};

TEST(MemoryAmounts, TruncateToWholeMebibytesAndRoundHalvesUp) {
  const MemoryCase cases[] = {
      {16 * kGiB, 16.0, "16.00"},
      {8 * kGiB - 1, 7.9990234375, "8.00"},
      {15 * kGiB + 904 * kMiB + kMiB / 2, 15.8828125, "15.88"},
      {kMiB - 1, 0.0, "0.00"},
      {15 * kGiB + 640 * kMiB, 15.625, "15.63"},
      {128 * kMiB, 0.125, "0.13"},
      {384 * kMiB, 0.375, "0.38"},
      {1 * kGiB + 896 * kMiB, 1.875, "1.88"},
      {0, 0.0, "0.00"},
      {UINT64_MAX, 17179869183.9990234375, "17179869184.00"},
  };
  for (const MemoryCase& c : cases) {
    EXPECT_EQ(GibFromBytes(c.bytes), c.gib) << c.bytes;
    EXPECT_EQ(FormatGibTwoDecimals(GibFromBytes(c.bytes)), c.text) << c.bytes;
  }
}

TEST(MemoryLine, NamesTotalThenAvailable) {
  EXPECT_EQ(MemoryLine(MemoryStatus{4 * kGiB, kGiB + 512 * kMiB}),
            "total 4.00 GB (1.50 GB available)");
}

TEST(MemoryLine, IsEmptyWhenTheQueryFailed) {
  EXPECT_EQ(MemoryLine(std::nullopt), "");
}

TEST(ParseMeminfo, TakesMemTotalAndMemAvailableInKibibytes) {
  std::istringstream meminfo(
      "MemTotal:       16318048 kB\n"
      "MemFree:         1221640 kB\n"
      "MemAvailable:    9460768 kB\n"
      "Buffers:          500000 kB\n");
  const std::optional<MemoryStatus> status = ParseMeminfo(meminfo);
  ASSERT_TRUE(status);
  EXPECT_EQ(status->total_bytes, 16318048ull * 1024);
  EXPECT_EQ(status->available_bytes, 9460768ull * 1024);
}

TEST(ParseMeminfo, FailsWhenAFieldIsMissing) {
  std::istringstream no_available("MemTotal: 16318048 kB\nMemFree: 1 kB\n");
  EXPECT_FALSE(ParseMeminfo(no_available));
  std::istringstream no_total("MemAvailable: 9460768 kB\n");
  EXPECT_FALSE(ParseMeminfo(no_total));
  std::istringstream empty("");
  EXPECT_FALSE(ParseMeminfo(empty));
}

}  // namespace
}  // namespace corvalen
