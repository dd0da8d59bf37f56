#include "app/DocumentFile.h"

#include "platform/Errors.h"

namespace app {
namespace {

using platform::ProfileFile;

const QString kBarcode = QStringLiteral("BARCODE");
const QString kSequence = QStringLiteral("SEQUENCE");

// Texts are kept as bytes; the profile file reads and writes them as Latin-1.
QString Latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string Bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

void WriteBarcodeSection(ProfileFile& p, const DocumentRecord& r, QChar separator) {
    p.WriteBool(kBarcode, "METRIC", engine::MetricFlagOf(r.Unit));
    p.WriteReal(kBarcode, "HEIGHT", r.BarHeight, separator);
    p.WriteInteger(kBarcode, "SCALE", r.Scale);
    p.WriteBool(kBarcode, "INTERPRET", r.Interpret);
    p.WriteInteger(kBarcode, "TYPE", static_cast<int>(r.Symbology));
    p.WriteInteger(kBarcode, "ROTATE", r.Rotation);
    p.WriteString(kBarcode, "TEXT", Latin1(r.BarcodeText));
    p.WriteBool(kBarcode, "AUTOSIZE", r.AutoSize);
    p.WriteReal(kBarcode, "BAR_WIDTH", r.BarWidth, separator);
    if (!r.Options.ecc.empty()) p.WriteString(kBarcode, "ECC", Latin1(r.Options.ecc));
    if (r.Options.size != 0) p.WriteInteger(kBarcode, "SYMBOL_SIZE", r.Options.size);
}

void WriteSequenceSection(ProfileFile& p, const app::SequenceSettings& s) {
    p.WriteBool(kSequence, "USE", s.SeqUse);
    p.WriteInteger(kSequence, "MIN", s.SeqMin);
    p.WriteInteger(kSequence, "MAX", s.SeqMax);
    p.WriteInteger(kSequence, "CURRENT", s.SeqCurrent);
    p.WriteInteger(kSequence, "MIN_SIZE", s.SeqMinSize);
    p.WriteString(kSequence, "PREFIX", Latin1(s.SeqPrefix));
    p.WriteString(kSequence, "SUFFIX", Latin1(s.SeqSuffix));
}

void ReadBarcodeSection(const ProfileFile& p, DocumentRecord& r, QChar separator) {
    r.Unit =
        engine::UnitFromMetricFlag(p.ReadBool(kBarcode, "METRIC", engine::MetricFlagOf(r.Unit)));
    r.BarHeight = p.ReadReal(kBarcode, "HEIGHT", r.BarHeight, separator);
    r.Scale = p.ReadInteger(kBarcode, "SCALE", r.Scale);
    r.Interpret = p.ReadBool(kBarcode, "INTERPRET", r.Interpret);
    r.Symbology = static_cast<engine::SymbologyCode>(
        LowByte(p.ReadInteger(kBarcode, "TYPE", static_cast<int>(r.Symbology))));
    r.Rotation = LowByte(p.ReadInteger(kBarcode, "ROTATE", r.Rotation));
    r.BarcodeText = Bytes(p.ReadString(kBarcode, "TEXT", Latin1(r.BarcodeText)));
    r.AutoSize = p.ReadBool(kBarcode, "AUTOSIZE", r.AutoSize);
    r.BarWidth = p.ReadReal(kBarcode, "BAR_WIDTH", r.BarWidth, separator);
    r.Options.ecc = Bytes(p.ReadString(kBarcode, "ECC", Latin1(r.Options.ecc)));
    r.Options.size = p.ReadInteger(kBarcode, "SYMBOL_SIZE", r.Options.size);
}

void ReadSequenceSection(const ProfileFile& p, app::SequenceSettings& s) {
    s.SeqUse = p.ReadBool(kSequence, "USE", s.SeqUse);
    s.SeqMin = p.ReadInteger(kSequence, "MIN", s.SeqMin);
    s.SeqMax = p.ReadInteger(kSequence, "MAX", s.SeqMax);
    s.SeqCurrent = p.ReadInteger(kSequence, "CURRENT", s.SeqCurrent);
    s.SeqMinSize = p.ReadInteger(kSequence, "MIN_SIZE", s.SeqMinSize);
    s.SeqPrefix = Bytes(p.ReadString(kSequence, "PREFIX", Latin1(s.SeqPrefix)));
    s.SeqSuffix = Bytes(p.ReadString(kSequence, "SUFFIX", Latin1(s.SeqSuffix)));
}

} // namespace

ProfileFile WriteDocumentRecord(const DocumentRecord& record, QChar decimalSeparator) {
    ProfileFile profile;
    WriteBarcodeSection(profile, record, decimalSeparator);
    WriteSequenceSection(profile, record.Sequence);
    app::WriteFormatSection(profile, record.Labels, decimalSeparator);
    return profile;
}

DocumentRecord ReadDocumentRecord(const ProfileFile& profile, engine::Unit currentUnit,
                                  QChar decimalSeparator) {
    DocumentRecord record; // every value starts at its default
    record.Unit = currentUnit;
    ReadBarcodeSection(profile, record, decimalSeparator);
    ReadSequenceSection(profile, record.Sequence);
    record.Labels = app::ReadFormatSection(profile, decimalSeparator);
    return record;
}

std::optional<int> StoredSequenceCurrent(const ProfileFile& profile) {
    const QString current = QStringLiteral("CURRENT");
    if (!profile.HasKey(kSequence, current)) return std::nullopt;
    return profile.ReadInteger(kSequence, current, 0);
}

void WriteSequenceCurrent(const QString& path, int current) {
    ProfileFile document;
    if (document.Load(path) != ProfileFile::LoadResult::Loaded) throw platform::ReadFailure(path);
    document.WriteInteger(kSequence, QStringLiteral("CURRENT"), current);
    document.Save(path);
}

} // namespace app
