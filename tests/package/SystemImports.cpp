#include "SystemImports.h"

#include <windows.h>

#include "core/LaterWindowsCalls.h"
#include "core/PeImports.h"
#include "core/SystemDlls.h"

std::string Narrow(const std::wstring& text)
{
    std::string narrow(text.size() * 3, '\0');
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), narrow.data(),
                                     int(narrow.size()), nullptr, nullptr);
    narrow.resize(size_t(length));
    return narrow;
}

std::wstring WindowsPathOfBuildFile(const std::string& unixPath)
{
    std::wstring path = L"Z:";
    for (char c : unixPath)
        path += c == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(c));
    return path;
}

std::vector<std::uint8_t> ReadWholeFile(const std::wstring& path)
{
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    std::uint8_t block[65536];
    DWORD read = 0;
    while (ReadFile(file, block, sizeof block, &read, nullptr) && read > 0)
        bytes.insert(bytes.end(), block, block + read);
    CloseHandle(file);
    return bytes;
}

testing::AssertionResult ImportsOnlyWhatWindows7Has(const std::wstring& path)
{
    std::vector<std::uint8_t> program = ReadWholeFile(path);
    if (program.empty())
        return testing::AssertionFailure() << Narrow(path) << " cannot be read";
    PeImports imports;
    try {
        imports = ReadPeImports(program);
    } catch (const EBadPeImage& error) {
        return testing::AssertionFailure() << Narrow(path) << ": " << error.Message();
    }
    std::string lacking;
    for (const std::string& dll : ForeignDlls(imports.AllDlls()))
        lacking += " " + dll;
    for (const PeImportedCall& call : imports.calls)
        if (std::string_view version = WindowsVersionThatAdded(call.name); !version.empty())
            lacking += " " + call.dll + "!" + call.name + " (" + std::string(version) + ")";
    if (lacking.empty())
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << Narrow(path) << " imports what a bare Windows 7 lacks:" << lacking;
}
