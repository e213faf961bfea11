#pragma once
// Which places on disk a skin is taken from. A skin directory may lie where
// any user of the machine can write (a folder at the root of drive C, as the
// main window's is), so a skin package or folder found there is used only
// when it, and the directory it lies in, belong to the user running the
// program, to the Administrators group or to SYSTEM: the same test that
// careful tools make before trusting a folder they did not create.

#include <functional>
#include <string>

#include "skin/model/SkinFileReader.h"

enum class TsFileOwner { CurrentUser, Administrators, System, Other, Unknown };

// Who owns the file or folder at a path; replaceable for tests (under Wine
// every file belongs to the current user).
using TsOwnerQuery = std::function<TsFileOwner(const std::string& path)>;

// The owner as the system records it (GetNamedSecurityInfoW); Unknown when it
// cannot tell (missing, no access, a file system without owners).
TsFileOwner QueryFileOwner(const std::string& path);

// A place the user controls: it exists, is no link to elsewhere (reparse
// point) and ownerOf names the current user, Administrators or SYSTEM.
bool IsPlaceTheUserControls(const std::string& path, const TsOwnerQuery& ownerOf);

// Reads skin files through the wide file calls: any script the code page
// holds, any length, relative paths against the start folder.
class TsWideFileReader final : public TsFileReader {
public:
    std::optional<std::vector<uint8_t>> ReadWhole(const std::string& path) const override;
};
