#include <windows.h>

#include <iostream>

#include "probes/cpu_info.h"

namespace corvalen {

void PrintCpuInfo() {
  const TickClock clock{ReadTimestampCounterLow, [] { Sleep(50); }};
  WriteCpuInfo(std::cout, QueryCpuid, clock);
}

}  // namespace corvalen
