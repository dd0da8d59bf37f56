#include "platform/LittleEndianWriter.h"

#include <algorithm>
#include <cstring>

namespace platform {

LittleEndianWriter::LittleEndianWriter(qsizetype expected) {
    Reserve(std::max<qsizetype>(expected, 16));
}

void LittleEndianWriter::Reserve(qsizetype bytes) {
    data_.resize(std::max(bytes, data_.size() * 2));
    base_ = data_.data();
}

void LittleEndianWriter::F32(float value) {
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    U32(bits);
}

void LittleEndianWriter::Bytes(std::string_view bytes) {
    const auto size = static_cast<qsizetype>(bytes.size());
    if (size > 0) std::memcpy(Grow(size), bytes.data(), bytes.size());
}

void LittleEndianWriter::PadTo(int alignment) {
    const qsizetype rest = size_ % alignment;
    if (rest != 0)
        std::memset(Grow(alignment - rest), 0, static_cast<std::size_t>(alignment - rest));
}

void LittleEndianWriter::FixedBytes(std::string_view bytes, int count) {
    const auto kept = std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(count));
    Bytes(bytes.substr(0, kept));
    const auto zeros = static_cast<qsizetype>(static_cast<std::size_t>(count) - kept);
    if (zeros > 0) std::memset(Grow(zeros), 0, static_cast<std::size_t>(zeros));
}

QByteArray LittleEndianWriter::Take() {
    data_.truncate(size_);
    QByteArray taken = std::move(data_);
    data_ = QByteArray();
    base_ = nullptr;
    size_ = 0;
    return taken;
}

} // namespace platform
