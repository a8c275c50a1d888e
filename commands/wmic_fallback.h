#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalen {

// Whether a file exists (and is not a folder) at a path.
using FileExists = std::function<bool(const std::wstring& path)>;

// The file cmd.exe would run for a bare command `name`: the current folder
// first, then each folder of `path`, each tried with the extensions of
// `pathext` in order. Empty when there is none.
std::wstring FindCommandLikeCmd(std::wstring_view name,
                                std::wstring_view current_folder,
                                std::wstring_view path,
                                std::wstring_view pathext,
                                const FileExists& exists);

// The table wmic prints for one property: the heading row, one row per
// instance, each padded with spaces to the column's width (its widest entry,
// heading included, plus two), then an empty row; CR LF line ends. No
// instance at all gives the empty text, as wmic writes nothing to its
// standard output then.
std::u16string WmicTableText(std::u16string_view heading,
                             const std::vector<std::u16string>& values);

// UTF-16LE bytes behind the byte-order mark, as wmic writes into a file.
std::string Utf16LeWithMark(std::u16string_view text);

// Windows: asks WMI in process for one string property of every instance
// that `wql` selects. Nothing on any COM or WMI failure.
std::optional<std::vector<std::u16string>> QueryWmiProperty(
    std::u16string_view wql, std::u16string_view property);

}  // namespace corvalen
