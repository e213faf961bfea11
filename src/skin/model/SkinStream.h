#pragma once
// Byte streams for skin data: an abstract source the package reader walks,
// a memory stream that owns its bytes (the unpacked members) and a read-only
// stream over bytes someone else owns (an embedded package).

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class TacStream {
public:
    virtual ~TacStream() = default;

    // Reads up to count bytes at the position and moves past them; fewer at the end.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual uint64_t Position() const = 0;
    // Positions beyond the end are clamped to Size().
    virtual void SetPosition(uint64_t position) = 0;
    virtual uint64_t Size() const = 0;

    uint64_t Remaining() const { return Size() - Position(); }
};

// Read-only bytes whose owner outlives the stream.
class TacSpanStream final : public TacStream {
public:
    explicit TacSpanStream(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    uint64_t Position() const override { return position_; }
    void SetPosition(uint64_t position) override;
    uint64_t Size() const override { return bytes_.size(); }

private:
    std::span<const uint8_t> bytes_;
    std::size_t position_ = 0;
};

// Bytes owned by the stream; the unpacked members of a package.
class TacMemoryStream final : public TacStream {
public:
    TacMemoryStream() = default;
    explicit TacMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    uint64_t Position() const override { return position_; }
    void SetPosition(uint64_t position) override;
    uint64_t Size() const override { return bytes_.size(); }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::span<const uint8_t> Span() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    std::size_t position_ = 0;
};
