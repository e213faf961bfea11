#include "toolkit/SysUtils.h"

#include <algorithm>
#include <cwctype>

namespace {

// Frees a buffer that FormatMessageA allocated.
class LocalText {
public:
    LocalText() = default;
    LocalText(const LocalText&) = delete;
    LocalText& operator=(const LocalText&) = delete;
    ~LocalText() { LocalFree(text_); }
    char** Receiver() { return &text_; }
    const char* Get() const { return text_; }

private:
    char* text_ = nullptr;
};

std::string TrimmedEnd(std::string text)
{
    const auto end = text.find_last_not_of(" \t\r\n.");
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

}  // namespace

std::string SysErrorMessage(unsigned long code)
{
    LocalText text;
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                      | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length = FormatMessageA(flags, nullptr, code, 0,
                                        reinterpret_cast<char*>(text.Receiver()), 0, nullptr);
    if (length == 0 || text.Get() == nullptr)
        return {};
    return TrimmedEnd(std::string(text.Get(), length));
}

namespace {

UINT codePageOverride = 0;  // 0: the system's

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Unpaired surrogates as "?": UTF-8 would turn them into U+FFFD, the name of
// another file.
std::wstring WithLoneSurrogatesMarked(std::wstring text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool paired = IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
        if (paired)
            ++i;
        else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i]))
            text[i] = L'?';
    }
    return text;
}

// Code pages that hold every character and take no conversion flags.
bool HoldsAllOfUnicode(UINT codePage)
{
    return codePage == CP_UTF8 || codePage == 54936;
}

// Without best fit; `lost` tells whether a character became the "?".
std::string Narrowed(UINT codePage, const std::wstring& text, bool& lost)
{
    lost = false;
    if (text.empty())
        return {};
    const bool whole = HoldsAllOfUnicode(codePage);
    const DWORD flags = whole ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* unheld = whole ? nullptr : "?";
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(codePage, flags, text.data(), int(text.size()), nullptr, 0, unheld,
                                         nullptr);
    std::string out(std::size_t(std::max(size, 0)), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), int(text.size()), out.data(), size, unheld,
                        whole ? nullptr : &usedDefault);
    lost = usedDefault != FALSE;
    return out;
}

// One character (a surrogate pair whole) at a time, "?" for each that does not
// come back as it was: for a code page whose table maps without a default
// character and still loses.
std::string NarrowedByCharacter(UINT codePage, const std::wstring& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = IsHighSurrogate(text[i]) && i + 1 < text.size() ? 2 : 1;
        std::wstring one = text.substr(i, length);
        bool lost = false;
        std::string narrow = Narrowed(codePage, one, lost);
        out += !lost && FromSystemCodePage(narrow) == one ? narrow : "?";
        i += length;
    }
    return out;
}

std::wstring CurrentFolderNow()
{
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetCurrentDirectoryW(DWORD(folder.size()), folder.data());
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length);
    }
}

std::wstring& StartFolderStorage()
{
    static std::wstring folder = CurrentFolderNow();
    return folder;
}

// Taken while the program's statics are set up, before any window exists.
[[maybe_unused]] const bool startFolderTaken = !StartFolderStorage().empty();

bool IsSlash(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool HasDrive(const std::wstring& path)
{
    return path.size() >= 2 && path[1] == L':' && iswalpha(path[0]);
}

// "C:" of "C:\Work", "\\server\share" of "\\server\share\Work".
std::wstring RootOf(const std::wstring& folder)
{
    if (HasDrive(folder))
        return folder.substr(0, 2);
    std::size_t server = folder.find_first_of(L"\\/", 2);
    std::size_t share = server == std::wstring::npos ? server : folder.find_first_of(L"\\/", server + 1);
    return folder.substr(0, share);
}

std::wstring FullPathOf(const std::wstring& path)
{
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        // The result counts the terminator when the buffer was too small, not
        // when it fitted.
        const DWORD needed = GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr);
        if (needed == 0)
            return path;
        if (needed < full.size()) {
            full.resize(needed);
            return full;
        }
        full.resize(needed);
    }
}

