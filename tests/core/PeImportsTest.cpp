#include <gtest/gtest.h>

#include "core/PeImports.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

constexpr std::uint32_t SectionRva = 0x1000;
constexpr std::size_t SectionOffset = 0x200;
constexpr std::size_t PeHeader = 0x40;

// A PE image in the linker's layout: headers, then one section holding the
// import descriptors, the delay-load descriptors and the DLL names.
enum class Format { Pe32, Pe32Plus };
enum class DelayAddresses { Rvas, VirtualAddresses };
struct ImageSpec {
    Names imports;
    Names delayLoaded = {};
    Format format = Format::Pe32Plus;
    DelayAddresses delayAddresses = DelayAddresses::Rvas;
    // The calls of each import, by name; "#N" imports number N.
    std::vector<Names> calls = {};
    bool pe32Plus() const { return format == Format::Pe32Plus; }
    bool delayAddressesAreRvas() const { return delayAddresses == DelayAddresses::Rvas; }
    std::size_t lookupEntrySize() const { return pe32Plus() ? 8 : 4; }
    Names CallsOf(std::size_t import) const { return import < calls.size() ? calls[import] : Names{}; }
};
constexpr std::uint64_t ImageBase = 0x400000;

void Put(Bytes& bytes, std::size_t offset, std::uint64_t value, std::size_t size)
{
    if (bytes.size() < offset + size)
        bytes.resize(offset + size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[offset + i] = std::uint8_t(value >> (8 * i));
}

// Appends a zero-ended text after `skip` zero bytes; returns the RVA of the whole.
std::uint32_t AddText(Bytes& section, const std::string& text, std::size_t skip = 0)
{
    auto rva = SectionRva + std::uint32_t(section.size());
    section.insert(section.end(), skip, 0);
    section.insert(section.end(), text.begin(), text.end());
    section.push_back(0);
    return rva;
}

// Each import's lookup table, at `table`, with its calls' hints and names.
void AddLookupTables(Bytes& section, const ImageSpec& spec, std::size_t table)
{
    std::size_t entrySize = spec.lookupEntrySize();
    for (std::size_t i = 0; i < spec.imports.size(); ++i) {
        Put(section, i * 20, SectionRva + table, 4);
        for (const std::string& call : spec.CallsOf(i)) {
            std::uint64_t byNumber = std::uint64_t(1) << (entrySize * 8 - 1);
            Put(section, table, call[0] == '#' ? byNumber | std::stoul(call.substr(1)) : AddText(section, call, 2),
                entrySize);
            table += entrySize;
        }
        table += entrySize;
    }
}

// The section's contents: both descriptor tables, each ended by a zero
// descriptor, the lookup tables, then the texts.
Bytes SectionContents(const ImageSpec& spec)
{
    std::size_t delayTable = (spec.imports.size() + 1) * 20;
    std::size_t lookupTables = delayTable + (spec.delayLoaded.size() + 1) * 32;
    std::size_t texts = lookupTables;
    for (std::size_t i = 0; i < spec.imports.size(); ++i)
        texts += (spec.CallsOf(i).size() + 1) * spec.lookupEntrySize();
    Bytes section(texts);
    for (std::size_t i = 0; i < spec.imports.size(); ++i)
        Put(section, i * 20 + 12, AddText(section, spec.imports[i]), 4);
    for (std::size_t i = 0; i < spec.delayLoaded.size(); ++i) {
        std::uint64_t name = AddText(section, spec.delayLoaded[i]);
        Put(section, delayTable + i * 32, spec.delayAddressesAreRvas() ? 1 : 0, 4);
        Put(section, delayTable + i * 32 + 4, spec.delayAddressesAreRvas() ? name : name + ImageBase, 4);
    }
    AddLookupTables(section, spec, lookupTables);
    return section;
}

Bytes MakeImage(const ImageSpec& spec)
{
    Bytes section = SectionContents(spec);
    std::size_t delayTable = (spec.imports.size() + 1) * 20;
    std::size_t optionalSize = spec.pe32Plus() ? 240 : 224;
    std::size_t optional = PeHeader + 24;
    std::size_t directories = optional + (spec.pe32Plus() ? 112 : 96);
    Bytes image(SectionOffset);
    Put(image, 0, 0x5A4D, 2);
    Put(image, 0x3C, PeHeader, 4);
    Put(image, PeHeader, 0x4550, 4);
    Put(image, PeHeader + 4, spec.pe32Plus() ? 0x8664 : 0x14C, 2);
    Put(image, PeHeader + 6, 1, 2);
    Put(image, PeHeader + 20, optionalSize, 2);
    Put(image, optional, spec.pe32Plus() ? 0x20B : 0x10B, 2);
    Put(image, optional + (spec.pe32Plus() ? 24 : 28), ImageBase, spec.pe32Plus() ? 8 : 4);
    Put(image, optional + (spec.pe32Plus() ? 108 : 92), 16, 4);
    if (!spec.imports.empty())
        Put(image, directories + 1 * 8, SectionRva, 4);
    if (!spec.delayLoaded.empty())
        Put(image, directories + 13 * 8, SectionRva + delayTable, 4);
    std::size_t sectionHeader = optional + optionalSize;
    Put(image, sectionHeader + 8, section.size(), 4);
    Put(image, sectionHeader + 12, SectionRva, 4);
    Put(image, sectionHeader + 16, section.size(), 4);
    Put(image, sectionHeader + 20, SectionOffset, 4);
    image.insert(image.end(), section.begin(), section.end());
    return image;
}

std::string ErrorOf(const Bytes& image)
{
    try {
        ReadPeImports(image);
    } catch (const EBadPeImage& error) {
        return error.Message();
    }
    return "no error";
}

const Names SomeImports{"KERNEL32.dll", "USER32.dll", "zlib1.dll"};

TEST(PeImports, ReadsTheImportTableInItsOrder)
{
    EXPECT_EQ(ReadPeImports(MakeImage({SomeImports})).dlls, SomeImports);
    EXPECT_EQ(ReadPeImports(MakeImage({SomeImports, {}, Format::Pe32})).dlls, SomeImports);
}

// Calls imported by number have no name to give and are left out.
TEST(PeImports, ReadsTheCallsOfEachImportByName)
{
    std::vector<Names> calls{{"GetTickCount64", "#17", "CreateFileW"}, {}, {"MessageBoxA"}};
    std::vector<PeImportedCall> expected{
        {"KERNEL32.dll", "GetTickCount64"}, {"KERNEL32.dll", "CreateFileW"}, {"zlib1.dll", "MessageBoxA"}};
    for (Format format : {Format::Pe32Plus, Format::Pe32}) {
        ImageSpec spec{SomeImports, {}, format, DelayAddresses::Rvas, calls};
        EXPECT_EQ(ReadPeImports(MakeImage(spec)).calls, expected);
    }
}

TEST(PeImports, ReadsTheDelayLoadTableWithRvasOrWithAddresses)
{
    Names delayLoaded{"uxtheme.dll", "libstdc++-6.dll"};
    PeImports read = ReadPeImports(MakeImage({{"msvcrt.dll"}, delayLoaded}));
    EXPECT_EQ(read.dlls, Names{"msvcrt.dll"});
    EXPECT_EQ(read.delayLoadedDlls, delayLoaded);
    EXPECT_EQ(read.AllDlls(), (Names{"msvcrt.dll", "uxtheme.dll", "libstdc++-6.dll"}));

    ImageSpec oldStyle{{}, delayLoaded, Format::Pe32, DelayAddresses::VirtualAddresses};
    EXPECT_EQ(ReadPeImports(MakeImage(oldStyle)).delayLoadedDlls, delayLoaded);
}

TEST(PeImports, AnImageWithoutTablesImportsNothing)
{
    PeImports read = ReadPeImports(MakeImage({}));
    EXPECT_TRUE(read.dlls.empty());
    EXPECT_TRUE(read.delayLoadedDlls.empty());
}

TEST(PeImports, BytesThatAreNoPeImageAreRefusedWithTheReason)
{
    EXPECT_EQ(ErrorOf({}), "Not a readable Windows program: the DOS header lies outside the file");
    EXPECT_EQ(ErrorOf(Bytes(512, 'x')), "Not a readable Windows program: no DOS header");
    Bytes image = MakeImage({SomeImports});
    Bytes noSignature = image;
    noSignature[PeHeader + 1] = 'X';
    EXPECT_EQ(ErrorOf(noSignature), "Not a readable Windows program: no PE signature");
    Bytes farHeader = image;
    Put(farHeader, 0x3C, 0xFFFFFFF0u, 4);
    EXPECT_EQ(ErrorOf(farHeader), "Not a readable Windows program: the PE signature lies outside the file");
    Bytes romImage = image;
    Put(romImage, PeHeader + 24, 0x107, 2);
    EXPECT_EQ(ErrorOf(romImage), "Not a readable Windows program: unknown optional header 263");
}

TEST(PeImports, TablesAndNamesOutsideTheirSectionAreRefused)
{
    Bytes image = MakeImage({SomeImports});
    std::size_t directories = PeHeader + 24 + 112;
    std::size_t sectionHeader = PeHeader + 24 + 240;

    Bytes tableNowhere = image;
    Put(tableNowhere, directories + 8, 0x9000, 4);
    EXPECT_EQ(ErrorOf(tableNowhere), "Not a readable Windows program: the import table lies in no section");

    Bytes nameNowhere = image;
    Put(nameNowhere, SectionOffset + 12, 0x10, 4);
    EXPECT_EQ(ErrorOf(nameNowhere), "Not a readable Windows program: a DLL name lies in no section");

    // The section ends inside the last name; the table starts too near its end.
    std::size_t sectionSize = image.size() - SectionOffset;
    Bytes cutName = image;
    Put(cutName, sectionHeader + 8, sectionSize - 2, 4);
    EXPECT_EQ(ErrorOf(cutName), "Not a readable Windows program: a DLL name has no end");
    Bytes cutTable = image;
    Put(cutTable, directories + 8, SectionRva + sectionSize - 10, 4);
    EXPECT_EQ(ErrorOf(cutTable), "Not a readable Windows program: the import table has no end");

    Bytes sectionPastTheEnd = image;
    Put(sectionPastTheEnd, sectionHeader + 16, 0x100000, 4);
    Put(sectionPastTheEnd, sectionHeader + 8, 0x100000, 4);
    EXPECT_EQ(ErrorOf(sectionPastTheEnd), "Not a readable Windows program: the import table lies outside the file");
}

// A program file cut short anywhere, as by an interrupted copy, is refused;
// so is one with any byte changed, or it reads some list: never a crash or a
// read outside the bytes (the sanitizers watch this test).
TEST(PeImports, CutOrDamagedFilesAreRefusedOrReadWithinTheirBytes)
{
    Bytes image = MakeImage({SomeImports, {"uxtheme.dll"}, Format::Pe32Plus, DelayAddresses::Rvas,
                             {{"CreateFileW", "#3"}, {"MessageBoxA"}}});
    for (std::size_t length = 0; length < image.size(); ++length) {
        Bytes cut(image.begin(), image.begin() + std::ptrdiff_t(length));
        EXPECT_THROW(ReadPeImports(cut), EBadPeImage) << "cut to " << length << " bytes";
    }
    for (std::size_t at = 0; at < image.size(); ++at)
        for (std::uint8_t value : {std::uint8_t(0x00), std::uint8_t(0x7F), std::uint8_t(0xFF)}) {
            Bytes damaged = image;
            damaged[at] = value;
            try {
                ReadPeImports(damaged);
            } catch (const EBadPeImage&) {
            }
        }
}

}  // namespace
