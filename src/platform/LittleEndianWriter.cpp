#include "platform/LittleEndianWriter.h"

#include <algorithm>
#include <cstring>

namespace platform {

void LittleEndianWriter::U8(std::uint8_t value) {
    data_.append(static_cast<char>(value));
}

void LittleEndianWriter::U16(std::uint16_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    data_.append(bytes, 2);
}

void LittleEndianWriter::U32(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF),
                           static_cast<char>(value >> 16 & 0xFF), static_cast<char>(value >> 24)};
    data_.append(bytes, 4);
}

void LittleEndianWriter::F32(float value) {
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    U32(bits);
}

void LittleEndianWriter::Bytes(std::string_view bytes) {
    data_.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void LittleEndianWriter::PadTo(int alignment) {
    const qsizetype rest = data_.size() % alignment;
    if (rest != 0) data_.append(alignment - rest, '\0');
}

void LittleEndianWriter::FixedBytes(std::string_view bytes, int count) {
    const auto kept = std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(count));
    Bytes(bytes.substr(0, kept));
    data_.append(static_cast<qsizetype>(static_cast<std::size_t>(count) - kept), '\0');
}

void LittleEndianWriter::PatchU16(qsizetype offset, std::uint16_t value) {
    data_[offset] = static_cast<char>(value & 0xFF);
    data_[offset + 1] = static_cast<char>(value >> 8);
}

void LittleEndianWriter::PatchU32(qsizetype offset, std::uint32_t value) {
    PatchU16(offset, static_cast<std::uint16_t>(value));
    PatchU16(offset + 2, static_cast<std::uint16_t>(value >> 16));
}

} // namespace platform
