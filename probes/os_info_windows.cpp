#include <windows.h>

#include <iostream>

#include "probes/os_info.h"

namespace corvalen {

void PrintOsInfo() {
  // The basic record, not the extended one: its size tells the system which
  // layout to fill. A failed query leaves zeros, which read as version 0.0.
  OSVERSIONINFOW info;
  ZeroMemory(&info, sizeof info);
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExW(&info);
  WriteOsInfo(std::cout,
              {OsNameFromVersion(info.dwMajorVersion, info.dwMinorVersion),
               info.dwMajorVersion, info.dwMinorVersion});
}

}  // namespace corvalen
