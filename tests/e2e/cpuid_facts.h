#pragma once

// What the processor says through CPUID, printed as "key=value" lines for
// the end-to-end scripts to compare the report with.
#include <cpuid.h>

#include <cstdio>
#include <cstring>

inline void PrintCpuidFacts() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  char vendor[13] = {};
  __cpuid(0, a, b, c, d);
  std::memcpy(vendor, &b, 4);
  std::memcpy(vendor + 4, &d, 4);
  std::memcpy(vendor + 8, &c, 4);
  std::printf("vendor=%s\n", vendor);
  char brand[49] = {};
  for (unsigned i = 0; i < 3; ++i) {
    __cpuid(0x80000002u + i, a, b, c, d);
    const unsigned words[4] = {a, b, c, d};
    std::memcpy(brand + 16 * i, words, 16);
  }
  std::printf("brand=%s\n", brand);
  __cpuid(1, a, b, c, d);
  std::printf("processor_id=%08X%08X\n", d, a);
}
