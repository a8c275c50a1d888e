#include <windows.h>

#include <cstdio>
#include <vector>

#include "commands/capture.h"
#include "commands/system_folder_windows.h"

namespace corvalen {

namespace {

std::string ActiveCodePageFromUtf16(std::u16string_view wide) {
  if (wide.empty()) return "";
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, units, length, nullptr, 0,
                                       nullptr, nullptr);
  if (size <= 0) return "";
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, units, length, &text[0], size, nullptr,
                      nullptr);
  return text;
}

// cmd.exe looks for a bare command name in the current directory before the
// PATH. Running tools from the system directory keeps a stray wmic.bat in the
// user's folder from answering in place of the real tool.
class SystemDirectoryAsCurrent {
 public:
  SystemDirectoryAsCurrent() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0) return;
    previous_.resize(size);
    if (GetCurrentDirectoryW(size, previous_.data()) == 0) {
      previous_.clear();
      return;
    }
    const std::wstring system_folder = SystemFolder();
    if (system_folder.empty()) return;
    changed_ = SetCurrentDirectoryW(system_folder.c_str()) != 0;
  }
  ~SystemDirectoryAsCurrent() {
    if (changed_) SetCurrentDirectoryW(previous_.data());
  }
  SystemDirectoryAsCurrent(const SystemDirectoryAsCurrent&) = delete;
  SystemDirectoryAsCurrent& operator=(const SystemDirectoryAsCurrent&) = delete;

 private:
  std::vector<wchar_t> previous_;
  bool changed_ = false;
};

}  // namespace

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return L"";
  return std::wstring(folder, length);
}

std::string DecodeToolOutput(std::string_view raw) {
  return DecodeCapturedOutput(raw, ActiveCodePageFromUtf16);
}

std::string RunCommandCapture(const std::string& command_line) {
  std::string raw;
  {
    const SystemDirectoryAsCurrent in_system_directory;
    // Binary mode: the text-mode rules are applied after UTF-16 decoding.
    std::FILE* pipe = _popen(command_line.c_str(), "rb");
    if (pipe == nullptr) throw CaptureStartError();
    raw = ReadWholeStream(pipe);
    _pclose(pipe);
  }
  return DecodeToolOutput(raw);
}

}  // namespace corvalen
