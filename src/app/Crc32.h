#pragma once
// The standard reflected CRC-32 (polynomial 0xEDB88320 in reversed form, initial
// value 0xFFFFFFFF, final complement), as used by zlib, PNG and Ethernet.
//
// A running value starts at 0xFFFFFFFF, is fed blocks in order and is
// complemented at the end. Every update routine picks the fastest method the
// CPU offers once, at the first call; all methods give identical values.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The largest block FileCrc32 hands to Crc32Update.
inline constexpr std::size_t CrcBlockSize = 32768;

// FileCrc32 reads 32 blocks at a time: under Wine each read call costs about
// as much as folding 32 KiB, and a cached 1 GiB file checksums at 5.9 GB/s in
// reads of 32 KiB against 9.3 GB/s in reads of 1 MiB (bench/FileCompareBench).
inline constexpr std::size_t CrcBufferSize = 32 * CrcBlockSize;

// The read buffer of FileCrc32, shared by every call (so FileCrc32 is not
// reentrant); meaningful only up to the count of the read that filled it.
extern std::array<std::uint8_t, CrcBufferSize> CrcBuffer;

// Folds `count` bytes from `block` into `running`; a count of 0 returns
// `running` without touching `block`.
std::uint32_t Crc32Update(std::uint32_t running, const void* block, std::uint16_t count);

// The same over a span of any length, for callers that fold large spans.
std::uint32_t Crc32Block(std::uint32_t running, const void* data, std::size_t length);

class ReadProgress;

// The checksum of a whole file's bytes. Throws EInOutError with the system
// error number when the file cannot be opened, read or closed. A `progress` is
// told of the file's size and of every read; what it throws ends the checksum.
// Windows only.
std::uint32_t FileCrc32(const std::string& path, ReadProgress* progress = nullptr);
