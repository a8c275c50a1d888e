// The records the 32-bit executable shares with Windows' own DLLs must have
// the sizes those DLLs fill; a header change that moves them fails the build.
// winsock2.h must come before windows.h.
#include <winsock2.h>

#include <windows.h>

#include <iphlpapi.h>

static_assert(sizeof(OSVERSIONINFOW) == 276, "OSVERSIONINFOW layout");
static_assert(sizeof(MEMORYSTATUSEX) == 64, "MEMORYSTATUSEX layout");
static_assert(sizeof(IP_ADAPTER_INFO) == 648,
              "IP_ADAPTER_INFO layout: 64-bit time_t needed");
