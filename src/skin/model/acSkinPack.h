#pragma once
// The skin package: a whole skin (its Options.dat text and its images) in one
// byte stream.
//
// Layout, every integer 32-bit signed little-endian:
//   "QLpk" (exact letter case), member count N, then N members back to back:
//   name length L, L name bytes (no terminator), unpacked size S, and one zlib
//   stream that inflates to exactly S bytes. A member ends where its zlib
//   stream ends (after the Adler-32 trailer); there is no member table and no
//   stored compressed length, so the reader finds that point by inflating.
//   Exactly one member is named Options.dat (any letter case).
//
// Caps (TacPackageLimits; anything beyond them is a corrupt package, not an
// allocation):
//   - member count: 1 to 1024, and no more members than the remaining bytes
//     can hold at kMinMemberBytes (17) each;
//   - name length: 1 to 260 bytes (the longest Windows path), and never
//     beyond the remaining bytes;
//   - unpacked size: 0 to 64 MiB per member and 256 MiB for all members
//     together; the output grows with what actually inflates, so a short
//     stream never costs its declared size.
// A stream that inflates to fewer bytes than its size, ends before its end,
// fails its checksum or would inflate to more than its size is corrupt;
// nothing of such a package is kept, and neither of one with bytes after its
// last member (a damaged member count).

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "skin/model/SkinErrors.h"
#include "skin/model/SkinStream.h"

// One member of a package other than Options.dat, unpacked.
struct TacImageItem {
    std::string FileName;  // as stored
    bool IsBitmap = false;  // the upper-cased extension is ".BMP"
    TacMemoryStream Data;
};
using TacImageItems = std::vector<TacImageItem>;

struct TacPackageLimits {
    int32_t maxMemberCount = 1024;
    int32_t maxNameLength = 260;
    int32_t maxMemberSize = 64 << 20;
    int64_t maxTotalSize = int64_t(256) << 20;
};

class TacSkinConvertor {
public:
    static constexpr int32_t kMinMemberBytes = 17;  // 4 + 1 + 4 + the shortest zlib stream (8)
    static constexpr std::size_t kInflateBlockSize = 65536;

    explicit TacSkinConvertor(const TacPackageLimits& limits = {}) : limits_(limits) {}
    TacSkinConvertor(const TacSkinConvertor&) = delete;
    TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;

    // Reads the package from the start of source, which the caller keeps
    // alive while this reader is in use. Throws ENotSkinPackage for a wrong
    // magic and ECorruptSkinPackage for damaged data; either way the reader
    // is left empty.
    void ReadPackage(TacStream& source);
    // The same over a stream the reader owns from now on (a file read whole).
    void ReadPackage(std::unique_ptr<TacStream> source);
    // Frees every member (last to first), the options text and an owned source.
    void Clear();

    TacStream* Source() const { return source_; }
    // The unpacked Options.dat; nullptr while no package is loaded.
    TacMemoryStream* OptionsData() const { return optionsData_.get(); }
    const TacImageItems& Members() const { return members_; }
    TacImageItems& Members() { return members_; }
    // The number of members that are not Options.dat.
    int MemberCount() const { return int(members_.size()); }

private:
    void ReadMembers(TacStream& source);

    TacPackageLimits limits_;
    TacStream* source_ = nullptr;
    std::unique_ptr<TacStream> ownedSource_;
    std::unique_ptr<TacMemoryStream> optionsData_;
    TacImageItems members_;
};
