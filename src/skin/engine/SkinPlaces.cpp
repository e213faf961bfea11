#include "skin/engine/SkinPlaces.h"

#include <windows.h>

#include <aclapi.h>

#include <memory>

#include "toolkit/Handles.h"
#include "toolkit/SysUtils.h"

namespace {

struct LocalFreeDeleter {
    void operator()(void* memory) const { LocalFree(memory); }
};

// The account the process runs as (its token's user).
bool IsProcessUser(PSID sid)
{
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw))
        return false;
    UniqueHandle<HANDLE, KernelHandleTraits> token(raw);
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[size ? size : 1]);
    if (!GetTokenInformation(token.Get(), TokenUser, buffer.get(), size, &size))
        return false;
    return EqualSid(reinterpret_cast<TOKEN_USER*>(buffer.get())->User.Sid, sid) != FALSE;
}

}  // namespace

TsFileOwner QueryFileOwner(const std::string& path)
{
    std::wstring callPath = FileCallPath(path);
    if (callPath.empty())
        return TsFileOwner::Unknown;
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    DWORD result = GetNamedSecurityInfoW(callPath.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                                         nullptr, nullptr, nullptr, &descriptor);
    std::unique_ptr<void, LocalFreeDeleter> held(descriptor);
    if (result != ERROR_SUCCESS || !owner || !IsValidSid(owner))
        return TsFileOwner::Unknown;
    if (IsWellKnownSid(owner, WinLocalSystemSid))
        return TsFileOwner::System;
    if (IsWellKnownSid(owner, WinBuiltinAdministratorsSid))
        return TsFileOwner::Administrators;
    return IsProcessUser(owner) ? TsFileOwner::CurrentUser : TsFileOwner::Other;
}

bool IsPlaceTheUserControls(const std::string& path, const TsOwnerQuery& ownerOf)
{
    DWORD attributes = FileAttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    TsFileOwner owner = ownerOf ? ownerOf(path) : QueryFileOwner(path);
    return owner == TsFileOwner::CurrentUser || owner == TsFileOwner::Administrators ||
           owner == TsFileOwner::System;
}

std::optional<std::vector<uint8_t>> TsWideFileReader::ReadWhole(const std::string& path) const
{
    UniqueFile file = OpenExistingFile(path, GENERIC_READ, FILE_SHARE_READ);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > kMaxSkinFileSize)
        return std::nullopt;
    std::vector<uint8_t> bytes(std::size_t(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.Get(), bytes.data(), DWORD(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        return std::nullopt;
    return bytes;
}
