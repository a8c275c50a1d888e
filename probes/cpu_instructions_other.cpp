#include "probes/cpu_info.h"

namespace corvalen {

// Processors without CPUID and RDTSC give empty texts and an estimate of 0.
bool HasCpuid() { return false; }

CpuidRegisters QueryCpuid(std::uint32_t) { return {}; }

std::uint32_t ReadTimestampCounterLow() { return 0; }

}  // namespace corvalen
