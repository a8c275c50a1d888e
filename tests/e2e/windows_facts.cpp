// The facts the Windows API gives, through other calls than the report's
// where there are any, for the end-to-end scripts to compare with.
// winsock2.h must come before windows.h.
#include <winsock2.h>

#include <windows.h>

#include <iphlpapi.h>
#include <ws2tcpip.h>

#include <cstdio>
#include <vector>

#include "tests/e2e/cpuid_facts.h"

static void PrintMemoryFacts() {
  MEMORYSTATUSEX status;
  status.dwLength = sizeof status;
  if (GlobalMemoryStatusEx(&status)) {
    std::printf("total_bytes=%llu\n",
                static_cast<unsigned long long>(status.ullTotalPhys));
  }
}

static void PrintFirstAdapterFacts() {
  ULONG size = 0;
  GetAdaptersInfo(nullptr, &size);
  std::vector<unsigned char> buffer(size + 1);
  auto* info = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
  if (size == 0 || GetAdaptersInfo(info, &size) != NO_ERROR) {
    std::printf("adapter=none\n");
    return;
  }
  std::printf("adapter_name=%s\n", info->AdapterName);
  std::printf("adapter_description=%s\n", info->Description);
  for (IP_ADDR_STRING* ip = &info->IpAddressList; ip; ip = ip->Next) {
    std::printf("adapter_ip=%s\n", ip->IpAddress.String);
  }
  std::printf("adapter_mac=");
  for (UINT i = 0; i < info->AddressLength && i < 6; ++i) {
    std::printf(i ? ":%02x" : "%02x", info->Address[i]);
  }
  std::printf("\n");
}

int main() {
  PrintCpuidFacts();
  PrintMemoryFacts();
  PrintFirstAdapterFacts();
}
