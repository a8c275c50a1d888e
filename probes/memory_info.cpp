#include "probes/memory_info.h"

#include <iostream>
#include <sstream>

#include "app/report.h"

namespace corvalen {

double GibFromBytes(std::uint64_t bytes) {
  const auto whole = static_cast<double>(bytes >> 30);
  const std::uint64_t rest = bytes & ((std::uint64_t{1} << 30) - 1);
  const double fraction =
      rest == 0 ? 0.0 : static_cast<double>(rest >> 20) * 0.0009765625;
  return whole + fraction;
}

std::string FormatGibTwoDecimals(double gib) {
  // gib * 1024 is a whole number below 2^44, so the product is exact, and
  // mib / 1024 rounded half up to hundredths is floor((mib * 100 + 512) /
  // 1024), far inside 64 bits.
  const auto mib = static_cast<std::uint64_t>(gib * 1024);
  const std::uint64_t hundredths = (mib * 100 + 512) / 1024;
  const std::uint64_t cents = hundredths % 100;
  std::string text = std::to_string(hundredths / 100);
  text += '.';
  text += static_cast<char>('0' + cents / 10);
  text += static_cast<char>('0' + cents % 10);
  return text;
}

std::string MemoryLine(const std::optional<MemoryStatus>& status) {
  if (!status) return "";
  return "total " + FormatGibTwoDecimals(GibFromBytes(status->total_bytes)) +
         " GB (" + FormatGibTwoDecimals(GibFromBytes(status->available_bytes)) +
         " GB available)";
}

std::optional<MemoryStatus> ParseMeminfo(std::istream& meminfo) {
  std::optional<std::uint64_t> total_kib;
  std::optional<std::uint64_t> available_kib;
  std::string line;
  while (std::getline(meminfo, line)) {
    std::istringstream fields(line);
    std::string key;
    std::uint64_t kib = 0;
    if (!(fields >> key >> kib)) continue;
    if (key == "MemTotal:") total_kib = kib;
    if (key == "MemAvailable:") available_kib = kib;
  }
  if (!total_kib || !available_kib) return std::nullopt;
  return MemoryStatus{*total_kib * 1024, *available_kib * 1024};
}

void WriteMemoryInfo(std::ostream& out, const MemoryQuery& query) {
  WriteReportLine(out, MemoryLine(query()));
}

void PrintMemoryInfo() { WriteMemoryInfo(std::cout, QueryMemoryStatus); }

}  // namespace corvalen
