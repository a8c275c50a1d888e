#include <windows.h>

#include <iostream>
#include <vector>

#include "commands/capture.h"
#include "commands/serials.h"
#include "commands/system_folder_windows.h"
#include "commands/wmic_fallback.h"

namespace corvalen {

namespace {

std::wstring EnvironmentValue(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return L"";
  std::vector<wchar_t> value(size);
  const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
  if (length == 0 || length >= size) return L"";
  return std::wstring(value.data(), length);
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Tool commands start in the system folder (see RunCommandCapture), so cmd
// looks there first and then along the PATH.
bool WmicCanBeFound() {
  return !FindCommandLikeCmd(L"wmic", SystemFolder(), EnvironmentValue(L"PATH"),
                             EnvironmentValue(L"PATHEXT"), IsFile)
              .empty();
}

// What wmic prints for `command_line`, from the tool itself when it is
// there, else built from WMI's own answer to the same question.
std::string ToolText(const char* command_line, std::u16string_view wql,
                     std::u16string_view property,
                     std::u16string_view heading) {
  if (WmicCanBeFound()) return RunCommandCapture(command_line);
  const std::optional<std::vector<std::u16string>> values =
      QueryWmiProperty(wql, property);
  if (!values) return "";
  return DecodeToolOutput(Utf16LeWithMark(WmicTableText(heading, *values)));
}

}  // namespace

void PrintCpuIdSerial() {
  WriteCpuIdSerial(
      std::cout,
      ToolText(kProcessorIdCommand, u"SELECT ProcessorId FROM Win32_Processor",
               u"ProcessorId", u"ProcessorId"));
}

void PrintDiskSerial() {
  WriteDiskSerial(std::cout,
                  ToolText(kDiskSerialCommand,
                           u"SELECT SerialNumber FROM Win32_PhysicalMedia",
                           u"SerialNumber", u"SerialNumber"));
}

}  // namespace corvalen
