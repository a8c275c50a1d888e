#include <fstream>
#include <iostream>

#include "app/report.h"
#include "probes/memory_info.h"

namespace corvalen {

void PrintMemoryInfo() {
  std::ifstream meminfo("/proc/meminfo");
  std::optional<MemoryStatus> status;
  if (meminfo) status = ParseMeminfo(meminfo);
  WriteReportLine(std::cout, MemoryLine(status));
}

}  // namespace corvalen
