#pragma once

#include <string>

namespace corvalen {

// Windows' system folder, where the tool commands start and the system DLLs
// are loaded from; empty when it cannot be had.
std::wstring SystemFolder();

}  // namespace corvalen
