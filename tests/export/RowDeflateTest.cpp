// The row-repeat deflate, inflated by zlib: every byte comes back, whatever the rows hold, and
// barcode pictures stay about as small as zlib's fastest level makes them.

#include "export/RowDeflate.h"

#include "export/Exporter.h"
#include "support/TestFiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

QByteArray Inflated(const QByteArray& stream, qsizetype size) {
    QByteArray out(size + 1, '\0');
    auto length = static_cast<uLongf>(out.size());
    const int status = uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                                  reinterpret_cast<const Bytef*>(stream.constData()),
                                  static_cast<uLong>(stream.size()));
    return status == Z_OK ? out.left(static_cast<qsizetype>(length)) : QByteArray("<corrupt>");
}

QByteArray ZlibFastest(const QByteArray& data) {
    return qCompress(data, 1).mid(4); // qCompress puts the length before the zlib stream
}

// `rows` rows of `rowBytes`, each a filter byte 0 then bytes of bars, changing from row
// `changesFrom` on.
QByteArray Rows(int rows, int rowBytes, int changesFrom) {
    QRandomGenerator random(7);
    QByteArray row(rowBytes, '\0');
    for (int x = 1; x < rowBytes; ++x)
        row[x] = "\x00\xFF\x0F\xF0"[random.bounded(4)];
    QByteArray picture;
    for (int y = 0; y < rows; ++y) {
        if (y >= changesFrom)
            for (int x = 1 + y % 5; x < rowBytes; x += 5)
                row[x] = static_cast<char>(random.bounded(256));
        picture += row;
    }
    return picture;
}

QByteArray Noise(int size) {
    QByteArray bytes(size, '\0');
    QRandomGenerator random(11);
    for (char& byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes;
}

TEST(RowDeflate, ZlibInflatesEveryByteBack) {
    const struct {
        const char* name;
        QByteArray data;
        int rowBytes;
    } rows[] = {
        {"nothing", QByteArray(), 1},
        {"one byte", QByteArray("\x7F"), 1},
        {"every byte value", Noise(20000), 45},
        {"one long run", QByteArray(100000, '\xFF'), 13},
        {"bars and text", Rows(225, 45, 190), 45},
        {"rows of the longest distance", Rows(6, 32768, 4), 32768},
        {"rows past the longest distance", Rows(4, 40000, 2), 40000},
        {"short rows", Rows(300, 2, 200), 2},
        {"a row of 258 and one more", Rows(40, 259, 30), 259},
    };
    for (const auto& row : rows) {
        const QByteArray stream =
            exporting::DeflateRows(row.data.constData(), row.data.size(), row.rowBytes);
        EXPECT_EQ(Inflated(stream, row.data.size()), row.data) << row.name;
    }
}

// The IDAT data of a PNG file (one chunk, as ours are).
QByteArray ImageData(const QByteArray& png) {
    for (qsizetype at = 8; at + 8 <= png.size();) {
        const auto length = static_cast<qsizetype>(qFromBigEndian<quint32>(png.constData() + at));
        if (png.mid(at + 4, 4) == "IDAT") return png.mid(at + 8, length);
        at += 12 + length;
    }
    return {};
}

// Real pictures of bars and digits, upright and turned, from the exporter.
TEST(RowDeflate, BarcodesAreAboutAsSmallAsWithZlibsFastestLevel) {
    const struct {
        engine::SymbologyCode code;
        const char* text;
        engine::Orientation rotation;
        int dpi;
    } rows[] = {
        {engine::SymbologyCode::Ean13, "400638133393", engine::Orientation::Deg0, 300},
        {engine::SymbologyCode::Code128, "Tallyrune-2026", engine::Orientation::Deg0, 300},
        {engine::SymbologyCode::Code128, "Tallyrune-2026", engine::Orientation::Deg90, 300},
        {engine::SymbologyCode::Code39, "CODE39TEST", engine::Orientation::Deg180, 600},
        {engine::SymbologyCode::Postnet, "12345", engine::Orientation::Deg270, 300},
    };
    QTemporaryDir dir;
    for (const auto& row : rows) {
        exporting::ExportDocument document;
        document.Symbology = row.code;
        document.BarcodeText = row.text;
        document.Rotation = row.rotation;
        const QString path = dir.filePath("x.png");
        exporting::Export(document, row.dpi / 100, row.dpi, exporting::ExportFormat::Png, path);
        const QByteArray ours = ImageData(testing_support::ReadBytes(path));
        const QByteArray rows = Inflated(ours, 1 << 24);
        ASSERT_NE(rows, "<corrupt>") << row.text;
        EXPECT_LE(ours.size(), ZlibFastest(rows).size() * 5 / 4) << row.text;
    }
}

} // namespace
