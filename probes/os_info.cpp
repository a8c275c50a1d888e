#include "probes/os_info.h"

#include "app/report.h"

namespace corvalen {

std::string OsNameFromVersion(std::uint32_t major, std::uint32_t minor) {
  if (major == 5) {
    switch (minor) {
      case 0:
        return "Windows 2000";
      case 1:
        return "Windows XP";
      case 2:
        return "Windows 2003";
    }
  } else if (major == 6) {
    switch (minor) {
      case 0:
        return "windows vista";
      case 1:
        return "windows 7";
      case 2:
        return "windows 10";
    }
  }
  return "";
}

void WriteOsInfo(std::ostream& out, const OsFacts& facts) {
  WriteReportLine(out, "os name: ", facts.name);
  WriteReportLine(out, "os version: ", facts.major, ".", facts.minor);
}

OsFacts KernelVersionFromRelease(std::string_view release) {
  OsFacts facts;
  std::size_t i = 0;
  auto read_number = [&]() {
    std::uint32_t number = 0;
    while (i < release.size() && release[i] >= '0' && release[i] <= '9') {
      number = number * 10 + static_cast<std::uint32_t>(release[i] - '0');
      ++i;
    }
    return number;
  };
  facts.major = read_number();
  if (i < release.size() && release[i] == '.') {
    ++i;
    facts.minor = read_number();
  }
  return facts;
}

}  // namespace corvalen
