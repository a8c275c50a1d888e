// Starts the program named by its argument with no standard input handle at
// all, the Windows form of a closed standard input, and returns its exit
// status. Wine itself cannot start with its own descriptor 0 closed.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::wstring command_line = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process;
  if (!CreateProcessW(nullptr, &command_line[0], nullptr, nullptr, TRUE, 0,
                      nullptr, nullptr, &startup, &process)) {
    return 3;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 4;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(status);
}
