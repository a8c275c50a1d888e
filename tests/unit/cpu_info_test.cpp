#include "probes/cpu_info.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <vector>

namespace corvalen {
namespace {

// A processor that answers CPUID from a register dump, and zeros for any
// leaf the dump lacks.
class FakeCpu {
 public:
  explicit FakeCpu(std::map<std::uint32_t, CpuidRegisters> leaves)
      : leaves_(std::move(leaves)) {}

  CpuidQuery Query() const {
    return [this](std::uint32_t leaf) {
      const auto it = leaves_.find(leaf);
      return it == leaves_.end() ? CpuidRegisters{} : it->second;
    };
  }

 private:
  std::map<std::uint32_t, CpuidRegisters> leaves_;
};

// Oxide virtual machine on an AMD Turin host.
const FakeCpu kAmdTurinVirtual({
    {0x00000000, {0x0000000D, 0x68747541, 0x444D4163, 0x69746E65}},
    {0x00000001, {0x00B00F21, 0xAEFE0800, 0xFED83203, 0x178BFBFF}},
    {0x80000002, {0x6469784F, 0x69562065, 0x61757472, 0x7554206C}},
    {0x80000003, {0x2D6E6972, 0x656B696C, 0x6F725020, 0x73736563}},
    {0x80000004, {0x2020726F, 0x20202020, 0x20202020, 0x00202020}},
});

// Intel Core i7-8700 (Coffee Lake).
const FakeCpu kIntelCoreI7_8700({
    {0x00000000, {0x00000016, 0x756E6547, 0x6C65746E, 0x49656E69}},
    {0x80000002, {0x65746E49, 0x2952286C, 0x726F4320, 0x4D542865}},
    {0x80000003, {0x37692029, 0x3037382D, 0x50432030, 0x20402055}},
    {0x80000004, {0x30322E33, 0x007A4847, 0x00000000, 0x00000000}},
});

// Intel Pentium 4, whose brand is right-aligned behind spaces.
const FakeCpu kIntelPentium4({
    {0x00000000, {0x00000002, 0x756E6547, 0x6C65746E, 0x49656E69}},
    {0x80000002, {0x20202020, 0x20202020, 0x20202020, 0x6E492020}},
    {0x80000003, {0x286C6574, 0x50202952, 0x69746E65, 0x52286D75}},
    {0x80000004, {0x20342029, 0x20555043, 0x30382E32, 0x007A4847}},
});

TEST(CpuVendorAndBrand, AmdTurinVirtual) {
  EXPECT_EQ(GetCpuVendor(kAmdTurinVirtual.Query()), "AuthenticAMD");
  EXPECT_EQ(GetCpuBrand(kAmdTurinVirtual.Query()),
            "Oxide Virtual Turin-like Processor             ");
}

TEST(CpuVendorAndBrand, IntelCoreI7_8700) {
  EXPECT_EQ(GetCpuVendor(kIntelCoreI7_8700.Query()), "GenuineIntel");
  EXPECT_EQ(GetCpuBrand(kIntelCoreI7_8700.Query()),
            "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz");
}

TEST(CpuVendorAndBrand, IntelPentium4KeepsTheLeadingSpaces) {
  EXPECT_EQ(GetCpuBrand(kIntelPentium4.Query()),
            "              Intel(R) Pentium(R) 4 CPU 2.80GHz");
}

TEST(CpuVendorAndBrand, ABrandWithoutAZeroByteKeepsAll48Characters) {
  const FakeCpu cpu({
      {0x80000002, {0x41414141, 0x42424242, 0x43434343, 0x44444444}},
      {0x80000003, {0x45454545, 0x46464646, 0x47474747, 0x48484848}},
      {0x80000004, {0x49494949, 0x4A4A4A4A, 0x4B4B4B4B, 0x4C4C4C4C}},
  });
  EXPECT_EQ(GetCpuBrand(cpu.Query()),
            "AAAABBBBCCCCDDDDEEEEFFFFGGGGHHHHIIIIJJJJKKKKLLLL");
}

TEST(CpuVendorAndBrand, AProcessorWithoutAnswersGivesEmptyTexts) {
  const FakeCpu none({});
  EXPECT_EQ(GetCpuVendor(none.Query()), "");
  EXPECT_EQ(GetCpuBrand(none.Query()), "");
}

TEST(MhzFromTicks, DividesTheTickCountBy50000) {
  struct Case {
    std::uint32_t first;
    std::uint32_t second;
    std::int32_t mhz;
  };
  const Case cases[] = {
      {0, 40'000'000, 800},
      {1'000, 1'000 + 49'999, 0},
      {7, 7, 0},
      {1'000, 1'000 + 104'999'999, 2099},
      // The low half wrapped between the readings.
      {0xFFFF0000u, 0xFFFF0000u + 40'000'000u, 800},
      {0xFFFFFFFFu, 39'999'999u, 800},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MhzFromTicks(c.first, c.second), c.mhz)
        << c.first << " -> " << c.second;
  }
}

TEST(WriteCpuInfo, MeasuresAfterTheFirstTwoLinesAreOut) {
  std::ostringstream out;
  std::vector<std::uint32_t> readings = {100, 100 + 40'000'000};
  std::string written_before_sleep;
  std::size_t next_reading = 0;
  const TickClock clock{[&] { return readings.at(next_reading++); },
                        [&] {
                          EXPECT_EQ(next_reading, 1u)
                              << "the sleep lies between the readings";
                          written_before_sleep = out.str();
                        }};
  WriteCpuInfo(out, kIntelCoreI7_8700.Query(), clock);
  EXPECT_EQ(written_before_sleep,
            "CPU manufacture: GenuineIntel\n"
            "CPU type: Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz\n");
  EXPECT_EQ(out.str(), written_before_sleep + "CPU main frequency: 800MHz\n");
}

}  // namespace
}  // namespace corvalen
