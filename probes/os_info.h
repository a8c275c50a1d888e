#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace corvalen {

struct OsFacts {
  std::string name;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

// The display name of a Windows version pair, or the empty text for a pair
// the table does not know.
std::string OsNameFromVersion(std::uint32_t major, std::uint32_t minor);

// Writes the "os name: " and "os version: " lines.
void WriteOsInfo(std::ostream& out, const OsFacts& facts);

// Linux: the PRETTY_NAME of the os-release file below `root` (etc/os-release,
// else usr/lib/os-release), without its quotes; empty when neither file or the
// field exists.
std::string ReadOsPrettyName(const std::filesystem::path& root);

// The major and minor numbers at the start of a kernel release text such as
// "6.1.0-18-amd64"; a missing number reads as 0.
OsFacts KernelVersionFromRelease(std::string_view release);

// The operating-system section of this machine.
void PrintOsInfo();

}  // namespace corvalen
