#include "core/PeImports.h"

#include <algorithm>
#include <optional>

// The layout is the PE/COFF format's: the DOS header points to the PE
// signature, which the file header and the optional header follow; the
// optional header ends in the data directories, the section table follows it.
// Import tables are addressed by relative virtual addresses (RVAs), which the
// section table maps back to file offsets.

namespace {

constexpr std::size_t NewHeaderPointer = 0x3C;
constexpr std::size_t FileHeaderSize = 20;
constexpr std::size_t SectionHeaderSize = 40;
constexpr std::uint16_t Pe32Magic = 0x10B;
constexpr std::uint16_t Pe32PlusMagic = 0x20B;
constexpr std::uint32_t ImportDirectory = 1;
constexpr std::uint32_t DelayImportDirectory = 13;
constexpr std::size_t ImportDescriptorSize = 20;
constexpr std::size_t ImportDescriptorName = 12;
constexpr std::size_t ImportDescriptorFirstThunk = 16;
constexpr std::size_t DelayDescriptorSize = 32;
constexpr std::size_t DelayDescriptorName = 4;
// The delay-load descriptor's attribute bit for RVAs; without it (descriptors
// of very old linkers) its addresses are virtual addresses.
constexpr std::uint32_t DelayAddressesAreRvas = 1;
constexpr std::size_t MaxDllNameLength = 260;
constexpr std::size_t MaxCallNameLength = 4096;

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t mappedSize;  // bytes of the section that come from the file
    std::size_t fileOffset;
};

// Where an RVA's bytes lie in the file, and how many of its section follow.
struct FileSpan {
    std::size_t offset;
    std::size_t available;
};

class PeImage {
public:
    explicit PeImage(std::span<const std::uint8_t> image);
    std::vector<std::string> ImportedDlls() const;
    std::vector<PeImportedCall> ImportedCalls() const;
    std::vector<std::string> DelayLoadedDlls() const;

private:
    std::uint64_t Read(std::size_t offset, std::size_t size, const char* what) const;
    std::optional<std::uint32_t> DirectoryRva(std::uint32_t index) const;
    FileSpan Locate(std::uint32_t rva, const char* what) const;
    std::string Text(std::uint32_t rva, std::size_t maxLength, const char* what) const;
    std::string DllName(std::uint32_t rva) const { return Text(rva, MaxDllNameLength, "a DLL name"); }
    void AddCalls(const std::string& dll, std::uint32_t thunks, std::vector<PeImportedCall>& calls) const;
    void ReadSections(std::size_t table, std::uint16_t count);

    std::span<const std::uint8_t> image_;
    std::size_t optionalHeader_ = 0;
    std::size_t optionalHeaderSize_ = 0;
    bool isPe32Plus_ = false;
    std::uint64_t imageBase_ = 0;
    std::vector<Section> sections_;
};

PeImage::PeImage(std::span<const std::uint8_t> image) : image_(image)
{
    if (Read(0, 2, "the DOS header") != 0x5A4D)  // "MZ"
        throw EBadPeImage("no DOS header");
    std::size_t peHeader = Read(NewHeaderPointer, 4, "the DOS header");
    if (Read(peHeader, 4, "the PE signature") != 0x4550)  // "PE\0\0"
        throw EBadPeImage("no PE signature");
    std::size_t fileHeader = peHeader + 4;
    auto sectionCount = std::uint16_t(Read(fileHeader + 2, 2, "the file header"));
    optionalHeaderSize_ = Read(fileHeader + 16, 2, "the file header");
    optionalHeader_ = fileHeader + FileHeaderSize;
    auto magic = Read(optionalHeader_, 2, "the optional header");
    if (magic != Pe32Magic && magic != Pe32PlusMagic)
        throw EBadPeImage("unknown optional header " + std::to_string(magic));
    isPe32Plus_ = magic == Pe32PlusMagic;
    imageBase_ = isPe32Plus_ ? Read(optionalHeader_ + 24, 8, "the optional header")
                             : Read(optionalHeader_ + 28, 4, "the optional header");
    ReadSections(optionalHeader_ + optionalHeaderSize_, sectionCount);
}

void PeImage::ReadSections(std::size_t table, std::uint16_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t header = table + i * SectionHeaderSize;
        auto virtualSize = std::uint32_t(Read(header + 8, 4, "the section table"));
        auto virtualAddress = std::uint32_t(Read(header + 12, 4, "the section table"));
        auto rawSize = std::uint32_t(Read(header + 16, 4, "the section table"));
        auto rawOffset = std::size_t(Read(header + 20, 4, "the section table"));
        // The loader maps no more of the file than the section's virtual size.
        std::uint32_t mapped = virtualSize ? std::min(virtualSize, rawSize) : rawSize;
        sections_.push_back({virtualAddress, mapped, rawOffset});
    }
}

std::uint64_t PeImage::Read(std::size_t offset, std::size_t size, const char* what) const
{
    if (offset > image_.size() || image_.size() - offset < size)
        throw EBadPeImage(std::string(what) + " lies outside the file");
    std::uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | image_[offset + i];
    return value;
}

std::optional<std::uint32_t> PeImage::DirectoryRva(std::uint32_t index) const
{
    std::size_t directories = optionalHeader_ + (isPe32Plus_ ? 112 : 96);
    std::size_t countField = optionalHeader_ + (isPe32Plus_ ? 108 : 92);
    std::size_t entry = directories + std::size_t(index) * 8;
    if (entry + 8 > optionalHeader_ + optionalHeaderSize_ ||
        index >= Read(countField, 4, "the optional header"))
        return std::nullopt;
    auto rva = std::uint32_t(Read(entry, 4, "the data directories"));
    return rva ? std::optional(rva) : std::nullopt;
}

