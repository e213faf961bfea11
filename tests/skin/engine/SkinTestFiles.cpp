#include "skin/engine/SkinTestFiles.h"

#include <windows.h>

#include <stdexcept>

#include "skin/model/SkinStream.h"
#include "skin/model/SkinTestPackages.h"
#include "skin/model/acSkinPack.h"
#include "toolkit/Resources.h"
#include "toolkit/SysUtils.h"

namespace {

std::vector<TestMember> Unpacked(const std::vector<uint8_t>& package, std::string& options)
{
    TacSpanStream stream(package);
    TacSkinConvertor reader;
    reader.ReadPackage(stream);
    const std::vector<uint8_t>& text = reader.OptionsData()->Bytes();
    options.assign(text.begin(), text.end());
    std::vector<TestMember> members;
    for (const TacImageItem& item : reader.Members())
        members.push_back({item.FileName, item.Data.Bytes()});
    return members;
}

std::string WithEditColor(std::string options, int32_t color)
{
    std::size_t section = options.find("[EDIT]");
    std::size_t key = options.find("COLOR=", section);
    std::size_t end = options.find("\r\n", key);
    if (section == std::string::npos || key == std::string::npos)
        throw std::runtime_error("the internal skin has no EDIT colour");
    return options.replace(key, end - key, "COLOR=" + std::to_string(color));
}

}  // namespace

std::vector<uint8_t> EmbeddedSkinPackage()
{
    return LoadResourceData("OPUSSKIN", MAKEINTRESOURCEA(10));
}

std::vector<uint8_t> SkinPackageWithEditColor(int32_t color)
{
    std::string options;
    std::vector<TestMember> members = Unpacked(EmbeddedSkinPackage(), options);
    members.insert(members.begin(), {"Options.dat", Bytes(WithEditColor(options, color))});
    return BuildPackage(members);
}

void WriteSkinFolder(const std::string& folder, int32_t editColor)
{
    std::string options;
    std::vector<TestMember> members = Unpacked(EmbeddedSkinPackage(), options);
    CreateDirectoryW(FileCallPath(folder).c_str(), nullptr);
    WriteBytes(folder + "\\Options.dat", Bytes(WithEditColor(options, editColor)));
    for (const TestMember& m : members)
        WriteBytes(folder + "\\" + m.name, m.bytes);
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    HANDLE file = CreateFileW(FileCallPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + path);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}
