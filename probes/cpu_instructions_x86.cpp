#include <cpuid.h>
#include <x86intrin.h>

#include "probes/cpu_info.h"

namespace corvalen {

bool HasCpuid() { return __get_cpuid_max(0, nullptr) != 0; }

CpuidRegisters QueryCpuid(std::uint32_t leaf) {
  // The leaves asked for take no sub-leaf; ECX carries the leaf number as it
  // would if it were never cleared.
  CpuidRegisters registers;
  __cpuid_count(leaf, leaf, registers.eax, registers.ebx, registers.ecx,
                registers.edx);
  return registers;
}

std::uint32_t ReadTimestampCounterLow() {
  return static_cast<std::uint32_t>(__rdtsc());
}

}  // namespace corvalen
