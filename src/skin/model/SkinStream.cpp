#include "skin/model/SkinStream.h"

#include <algorithm>
#include <cstring>

namespace {

std::size_t ReadFrom(std::span<const uint8_t> bytes, std::size_t& position, void* buffer, std::size_t count)
{
    std::size_t n = std::min(count, bytes.size() - position);
    if (n > 0)
        std::memcpy(buffer, bytes.data() + position, n);
    position += n;
    return n;
}

}  // namespace

std::size_t TacSpanStream::Read(void* buffer, std::size_t count)
{
    return ReadFrom(bytes_, position_, buffer, count);
}

void TacSpanStream::SetPosition(uint64_t position)
{
    position_ = std::size_t(std::min<uint64_t>(position, bytes_.size()));
}

std::size_t TacMemoryStream::Read(void* buffer, std::size_t count)
{
    return ReadFrom(bytes_, position_, buffer, count);
}

void TacMemoryStream::SetPosition(uint64_t position)
{
    position_ = std::size_t(std::min<uint64_t>(position, bytes_.size()));
}
