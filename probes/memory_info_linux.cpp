#include <fstream>

#include "probes/memory_info.h"

namespace corvalen {

std::optional<MemoryStatus> QueryMemoryStatus() {
  std::ifstream meminfo("/proc/meminfo");
  if (!meminfo) return std::nullopt;
  return ParseMeminfo(meminfo);
}

}  // namespace corvalen
