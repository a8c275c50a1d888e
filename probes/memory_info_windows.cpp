#include <windows.h>

#include "probes/memory_info.h"

namespace corvalen {

std::optional<MemoryStatus> QueryMemoryStatus() {
  MEMORYSTATUSEX record;
  record.dwLength = sizeof record;
  if (!GlobalMemoryStatusEx(&record)) return std::nullopt;
  return MemoryStatus{record.ullTotalPhys, record.ullAvailPhys};
}

}  // namespace corvalen
