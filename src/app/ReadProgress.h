#pragma once
// How a read of whole files tells its caller how far it has come.

#include <cstdint>

class ReadProgress {
public:
    // Told once before the reading starts: the bytes it will read in all.
    virtual void ReadStarting(std::uint64_t bytes) = 0;

    // Told after every read with the count of bytes it brought. May throw to
    // end the reading; the reader's files and buffers are released on the way.
    virtual void BytesRead(std::uint64_t count) = 0;

protected:
    ~ReadProgress() = default;
};