FileSpan PeImage::Locate(std::uint32_t rva, const char* what) const
{
    for (const Section& section : sections_) {
        if (rva < section.virtualAddress || rva - section.virtualAddress >= section.mappedSize)
            continue;
        std::size_t offset = section.fileOffset + (rva - section.virtualAddress);
        std::size_t end = section.fileOffset + section.mappedSize;
        if (end > image_.size())
            throw EBadPeImage(std::string(what) + " lies outside the file");
        return {offset, end - offset};
    }
    throw EBadPeImage(std::string(what) + " lies in no section");
}

std::string PeImage::Text(std::uint32_t rva, std::size_t maxLength, const char* what) const
{
    FileSpan text = Locate(rva, what);
    std::size_t limit = std::min(text.available, maxLength + 1);
    auto first = image_.begin() + std::ptrdiff_t(text.offset);
    auto end = std::find(first, first + std::ptrdiff_t(limit), std::uint8_t(0));
    if (end == first + std::ptrdiff_t(limit))
        throw EBadPeImage(std::string(what) + " has no end");
    if (end == first)
        throw EBadPeImage(std::string(what) + " is empty");
    return std::string(first, end);
}

// A lookup table lists a DLL's calls, ended by a zero entry: each entry holds
// the RVA of the call's hint and name, or (top bit set) its number.
void PeImage::AddCalls(const std::string& dll, std::uint32_t thunks, std::vector<PeImportedCall>& calls) const
{
    std::size_t entrySize = isPe32Plus_ ? 8 : 4;
    std::uint64_t byNumber = std::uint64_t(1) << (entrySize * 8 - 1);
    FileSpan table = Locate(thunks, "a lookup table");
    for (std::size_t at = 0;; at += entrySize) {
        if (table.available - at < entrySize)
            throw EBadPeImage("a lookup table has no end");
        std::uint64_t entry = Read(table.offset + at, entrySize, "a lookup table");
        if (entry == 0)
            return;
        if (!(entry & byNumber))
            calls.push_back({dll, Text(std::uint32_t(entry) + 2, MaxCallNameLength, "a call's name")});
    }
}

std::vector<std::string> PeImage::ImportedDlls() const
{
    std::vector<std::string> dlls;
    std::optional<std::uint32_t> rva = DirectoryRva(ImportDirectory);
    if (!rva)
        return dlls;
    FileSpan table = Locate(*rva, "the import table");
    for (std::size_t at = 0;; at += ImportDescriptorSize) {
        if (table.available - at < ImportDescriptorSize)
            throw EBadPeImage("the import table has no end");
        auto name = std::uint32_t(Read(table.offset + at + ImportDescriptorName, 4, "the import table"));
        if (name == 0)
            return dlls;
        dlls.push_back(DllName(name));
    }
}

std::vector<std::string> PeImage::DelayLoadedDlls() const
{
    std::vector<std::string> dlls;
    std::optional<std::uint32_t> rva = DirectoryRva(DelayImportDirectory);
    if (!rva)
        return dlls;
    FileSpan table = Locate(*rva, "the delay-load table");
    for (std::size_t at = 0;; at += DelayDescriptorSize) {
        if (table.available - at < DelayDescriptorSize)
            throw EBadPeImage("the delay-load table has no end");
        auto attributes = Read(table.offset + at, 4, "the delay-load table");
        std::uint64_t name = Read(table.offset + at + DelayDescriptorName, 4, "the delay-load table");
        if (name == 0)
            return dlls;
        if (!(attributes & DelayAddressesAreRvas)) {
            if (name < imageBase_ || name - imageBase_ > UINT32_MAX)
                throw EBadPeImage("a delay-loaded DLL's name lies outside the image");
            name -= imageBase_;
        }
        dlls.push_back(DllName(std::uint32_t(name)));
    }
}

// The lookup table is the import name table, or where a linker left that
// out, the address table before the loader fills it in.
std::vector<PeImportedCall> PeImage::ImportedCalls() const
{
    std::vector<PeImportedCall> calls;
    std::optional<std::uint32_t> rva = DirectoryRva(ImportDirectory);
    if (!rva)
        return calls;
    FileSpan table = Locate(*rva, "the import table");
    for (std::size_t at = 0; table.available - at >= ImportDescriptorSize; at += ImportDescriptorSize) {
        std::size_t descriptor = table.offset + at;
        auto name = std::uint32_t(Read(descriptor + ImportDescriptorName, 4, "the import table"));
        if (name == 0)
            break;
        auto thunks = std::uint32_t(Read(descriptor, 4, "the import table"));
        if (thunks == 0)
            thunks = std::uint32_t(Read(descriptor + ImportDescriptorFirstThunk, 4, "the import table"));
        AddCalls(DllName(name), thunks, calls);
    }
    return calls;
}

}  // namespace

std::vector<std::string> PeImports::AllDlls() const
{
    std::vector<std::string> all = dlls;
    all.insert(all.end(), delayLoadedDlls.begin(), delayLoadedDlls.end());
    return all;
}

PeImports ReadPeImports(std::span<const std::uint8_t> image)
{
    PeImage pe(image);
    return {pe.ImportedDlls(), pe.DelayLoadedDlls(), pe.ImportedCalls()};
}
