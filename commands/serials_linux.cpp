#include <algorithm>
#include <fstream>
#include <iostream>
#include <vector>

#include "commands/serials.h"

namespace corvalen {

namespace {

std::string Trimmed(const std::string& text) {
  constexpr const char* kBlank = " \t\r\n";
  const std::size_t first = text.find_first_not_of(kBlank);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

// The first line of a small file, trimmed; empty when it cannot be read.
std::string ReadFirstLine(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return Trimmed(line);
}

// udev's short serial for the block device numbered "major:minor".
std::string UdevShortSerial(const std::filesystem::path& root,
                            const std::string& device_number) {
  if (device_number.empty()) return "";
  std::ifstream in(root / "run/udev/data" / ("b" + device_number));
  constexpr std::string_view kKey = "E:ID_SERIAL_SHORT=";
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, kKey.size(), kKey) == 0) {
      return Trimmed(line.substr(kKey.size()));
    }
  }
  return "";
}

std::string DiskSerial(const std::filesystem::path& root,
                       const std::filesystem::path& disk) {
  std::string serial = UdevShortSerial(root, ReadFirstLine(disk / "dev"));
  if (serial.empty()) serial = ReadFirstLine(disk / "serial");
  if (serial.empty()) serial = ReadFirstLine(disk / "device" / "serial");
  return serial;
}

bool IsVirtualBlockDevice(const std::filesystem::path& entry) {
  std::error_code error;
  const std::string target =
      std::filesystem::read_symlink(entry, error).generic_string();
  return target.find("devices/virtual/") != std::string::npos;
}

}  // namespace

std::string DiskSerialText(const std::filesystem::path& root) {
  std::vector<std::filesystem::path> disks;
  std::error_code error;
  for (std::filesystem::directory_iterator it(root / "sys/block", error), end;
       !error && it != end; it.increment(error)) {
    if (!IsVirtualBlockDevice(it->path())) disks.push_back(it->path());
  }
  std::sort(disks.begin(), disks.end());
  std::string text = "SerialNumber\n";
  for (const std::filesystem::path& disk : disks) {
    text += DiskSerial(root, disk);
    text += '\n';
  }
  return text;
}

void PrintCpuIdSerial() {
  WriteCpuIdSerial(std::cout, HasCpuid() ? ProcessorIdText(QueryCpuid(1)) : "");
}

void PrintDiskSerial() { WriteDiskSerial(std::cout, DiskSerialText("/")); }

}  // namespace corvalen
