#pragma once
// The kinds of skinned owners: which section a binding takes when it names
// none, and which kinds are containers (never hot through the mouse).

#include <string_view>

// Kinds set by the program's own classes.
constexpr int kKindSpeedButton = 92;
constexpr int kKindBitBtn = 94;
constexpr int kKindEditLike = 97;
constexpr int kKindDirectoryEdit = 132;
constexpr int kKindFileNameEdit = 133;
constexpr int kKindComboEdit = 138;
constexpr int kKindFormSkinner = 224;
constexpr int kKindFrameAdapter = 226;
constexpr int kKindAdapterItem = 227;

// The section a binding of this kind takes when its own is empty; empty
// when the kind has none (the owner's class name is then used).
std::string_view DefaultSectionOfKind(int kind);
bool IsContainerKind(int kind);
