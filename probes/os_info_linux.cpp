#include <sys/utsname.h>

#include <fstream>
#include <iostream>

#include "probes/os_info.h"

namespace corvalen {

namespace {

// Removes the shell quoting of one os-release value: the enclosing quotes and
// the backslash escapes allowed inside double quotes.
std::string UnquoteOsReleaseValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    const char quote = value.front();
    value = value.substr(1, value.size() - 2);
    if (quote == '\'') return std::string(value);
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
      if (value[i] == '\\' && i + 1 < value.size()) ++i;
      text += value[i];
    }
    return text;
  }
  return std::string(value);
}

}  // namespace

std::string ReadOsPrettyName(const std::filesystem::path& root) {
  for (const char* file : {"etc/os-release", "usr/lib/os-release"}) {
    std::ifstream in(root / file);
    if (!in) continue;
    std::string name;
    std::string line;
    while (std::getline(in, line)) {
      constexpr std::string_view kKey = "PRETTY_NAME=";
      if (line.compare(0, kKey.size(), kKey) == 0) {
        name =
            UnquoteOsReleaseValue(std::string_view(line).substr(kKey.size()));
      }
    }
    return name;
  }
  return "";
}

void PrintOsInfo() {
  struct utsname names {};
  OsFacts facts;
  if (uname(&names) == 0) facts = KernelVersionFromRelease(names.release);
  facts.name = ReadOsPrettyName("/");
  WriteOsInfo(std::cout, facts);
}

}  // namespace corvalen
