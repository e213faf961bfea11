#include "skin/model/acSkinPack.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr char kMagic[4] = {'Q', 'L', 'p', 'k'};

std::string UpperAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

// The extension as a file-name routine sees it: from the last "." that comes
// after the last "\" or ":".
std::string ExtensionOf(const std::string& name)
{
    std::size_t at = name.find_last_of(".\\:");
    if (at == std::string::npos || name[at] != '.')
        return {};
    return name.substr(at);
}

[[noreturn]] void Truncated()
{
    throw ECorruptSkinPackage();
}

int32_t ReadInt32(TacStream& source)
{
    uint8_t b[4];
    if (source.Read(b, 4) != 4)
        Truncated();
    return int32_t(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24));
}

std::string Quoted(const std::string& name)
{
    return "\"" + name + "\"";
}

class Inflater {
public:
    Inflater()
    {
        if (inflateInit(&z_) != Z_OK)
            throw EOutOfMemory();
    }
    ~Inflater() { inflateEnd(&z_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Inflates the zlib stream at the source's position into exactly size
    // bytes and leaves the source on the first byte after the stream.
    std::vector<uint8_t> Run(TacStream& source, std::size_t size, const std::string& name)
    {
        std::vector<uint8_t> input(TacSkinConvertor::kInflateBlockSize);
        std::vector<uint8_t> output;
        uint8_t overflow = 0;
        for (;;) {
            if (z_.avail_in == 0) {
                std::size_t n = source.Read(input.data(), input.size());
                if (n == 0)
                    Truncated();
                z_.next_in = input.data();
                z_.avail_in = uInt(n);
            }
            std::size_t produced = z_.total_out;
            if (produced < size) {
                if (output.size() == produced)
                    output.resize(std::min(size, std::max<std::size_t>(2 * produced, 65536)));
                z_.next_out = output.data() + produced;
                z_.avail_out = uInt(output.size() - produced);
            } else {
                z_.next_out = &overflow;  // any byte landing here is one too many
                z_.avail_out = 1;
            }
            int rc = inflate(&z_, Z_NO_FLUSH);
            if (z_.total_out > size)
                throw ECorruptSkinPackage("Corrupt skin package: member " + Quoted(name) +
                                          " inflates to more than its " + std::to_string(size) + " bytes");
            if (rc == Z_STREAM_END)
                break;
            if (rc == Z_MEM_ERROR)
                throw EOutOfMemory();
            if (rc == Z_BUF_ERROR && z_.avail_in != 0)
                rc = Z_DATA_ERROR;  // no progress with input and room: never loop on it
            if (rc != Z_OK && rc != Z_BUF_ERROR)
                throw ECorruptSkinPackage("Corrupt skin package: member " + Quoted(name) +
                                          " is not a valid zlib stream (" +
                                          (z_.msg ? z_.msg : "error " + std::to_string(rc)) + ")");
        }
        if (z_.total_out != size)
            Truncated();
        source.SetPosition(source.Position() - z_.avail_in);
        output.resize(size);
        return output;
    }

private:
    z_stream z_{};
};

}  // namespace

void TacSkinConvertor::ReadPackage(TacStream& source)
{
    Clear();
    source_ = &source;
    try {
        ReadMembers(source);
    } catch (...) {
        Clear();
        throw;
    }
}

void TacSkinConvertor::ReadPackage(std::unique_ptr<TacStream> source)
{
    TacStream& stream = *source;
    ReadPackage(stream);
    ownedSource_ = std::move(source);
}

void TacSkinConvertor::Clear()
{
    while (!members_.empty())
        members_.pop_back();
    optionsData_.reset();
    source_ = nullptr;
    ownedSource_.reset();
}

void TacSkinConvertor::ReadMembers(TacStream& source)
{
    source.SetPosition(0);
    char magic[4] = {};
    std::size_t got = source.Read(magic, 4);
    if (got == 0 || std::memcmp(magic, kMagic, got) != 0)
        throw ENotSkinPackage();
    if (got < 4)
        Truncated();

    int32_t count = ReadInt32(source);
    if (count < 1 || count > limits_.maxMemberCount)
        throw ECorruptSkinPackage("Corrupt skin package: member count " + std::to_string(count) +
                                  " is outside 1.." + std::to_string(limits_.maxMemberCount));
    if (uint64_t(count) * kMinMemberBytes > source.Remaining())
        throw ECorruptSkinPackage("Corrupt skin package: " + std::to_string(count) +
                                  " members cannot fit in the remaining " +
                                  std::to_string(source.Remaining()) + " bytes");
    int64_t total = 0;
    for (int32_t i = 0; i < count; ++i) {
        int32_t nameLength = ReadInt32(source);
        if (nameLength < 1 || nameLength > limits_.maxNameLength)
            throw ECorruptSkinPackage("Corrupt skin package: member " + std::to_string(i + 1) +
                                      " has a name length of " + std::to_string(nameLength));
        if (uint64_t(nameLength) > source.Remaining())
            Truncated();
        std::string name(std::size_t(nameLength), '\0');
        if (source.Read(name.data(), name.size()) != name.size())
            Truncated();
        int32_t size = ReadInt32(source);
        if (size < 0 || size > limits_.maxMemberSize || total + size > limits_.maxTotalSize)
            throw ECorruptSkinPackage("Corrupt skin package: member " + Quoted(name) + " declares " +
                                      std::to_string(size) + " unpacked bytes");
        total += size;
        std::vector<uint8_t> bytes = Inflater().Run(source, std::size_t(size), name);
        if (UpperAscii(name) == "OPTIONS.DAT") {
            if (optionsData_)
                throw ECorruptSkinPackage("Corrupt skin package: more than one Options.dat member");
            optionsData_ = std::make_unique<TacMemoryStream>(std::move(bytes));
        } else {
            bool isBitmap = UpperAscii(ExtensionOf(name)) == ".BMP";
            members_.push_back({std::move(name), isBitmap, TacMemoryStream(std::move(bytes))});
        }
    }
    if (!optionsData_)
        throw ECorruptSkinPackage("Corrupt skin package: no Options.dat member");
    if (source.Remaining() != 0)
        throw ECorruptSkinPackage("Corrupt skin package: " + std::to_string(source.Remaining()) +
                                  " bytes after the last member");
}
