#pragma once
// The DLLs that every Windows the program supports (64-bit Windows 7 SP1 and
// later) carries in its system folder: the only ones the program and its
// tests may import. A program importing any other DLL runs under Wine, which
// carries many more as builtins, and stops at start on a bare Windows.

#include <string>
#include <string_view>
#include <vector>

// Whether `dll` (a name as an import table gives it, any case) is one of them.
bool IsSystemDll(std::string_view dll);

// The names in `dlls` that are not system DLLs, as given and in their order.
std::vector<std::string> ForeignDlls(const std::vector<std::string>& dlls);
