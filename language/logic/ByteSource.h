// Where the section reader's bytes come from: a file on Windows, a memory
// block in the native tests, the fuzzer and the benchmark.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies up to `size` further bytes into `buffer`; 0 at the end.
    virtual size_t Read(uint8_t* buffer, size_t size) = 0;
};

// The bytes of a memory block, handed out in pieces of at most `step` bytes
// so that tests can put piece borders anywhere in a line.
class MemoryByteSource : public ByteSource {
public:
    MemoryByteSource(const void* data, size_t size, size_t step = SIZE_MAX)
        : m_data(static_cast<const uint8_t*>(data)), m_size(size), m_step(step ? step : 1) {}

    size_t Read(uint8_t* buffer, size_t size) override
    {
        size_t n = m_size - m_pos;
        if (n > size) n = size;
        if (n > m_step) n = m_step;
        if (n) std::memcpy(buffer, m_data + m_pos, n);
        m_pos += n;
        return n;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_step;
    size_t m_pos = 0;
};
