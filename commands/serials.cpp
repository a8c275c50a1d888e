#include "commands/serials.h"

#include <cstdio>

#include "app/report.h"

namespace corvalen {

void WriteCpuIdSerial(std::ostream& out, const std::string& text) {
  WriteReportLine(out, "Cpu id Serial Number:", text);
}

void WriteDiskSerial(std::ostream& out, const std::string& text) {
  WriteReportLine(out, "HardDisk Serial Number: ", text);
}

std::string ProcessorIdText(const CpuidRegisters& leaf1) {
  char digits[17] = {};
  std::snprintf(digits, sizeof digits, "%08X%08X",
                static_cast<unsigned>(leaf1.edx),
                static_cast<unsigned>(leaf1.eax));
  return std::string("ProcessorId\n") + digits + "\n";
}

}  // namespace corvalen
