#include "probes/cpu_info.h"

#include "app/report.h"

namespace corvalen {

namespace {

// Appends a register's four bytes in memory order, lowest byte first, as the
// processor defines its texts.
void AppendRegisterBytes(std::string& text, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    text += static_cast<char>((value >> shift) & 0xFF);
  }
}

// The text ends at its first zero byte, as a C string would.
std::string UpToFirstZero(const std::string& bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

std::string GetCpuVendor(const CpuidQuery& cpuid) {
  const CpuidRegisters leaf0 = cpuid(0);
  std::string bytes;
  AppendRegisterBytes(bytes, leaf0.ebx);
  AppendRegisterBytes(bytes, leaf0.edx);
  AppendRegisterBytes(bytes, leaf0.ecx);
  return UpToFirstZero(bytes);
}

std::string GetCpuBrand(const CpuidQuery& cpuid) {
  std::string bytes;
  for (std::uint32_t i = 0; i < 3; ++i) {
    const CpuidRegisters leaf = cpuid(0x80000002u + i);
    AppendRegisterBytes(bytes, leaf.eax);
    AppendRegisterBytes(bytes, leaf.ebx);
    AppendRegisterBytes(bytes, leaf.ecx);
    AppendRegisterBytes(bytes, leaf.edx);
  }
  return UpToFirstZero(bytes);
}

std::int32_t MhzFromTicks(std::uint32_t first, std::uint32_t second) {
  // 50000 ticks in 50 ms make one MHz.
  const auto ticks = static_cast<std::int32_t>(second - first);
  return ticks / 50000;
}

std::int32_t MeasureCpuMhz(const TickClock& clock) {
  const std::uint32_t first = clock.read_counter_low();
  clock.sleep_50_ms();
  const std::uint32_t second = clock.read_counter_low();
  return MhzFromTicks(first, second);
}

void WriteCpuInfo(std::ostream& out, const CpuidQuery& cpuid,
                  const TickClock& clock) {
  WriteReportLine(out, "CPU manufacture: ", GetCpuVendor(cpuid));
  WriteReportLine(out, "CPU type: ", GetCpuBrand(cpuid));
  WriteReportLine(out, "CPU main frequency: ", MeasureCpuMhz(clock), "MHz");
}

}  // namespace corvalen
