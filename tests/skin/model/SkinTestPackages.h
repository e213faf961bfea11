#pragma once
// Skin packages built in memory for the tests, and the internal skin's.

#include <cstdint>
#include <string>
#include <vector>

struct TestMember {
    std::string name;
    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> Bytes(const std::string& text);
// "QLpk", the count, then each member with one zlib stream.
std::vector<uint8_t> BuildPackage(const std::vector<TestMember>& members);
// Offsets of the 32-bit fields of a built package: the count, then per
// member its name length and its unpacked size.
std::vector<std::size_t> LengthFieldOffsets(const std::vector<uint8_t>& package);
void PutInt32(std::vector<uint8_t>& bytes, std::size_t offset, int32_t value);
// A whole .bmp of 24 bits, w x h of one colour (0x00RRGGBB).
std::vector<uint8_t> SolidBmp(int w, int h, uint32_t rgb);
// The committed internal skin package.
std::vector<uint8_t> InternalSkinPackage();
