#include <chrono>
#include <iostream>
#include <thread>

#include "probes/cpu_info.h"

namespace corvalen {

void PrintCpuInfo() {
  const TickClock clock{
      ReadTimestampCounterLow,
      [] { std::this_thread::sleep_for(std::chrono::milliseconds(50)); }};
  WriteCpuInfo(std::cout, QueryCpuid, clock);
}

}  // namespace corvalen
