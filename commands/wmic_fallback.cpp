#include "commands/wmic_fallback.h"

#include <algorithm>
#include <cwctype>

namespace corvalen {

namespace {

// The entries of a ';'-separated list, without quotes, empty ones left out.
std::vector<std::wstring> SplitList(std::wstring_view list) {
  std::vector<std::wstring> entries;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(L';', start);
    if (end == std::wstring_view::npos) end = list.size();
    std::wstring entry;
    for (const wchar_t c : list.substr(start, end - start)) {
      if (c != L'"') entry += c;
    }
    while (!entry.empty() && std::iswspace(entry.back())) entry.pop_back();
    if (!entry.empty()) entries.push_back(entry);
    start = end + 1;
  }
  return entries;
}

}  // namespace

std::wstring FindCommandLikeCmd(std::wstring_view name,
                                std::wstring_view current_folder,
                                std::wstring_view path,
                                std::wstring_view pathext,
                                const FileExists& exists) {
  std::vector<std::wstring> extensions = SplitList(pathext);
  // cmd.exe's own list when PATHEXT is not set.
  if (extensions.empty()) extensions = {L".COM", L".EXE", L".BAT", L".CMD"};
  std::vector<std::wstring> folders;
  if (!current_folder.empty()) folders.emplace_back(current_folder);
  for (std::wstring& folder : SplitList(path)) folders.push_back(folder);
  for (std::wstring folder : folders) {
    if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    for (const std::wstring& extension : extensions) {
      std::wstring candidate = folder;
      candidate += name;
      candidate += extension;
      if (exists(candidate)) return candidate;
    }
  }
  return L"";
}

std::u16string WmicTableText(std::u16string_view heading,
                             const std::vector<std::u16string>& values) {
  if (values.empty()) return u"";
  std::size_t width = heading.size();
  for (const std::u16string& value : values) {
    width = std::max(width, value.size());
  }
  width += 2;
  std::u16string text;
  auto add_row = [&text, width](std::u16string_view entry) {
    text += entry;
    text.append(width - entry.size(), u' ');
    text += u"\r\n";
  };
  add_row(heading);
  for (const std::u16string& value : values) add_row(value);
  text += u"\r\n";
  return text;
}

std::string Utf16LeWithMark(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

}  // namespace corvalen
