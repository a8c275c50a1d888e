#include <windows.h>

#include <iostream>

#include "app/report.h"
#include "probes/memory_info.h"

namespace corvalen {

void PrintMemoryInfo() {
  MEMORYSTATUSEX record;
  record.dwLength = sizeof record;
  std::optional<MemoryStatus> status;
  if (GlobalMemoryStatusEx(&record)) {
    status = MemoryStatus{record.ullTotalPhys, record.ullAvailPhys};
  }
  WriteReportLine(std::cout, MemoryLine(status));
}

}  // namespace corvalen
