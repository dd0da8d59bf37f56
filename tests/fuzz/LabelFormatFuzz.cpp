// The label-format loader: any file gives a sheet; saved over the file, loaded and saved again,
// it gives the same bytes, the file's other lines kept.

#include "FuzzCheck.h"
#include "app/LabelSheet.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QChar separator = input.ConsumeBool() ? u',' : u'.';
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    auto profile = platform::ProfileFile::FromBytes(QByteArray::fromStdString(bytes));
    const app::LabelSheet sheet = app::ReadFormatSection(profile, separator);
    app::WriteFormatSection(profile, sheet, separator);
    const QByteArray saved = profile.ToBytes();
    auto reread = platform::ProfileFile::FromBytes(saved);
    app::WriteFormatSection(reread, app::ReadFormatSection(reread, separator), separator);
    FUZZ_CHECK(reread.ToBytes() == saved);
    return 0;
}
