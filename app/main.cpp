#include <iostream>

#include "app/report.h"
#include "commands/serials.h"
#include "probes/cpu_info.h"
#include "probes/memory_info.h"
#include "probes/network_info.h"
#include "probes/os_info.h"

// Arguments are accepted and ignored: the report is always the same.
int main() {
  using namespace corvalen;
  const ReportSections sections{
      PrintOsInfo,     PrintCpuInfo,     PrintCpuIdSerial, PrintMemoryInfo,
      PrintDiskSerial, PrintNetworkInfo, PauseForKeyPress,
  };
  return RunReport(std::cout, std::cerr, sections);
}
