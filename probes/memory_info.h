#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace corvalen {

struct MemoryStatus {
  std::uint64_t total_bytes = 0;
  std::uint64_t available_bytes = 0;
};

// Gibibytes in whole mebibytes: the bytes below a whole mebibyte never count.
double GibFromBytes(std::uint64_t bytes);

// A count of gibibytes as GibFromBytes gives it (a whole number of 1/1024
// parts) with two decimals, an exact half rounded up. The rounding is done in
// integers: the C runtimes' "%.2f" rounds halves to even.
std::string FormatGibTwoDecimals(double gib);

// "total X GB (Y GB available)", or the empty text when the query failed.
std::string MemoryLine(const std::optional<MemoryStatus>& status);

// Total and available memory from the text of /proc/meminfo (MemTotal and
// MemAvailable, in kB); nothing when either is missing.
std::optional<MemoryStatus> ParseMeminfo(std::istream& meminfo);

// Asks the system for its memory; nothing when the query fails.
using MemoryQuery = std::function<std::optional<MemoryStatus>()>;
std::optional<MemoryStatus> QueryMemoryStatus();

// Writes the memory section's one line from the query's answer.
void WriteMemoryInfo(std::ostream& out, const MemoryQuery& query);

// The memory section of this machine.
void PrintMemoryInfo();

}  // namespace corvalen
