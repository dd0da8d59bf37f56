#pragma once
// Little-endian byte writer shared by the metafile record writers: records are appended, and
// sizes known only at the end (record lengths, file size, counts) are patched in place.

#include <QByteArray>

#include <cstdint>
#include <string_view>

namespace platform {

class LittleEndianWriter {
  public:
    void U8(std::uint8_t value);
    void U16(std::uint16_t value);
    void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
    void U32(std::uint32_t value);
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void F32(float value);
    void Bytes(std::string_view bytes);
    // Zero bytes up to the next multiple of `alignment` from the start.
    void PadTo(int alignment);
    // Exactly `count` bytes: `bytes` cut or padded with zeros.
    void FixedBytes(std::string_view bytes, int count);

    void PatchU16(qsizetype offset, std::uint16_t value);
    void PatchU32(qsizetype offset, std::uint32_t value);

    qsizetype Size() const { return data_.size(); }
    const QByteArray& Data() const { return data_; }

  private:
    QByteArray data_;
};

} // namespace platform
