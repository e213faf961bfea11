#include "controls/SkinnedTestForm.h"

#include <functional>
#include <stdexcept>
#include <string>

#include "skin/engine/SkinTestFiles.h"
#include "skin/model/SkinStream.h"
#include "skin/model/SkinTestPackages.h"
#include "skin/model/acSkinPack.h"
#include "toolkit/FormData.h"

TSkinnedTestForm::TSkinnedTestForm(TComponent* owner, std::vector<uint8_t> package)
    : TForm(owner), package_(std::move(package))
{
}

void TSkinnedTestForm::ReadFormData()
{
    SetBounds(100, 100, 360, 240);
    SetColor(clBtnFace);
    manager = new TsSkinManager(this);
    TsStoredSkin skin;
    skin.Name = "Opus (internal)";
    skin.Data = package_.empty() ? EmbeddedSkinPackage() : package_;
    manager->InternalSkins().push_back(std::move(skin));
    manager->SetSkinDirectory("Z:\\nonexistent");
    manager->SetSkinName("Opus (internal)");
    edit = CreateControl<TEdit>(this, this, "edit", 8, 8, 100, 21);
    edit->SetTabOrder(0);
    AddControls();
    SetActiveControl(edit);
}

std::vector<uint8_t> SkinPackageEdited(const std::function<void(std::string& options)>& edit)
{
    std::vector<uint8_t> embedded = EmbeddedSkinPackage();
    TacSpanStream source(embedded);
    TacSkinConvertor reader;
    reader.ReadPackage(source);
    const std::vector<uint8_t>& text = reader.OptionsData()->Bytes();
    std::string options(text.begin(), text.end());
    edit(options);
    std::vector<TestMember> members{{"Options.dat", Bytes(options)}};
    for (const TacImageItem& item : reader.Members())
        members.push_back({item.FileName, item.Data.Bytes()});
    return BuildPackage(members);
}

std::vector<uint8_t> SkinPackageWith(const char* section, const char* key, const char* value)
{
    return SkinPackageEdited([&](std::string& options) {
        std::size_t at = options.find(std::string("[") + section + "]");
        if (at == std::string::npos)
            throw std::runtime_error(std::string("no section ") + section);
        std::size_t next = options.find("\r\n[", at + 1);
        std::string line = std::string(key) + "=";
        std::size_t keyAt = options.find("\r\n" + line, at);
        std::string replacement = line + value;
        if (keyAt != std::string::npos && keyAt < next) {
            std::size_t end = options.find("\r\n", keyAt + 2);
            options.replace(keyAt + 2, end - keyAt - 2, replacement);
        } else {
            options.insert(options.find("\r\n", at) + 2, replacement + "\r\n");
        }
    });
}

std::vector<uint8_t> SkinPackageWithout(const std::vector<std::string>& sections)
{
    return SkinPackageEdited([&](std::string& options) {
        for (const std::string& section : sections) {
            std::size_t at = options.find("[" + section + "]");
            if (at == std::string::npos)
                throw std::runtime_error("no section " + section);
            std::size_t next = options.find("\r\n[", at + 1);
            options.erase(at, next == std::string::npos ? std::string::npos : next + 2 - at);
        }
    });
}
