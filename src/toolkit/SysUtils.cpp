#include "toolkit/SysUtils.h"

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

std::string ExpandFileName(const std::string& path)
{
    const std::wstring wide = FromSystemCodePage(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        // The result counts the terminator when the buffer was too small, not
        // when it fitted.
        const DWORD needed = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()),
                                              full.data(), nullptr);
        if (needed == 0)
            return path;
        if (needed < full.size()) {
            full.resize(needed);
            return ToSystemCodePage(full);
        }
        full.resize(needed);
    }
}

std::wstring FromSystemCodePage(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), out.data(), size);
    return out;
}

std::string ToSystemCodePage(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(std::size_t(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

DWORD FileAttributesOf(const std::string& path)
{
    return GetFileAttributesW(FromSystemCodePage(path).c_str());
}

UniqueFile OpenExistingFile(const std::string& path, DWORD access, DWORD share, DWORD flags)
{
    return UniqueFile(CreateFileW(FromSystemCodePage(path).c_str(), access, share, nullptr,
                                  OPEN_EXISTING, flags, nullptr));
}
