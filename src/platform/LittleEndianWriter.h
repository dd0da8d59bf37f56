#pragma once
// Little-endian byte writer shared by the metafile record writers: records are appended, and
// sizes known only at the end (record lengths, file size, counts) are patched in place. Fields
// go straight into a buffer that grows by doubling: appending them one by one to a QByteArray
// cost more than drawing the picture.

#include <QByteArray>

#include <cstdint>
#include <string_view>

namespace platform {

class LittleEndianWriter {
  public:
    explicit LittleEndianWriter(qsizetype expected = 4096);

    void U8(std::uint8_t value) { *Grow(1) = static_cast<char>(value); }
    void U16(std::uint16_t value) { Put(Grow(2), value, 2); }
    void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
    void U32(std::uint32_t value) { Put(Grow(4), value, 4); }
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void F32(float value);
    void Bytes(std::string_view bytes);
    // Zero bytes up to the next multiple of `alignment` from the start.
    void PadTo(int alignment);
    // Exactly `count` bytes: `bytes` cut or padded with zeros.
    void FixedBytes(std::string_view bytes, int count);

    void PatchU16(qsizetype offset, std::uint16_t value) { Put(base_ + offset, value, 2); }
    void PatchU32(qsizetype offset, std::uint32_t value) { Put(base_ + offset, value, 4); }

    qsizetype Size() const { return size_; }
    // The bytes written; the writer is empty after.
    QByteArray Take();

  private:
    // Room for `bytes` more at the end; returns where they go.
    char* Grow(qsizetype bytes) {
        if (size_ + bytes > data_.size()) Reserve(size_ + bytes);
        char* at = base_ + size_;
        size_ += bytes;
        return at;
    }
    void Reserve(qsizetype bytes);
    static void Put(char* at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            at[i] = static_cast<char>(value >> (8 * i) & 0xFF);
    }

    QByteArray data_; // its size is the room; size_ bytes of it are written
    char* base_ = nullptr;
    qsizetype size_ = 0;
};

} // namespace platform
