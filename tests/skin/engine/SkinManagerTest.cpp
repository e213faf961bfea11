// The skin manager: where it finds a skin, what it announces, and how a
// skin it cannot read leaves the program unskinned.

#include <gtest/gtest.h>

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "controls/sBitBtn.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinTestFiles.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/RunTimeProviders.h"
#include "skin/model/SkinTestPackages.h"
#include "support/WinTestHelpers.h"
#include "toolkit/FormData.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr const char* kInternalName = "Opus (internal)";
constexpr int32_t kOpusEditColor = 16777215;

// A form with its own skin manager and one skinned push button.
// Called on the new manager before it is given its skin name.
using ManagerSetup = std::function<void(TsSkinManager&)>;

class TManagerTestForm : public TForm {
public:
    TManagerTestForm(TComponent* owner, std::string directory, bool withInternalSkin, ManagerSetup setup)
        : TForm(owner), directory_(std::move(directory)), withInternalSkin_(withInternalSkin), setup_(std::move(setup))
    {
    }
    const char* ClassName() const override { return "TManagerTestForm"; }
    TsSkinManager* manager = nullptr;
    TsBitBtn* button = nullptr;

protected:
    void ReadFormData() override
    {
        SetBounds(100, 100, 300, 200);
        manager = new TsSkinManager(this);
        if (withInternalSkin_) {
            TsStoredSkin opus;
            opus.Name = kInternalName;
            opus.Data = EmbeddedSkinPackage();
            manager->InternalSkins().push_back(std::move(opus));
        }
        manager->SetSkinDirectory(directory_);
        if (setup_)
            setup_(*manager);
        manager->SetSkinName(kInternalName);
        button = CreateControl<TsBitBtn>(this, this, "button", 20, 20, 99, 25);
        button->SkinData().SetSkinSection("BUTTON");
        button->SetCaption("Button");
    }

private:
    std::string directory_;
    bool withInternalSkin_;
    ManagerSetup setup_;
};

class SkinManagerTest : public testing::Test {
protected:
    void TearDown() override
    {
        delete form;
        PumpMessages();
    }

    TManagerTestForm& Open(const std::string& directory, bool withInternalSkin = true, ManagerSetup setup = nullptr)
    {
        form = new TManagerTestForm(Application, directory, withInternalSkin, std::move(setup));
        form->Create();
        form->Show();
        PumpMessages();
        return *form;
    }

    int32_t LoadedEditColor() const
    {
        const TsSkinModel& model = form->manager->Model();
        return model.Sections()[std::size_t(model.GetSectionIndex("EDIT"))].Color;
    }

    bool ButtonIsShaped() const
    {
        UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
        return GetWindowRgn(form->button->Handle(), region.Get()) != ERROR;
    }

    TManagerTestForm* form = nullptr;
    TempDir dir;
};

}  // namespace

TEST_F(SkinManagerTest, SkinInfoReadsTheSkinsVersionOrNA)
{
    TManagerTestForm& f = Open(dir.PathOf("none"));
    EXPECT_EQ(f.manager->SkinInfo(), "5.41");
    EXPECT_EQ(f.manager->Version(), "5.65");
    EXPECT_TRUE(ButtonIsShaped());
    f.manager->SetActive(false);
    EXPECT_EQ(f.manager->SkinInfo(), "N/A");
    EXPECT_FALSE(f.manager->Model().IsLoaded());
    EXPECT_FALSE(f.button->SkinData().IsSkinned());
    EXPECT_FALSE(ButtonIsShaped()) << "the button is a plain rectangle again";
    f.manager->SetActive(true);
    EXPECT_EQ(f.manager->SkinInfo(), "5.41");
    PumpMessages();
    EXPECT_TRUE(f.button->SkinData().IsSkinned());
}

TEST_F(SkinManagerTest, APackageOfTheSkinsNameInTheSkinDirectoryWinsOverTheInternalSkin)
{
    CreateDirectoryA(dir.PathOf("Skins").c_str(), nullptr);
    WriteBytes(dir.PathOf("Skins\\Opus (internal).qlk"), SkinPackageWithEditColor(0x123456));
    TStartFolderOverride start(dir.Path());
    Open("Skins");  // relative to the folder the program started in
    EXPECT_EQ(LoadedEditColor(), 0x123456);
    EXPECT_TRUE(form->manager->Model().LoadedFromPackage());
    EXPECT_EQ(form->manager->SkinName(), kInternalName);
}

TEST_F(SkinManagerTest, ASkinFolderIsUsedWhenThereIsNoPackage)
{
    WriteSkinFolder(dir.PathOf("Opus (internal)"), 0x654321);
    Open(dir.Path());
    EXPECT_EQ(LoadedEditColor(), 0x654321);
    EXPECT_FALSE(form->manager->Model().LoadedFromPackage());
    EXPECT_EQ(form->manager->Model().SkinData().SkinPath, dir.PathOf("Opus (internal)") + "\\");
    std::vector<std::string> names;
    std::string first;
    form->manager->ListSkins(names, 2, &first);
    EXPECT_EQ(names, (std::vector<std::string>{kInternalName, kInternalName}));
    EXPECT_EQ(first, kInternalName);
}

