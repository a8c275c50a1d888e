#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

namespace corvalen {

// The four result registers of one CPUID leaf.
struct CpuidRegisters {
  std::uint32_t eax = 0;
  std::uint32_t ebx = 0;
  std::uint32_t ecx = 0;
  std::uint32_t edx = 0;
};

// Answers CPUID for one leaf; the processor itself, or a recorded one in
// tests.
using CpuidQuery = std::function<CpuidRegisters(std::uint32_t leaf)>;

// The time-stamp counter and the sleep that the clock estimate counts
// across.
struct TickClock {
  std::function<std::uint32_t()> read_counter_low;
  std::function<void()> sleep_50_ms;
};

// The processor's own instructions. Where there is no CPUID, every leaf
// answers zeros and the counter reads 0.
bool HasCpuid();
CpuidRegisters QueryCpuid(std::uint32_t leaf);
std::uint32_t ReadTimestampCounterLow();

// The twelve-character vendor identification of leaf 0.
std::string GetCpuVendor(const CpuidQuery& cpuid);

// The brand text of leaves 0x80000002 to 0x80000004, up to 48 characters,
// leading spaces kept.
std::string GetCpuBrand(const CpuidQuery& cpuid);

// MHz from two low counter readings taken 50 ms apart; the 32-bit difference
// stays right across a wrap of the counter's low half.
std::int32_t MhzFromTicks(std::uint32_t first, std::uint32_t second);

std::int32_t MeasureCpuMhz(const TickClock& clock);

// Writes the vendor, brand and clock lines; the clock is measured only after
// the first two lines are out.
void WriteCpuInfo(std::ostream& out, const CpuidQuery& cpuid,
                  const TickClock& clock);

// The processor section of this machine.
void PrintCpuInfo();

}  // namespace corvalen
