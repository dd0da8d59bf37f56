// The document loader: any profile file gives a record; saved, loaded and saved again, it gives
// the same bytes (reals keep 15 digits and line breaks become blanks, so what a file spells
// may change once, never twice).

#include "FuzzCheck.h"
#include "app/DocumentFile.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const engine::Unit unit = input.ConsumeBool() ? engine::Unit::Centimetre : engine::Unit::Inch;
    const engine::Unit otherUnit =
        unit == engine::Unit::Centimetre ? engine::Unit::Inch : engine::Unit::Centimetre;
    const QChar separator = input.ConsumeBool() ? u',' : u'.';
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const auto profile = platform::ProfileFile::FromBytes(QByteArray::fromStdString(bytes));
    const app::DocumentRecord record = app::ReadDocumentRecord(profile, unit, separator);
    const QByteArray saved = app::WriteDocumentRecord(record, separator).ToBytes();
    const app::DocumentRecord reread =
        app::ReadDocumentRecord(platform::ProfileFile::FromBytes(saved), otherUnit, separator);
    FUZZ_CHECK(app::WriteDocumentRecord(reread, separator).ToBytes() == saved);
    return 0;
}