TEST_F(SkinManagerTest, AnUnknownSkinNameFallsBackToTheFirstInternalSkin)
{
    TManagerTestForm& f = Open(dir.Path());
    f.manager->SetSkinName("No such skin");
    EXPECT_EQ(f.manager->SkinName(), kInternalName);
    EXPECT_EQ(LoadedEditColor(), kOpusEditColor);
    EXPECT_TRUE(f.manager->Active());
}

TEST_F(SkinManagerTest, WithoutAnyInternalSkinEveryControlPaintsUnskinned)
{
    TManagerTestForm& f = Open(dir.Path(), false);
    EXPECT_FALSE(f.manager->Active());
    EXPECT_EQ(f.manager->SkinInfo(), "N/A");
    EXPECT_FALSE(f.button->SkinData().IsSkinned());
    EXPECT_FALSE(ButtonIsShaped());
    Image24 face = GrabClient(f.button->Handle());
    EXPECT_EQ(face.At(1, 1), SysPixel(COLOR_BTNHIGHLIGHT)) << "the plain button's raised edge";
}

TEST_F(SkinManagerTest, APackageTheReaderRejectsLeavesTheSkinUnloaded)
{
    std::vector<uint8_t> broken = SkinPackageWithEditColor(0x123456);
    broken.resize(broken.size() / 2);
    WriteBytes(dir.PathOf("Opus (internal).qlk"), broken);
    TManagerTestForm& f = Open(dir.Path());
    EXPECT_FALSE(f.manager->Active());
    EXPECT_FALSE(f.manager->Model().IsLoaded());
    EXPECT_FALSE(f.manager->LoadError().empty());
    EXPECT_FALSE(f.button->SkinData().IsSkinned());
    EXPECT_FALSE(ButtonIsShaped());
}

using SkinManagerOnMainWindow = MainWindowTest;

TEST_F(SkinManagerOnMainWindow, ChangingTheHueRepaintsEverySkinnedControlInTheShiftedColours)
{
    std::vector<Image24> before;
    TsBitBtn* buttons[] = {form->sBitBtn1, form->sBitBtn2, form->sBitBtn3, form->sBitBtn4};
    for (TsBitBtn* b : buttons)
        before.push_back(GrabClient(b->Handle()));
    form->sSkinManager1->SetHueOffset(120);
    PumpMessages();
    for (int i = 0; i < 4; ++i) {
        Image24 after = GrabClientAsIs(buttons[i]->Handle());
        View24 cache = buttons[i]->SkinData().CacheBitmap()->Pixels24();
        int changed = 0, matching = 0;
        for (int y = 0; y < after.Height(); ++y)
            for (int x = 0; x < after.Width(); ++x) {
                changed += after.At(x, y) != before[std::size_t(i)].At(x, y);
                matching += after.At(x, y) == cache.At(x, y);
            }
        EXPECT_GT(changed, 50) << "button " << i << " shows the shifted border";
        EXPECT_EQ(matching, after.Width() * after.Height()) << "button " << i << " shows its new look";
    }
    form->sSkinManager1->SetHueOffset(0);
}

namespace {

// Reads through the system's reader and keeps every path asked for.
class CountingReader : public TsFileReader {
public:
    std::optional<std::vector<uint8_t>> ReadWhole(const std::string& path) const override
    {
        opened.push_back(path);
        return system.ReadWhole(path);
    }
    mutable std::vector<std::string> opened;

private:
    TsWideFileReader system;
};

// Owners as a test wants them: `others` are owned by somebody else, the rest by the user.
TsOwnerQuery OwnedByOthers(std::vector<std::string> others)
{
    return [others = std::move(others)](const std::string& path) {
        bool other = std::find(others.begin(), others.end(), path) != others.end();
        return other ? TsFileOwner::Other : TsFileOwner::CurrentUser;
    };
}

}  // namespace

TEST_F(SkinManagerTest, APlantedSkinOwnedBySomebodyElseIsPassedOverWithoutOpeningAnyOfItsFiles)
{
    const std::string package = dir.PathOf("Opus (internal).qlk"), folder = dir.PathOf("Opus (internal)");
    WriteBytes(package, SkinPackageWithEditColor(0x123456));
    WriteSkinFolder(folder, 0x654321);
    CountingReader reader;
    auto plantedBy = [&](std::vector<std::string> others) {
        return [&reader, others](TsSkinManager& manager) {
            manager.SetOwnerQuery(OwnedByOthers(others));
            manager.SetFileReader(&reader);
        };
    };

    // The skin directory itself is somebody else's: nothing in it counts.
    Open(dir.Path(), true, plantedBy({dir.Path()}));
    EXPECT_EQ(LoadedEditColor(), kOpusEditColor) << "the internal skin";
    EXPECT_TRUE(form->manager->Model().SkinData().SkinPath.empty());
    EXPECT_EQ(reader.opened, std::vector<std::string>{});
    std::vector<std::string> names;
    form->manager->ListSkins(names, 2);
    EXPECT_EQ(names, std::vector<std::string>{kInternalName}) << "nor is it listed";
    delete form;
    form = nullptr;

    // The package and the folder are somebody else's.
    Open(dir.Path(), true, plantedBy({package, folder}));
    EXPECT_EQ(LoadedEditColor(), kOpusEditColor);
    EXPECT_EQ(reader.opened, std::vector<std::string>{});
    delete form;
    form = nullptr;

    // Only the package is: the next route, the user's own folder, is taken.
    Open(dir.Path(), true, plantedBy({package}));
    EXPECT_EQ(LoadedEditColor(), 0x654321);
    ASSERT_FALSE(reader.opened.empty());
    for (const std::string& path : reader.opened)
        EXPECT_EQ(path.rfind(folder + "\\", 0), 0u) << path;
}

