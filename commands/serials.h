#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "probes/cpu_info.h"

namespace corvalen {

inline constexpr char kProcessorIdCommand[] = "wmic cpu get processorid";
inline constexpr char kDiskSerialCommand[] =
    "wmic path win32_physicalmedia get SerialNumber";

// The label and the tool's text, whole: its first line shares the label's
// line.
void WriteCpuIdSerial(std::ostream& out, const std::string& text);
void WriteDiskSerial(std::ostream& out, const std::string& text);

// The processor id as wmic prints it: a heading line, then CPUID leaf 1's
// EDX and EAX as 16 upper-case hexadecimal digits.
std::string ProcessorIdText(const CpuidRegisters& leaf1);

// Linux: the disk serials as wmic prints them: a heading line, then one line
// per physical disk below `root`/sys/block, in name order. Virtual block
// devices (loop, RAM, zram) are not disks.
std::string DiskSerialText(const std::filesystem::path& root);

// The two sections of this machine.
void PrintCpuIdSerial();
void PrintDiskSerial();

}  // namespace corvalen