// A path made absolute against the start folder, "." and ".." resolved.
std::wstring AgainstStartFolder(const std::wstring& path)
{
    const std::wstring& start = StartFolder();
    if (path.empty() || (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])))
        return FullPathOf(path);  // UNC or device path: absolute already
    if (IsSlash(path[0]))
        return FullPathOf(RootOf(start) + path);
    if (HasDrive(path)) {
        bool startDrive = HasDrive(start) && towupper(start[0]) == towupper(path[0]);
        if (path.size() > 2 && IsSlash(path[2]))
            return FullPathOf(path);
        // "D:x" is relative to drive D's own current folder, which only the
        // start folder's drive is kept for.
        return FullPathOf(startDrive ? start + L"\\" + path.substr(2) : path);
    }
    return FullPathOf(start + L"\\" + path);
}

bool HoldsWildcard(const std::wstring& path)
{
    std::size_t from = path.starts_with(L"\\\\?\\") ? 4 : 0;
    return path.find_first_of(L"?*", from) != std::wstring::npos;
}

// The "\\?\" form of an absolute path, which the wide calls take at any length.
std::wstring LongForm(const std::wstring& full)
{
    if (full.size() < MAX_PATH || full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\"))
        return full;
    if (full.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + full.substr(2);
    return HasDrive(full) ? L"\\\\?\\" + full : full;
}

}  // namespace

std::string ExpandFileName(const std::string& path)
{
    if (path.empty())
        return path;
    return ToSystemCodePage(AgainstStartFolder(FromSystemCodePage(path)));
}

UINT SystemCodePage()
{
    return codePageOverride ? codePageOverride : GetACP();
}

TCodePageOverride::TCodePageOverride(UINT codePage) : saved_(codePageOverride)
{
    codePageOverride = codePage;
}

TCodePageOverride::~TCodePageOverride()
{
    codePageOverride = saved_;
}

std::wstring FromSystemCodePage(const std::string& text)
{
    if (text.empty())
        return {};
    const UINT codePage = SystemCodePage();
    const int size = MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(std::size_t(std::max(size, 0)), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), out.data(), size);
    return out;
}

std::string ToSystemCodePage(const std::wstring& text)
{
    const UINT codePage = SystemCodePage();
    const std::wstring marked = WithLoneSurrogatesMarked(text);
    bool lost = false;
    std::string out = Narrowed(codePage, marked, lost);
    if (lost || HoldsAllOfUnicode(codePage) || FromSystemCodePage(out) == marked)
        return out;
    // Changed without a "?" to show it: mark each character that changed.
    return NarrowedByCharacter(codePage, marked);
}

bool SystemCodePageHolds(const std::wstring& text)
{
    return FromSystemCodePage(ToSystemCodePage(text)) == text;
}

const std::wstring& StartFolder()
{
    return StartFolderStorage();
}

TStartFolderOverride::TStartFolderOverride(const std::string& folder) : saved_(StartFolderStorage())
{
    StartFolderStorage() = FullPathOf(FromSystemCodePage(folder));
    SetCurrentDirectoryW(StartFolderStorage().c_str());
}

TStartFolderOverride::~TStartFolderOverride()
{
    StartFolderStorage() = saved_;
    SetCurrentDirectoryW(saved_.c_str());
}

TCurrentFolderKept::TCurrentFolderKept() : saved_(CurrentFolderNow()) {}

TCurrentFolderKept::~TCurrentFolderKept()
{
    if (CurrentFolderNow() != saved_)
        SetCurrentDirectoryW(saved_.c_str());
}

std::wstring FileCallPath(const std::string& path)
{
    std::wstring wide = FromSystemCodePage(path);
    if (wide.empty() || HoldsWildcard(wide))
        return {};
    if (wide.starts_with(L"\\\\?\\"))
        return wide;  // taken by the system as written
    return LongForm(AgainstStartFolder(wide));
}

DWORD FileAttributesOf(const std::string& path)
{
    std::wstring callPath = FileCallPath(path);
    if (callPath.empty()) {
        SetLastError(ERROR_INVALID_NAME);
        return INVALID_FILE_ATTRIBUTES;
    }
    return GetFileAttributesW(callPath.c_str());
}

UniqueFile OpenExistingFile(const std::string& path, DWORD access, DWORD share, DWORD flags)
{
    std::wstring callPath = FileCallPath(path);
    if (callPath.empty()) {
        SetLastError(ERROR_INVALID_NAME);
        return UniqueFile();
    }
    return UniqueFile(CreateFileW(callPath.c_str(), access, share, nullptr, OPEN_EXISTING, flags, nullptr));
}