TEST_F(SkinManagerTest, TheSystemNamesTheUserAsOwnerOfTheUsersOwnFolders)
{
    TsFileOwner owner = QueryFileOwner(dir.Path());
    EXPECT_TRUE(owner == TsFileOwner::CurrentUser || owner == TsFileOwner::Administrators) << int(owner);
    EXPECT_EQ(QueryFileOwner(dir.PathOf("missing")), TsFileOwner::Unknown);
    EXPECT_FALSE(IsPlaceTheUserControls(dir.PathOf("missing"), nullptr));
    EXPECT_TRUE(IsPlaceTheUserControls(dir.Path(), nullptr));
}

TEST_F(SkinManagerTest, ASkinFolderOnAPathPastTwoHundredSixtyCharactersLoads)
{
    std::string directory = dir.PathOf(std::string(120, 'a'));
    CreateDirectoryW(FileCallPath(directory).c_str(), nullptr);
    directory += "\\" + std::string(120, 'b');
    CreateDirectoryW(FileCallPath(directory).c_str(), nullptr);
    WriteSkinFolder(directory + "\\" + kInternalName, 0x654321);
    ASSERT_GT(directory.size() + std::string("\\Opus (internal)\\MASTER.BMP").size(), 260u);
    CountingReader reader;
    Open(directory, true, [&](TsSkinManager& manager) { manager.SetFileReader(&reader); });
    EXPECT_EQ(LoadedEditColor(), 0x654321);
    EXPECT_EQ(form->manager->Model().SkinData().SkinPath, directory + "\\" + kInternalName + "\\");
    EXPECT_FALSE(form->manager->Model().MasterBitmap().IsEmpty()) << "its images too";
    EXPECT_EQ(reader.opened.size(), 3u) << "Options.dat and its two images";
}

TEST_F(SkinManagerTest, OnlyAChangeOfTheSkinNameRunsTheChangeEvents)
{
    TManagerTestForm& f = Open(dir.PathOf("none"));
    int before = 0, after = 0;
    bool activeBefore = true;
    f.manager->OnBeforeChange = [&](TComponent*) { ++before, activeBefore = f.manager->Model().SkinData().Active; };
    f.manager->OnAfterChange = [&](TComponent*) { ++after; };
    f.manager->SetActive(false);
    f.manager->SetActive(true);
    f.manager->SetCommonSections({"[EDIT]", "COLOR = 255"});
    EXPECT_EQ(before, 0);
    EXPECT_EQ(after, 0);
    f.manager->SetSkinName(kInternalName);
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(activeBefore) << "before the old skin goes";
}

TEST_F(SkinManagerTest, IsDefaultFalseStillMakesAManagerTheDefaultWhileThereIsNone)
{
    Open(dir.PathOf("none"));
    ASSERT_EQ(DefaultManager(), form->manager);
    auto* other = new TsSkinManager(nullptr);
    other->SetIsDefault(false);
    EXPECT_FALSE(other->IsDefault());
    delete form;
    form = nullptr;
    EXPECT_EQ(DefaultManager(), nullptr);
    other->SetIsDefault(false);
    EXPECT_TRUE(other->IsDefault());
    delete other;
    EXPECT_EQ(DefaultManager(), nullptr);
}

TEST_F(SkinManagerTest, TheObjectsMadeForHookedWindowsGoWithTheSkin)
{
    Open(dir.PathOf("none"));
    int before = RunTimeProviderCount();
    auto* plain = new TForm(Application);
    plain->SetBounds(200, 200, 200, 120);
    plain->Create();
    plain->Show();
    PumpMessages();
    ASSERT_EQ(RunTimeProviderCount(), before + 1) << "the hook skinned the plain form";
    ASSERT_EQ(SendSkinCommand(plain->Handle(), scQueryHandled), 1);
    form->manager->SetActive(false);
    EXPECT_EQ(RunTimeProviderCount(), 0);
    EXPECT_EQ(SendSkinCommand(plain->Handle(), scQueryHandled), 0) << "the form's own handler again";
    delete plain;
    PumpMessages();
}
