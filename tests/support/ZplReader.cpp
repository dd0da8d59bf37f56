#include "support/ZplReader.h"

#include "support/Decode.h"

#include <QDir>
#include <QPainter>
#include <QProcess>

#include <gtest/gtest.h>

namespace testing_support {
namespace {

constexpr int kRenderMs = 120000; // Node loads a 9 MB renderer; a loaded machine is slow

bool Black(const QImage& gray, int x, int y) {
    return qGray(gray.pixel(x, y)) < 128;
}

// The row with the most changes from black to white: one across the bars, not the text.
int RowAcrossBars(const QImage& gray) {
    int best = 0, bestChanges = -1;
    for (int y = 0; y < gray.height(); ++y) {
        int changes = 0;
        for (int x = 1; x < gray.width(); ++x)
            changes += Black(gray, x, y) != Black(gray, x - 1, y);
        if (changes > bestChanges) bestChanges = changes, best = y;
    }
    return best;
}

} // namespace

std::vector<QImage> RenderZpl(const QString& zplFile, double widthMm, double heightMm,
                              int dotsPerMm, const QString& folder) {
    const QString out = QDir(folder).filePath("label");
    QProcess node;
    node.start("node", {TALLYRUNE_ZPL_RENDERER, zplFile, QString::number(widthMm),
                        QString::number(heightMm), QString::number(dotsPerMm), out});
    if (!node.waitForFinished(kRenderMs) || node.exitCode() != 0) {
        ADD_FAILURE() << "zpl-renderer-js failed on " << zplFile.toStdString() << ": "
                      << node.readAllStandardError().toStdString();
        return {};
    }
    const int count = node.readAllStandardOutput().trimmed().toInt();
    std::vector<QImage> labels;
    for (int i = 0; i < count; ++i)
        labels.push_back(QImage(out + '-' + QString::number(i) + ".png")
                             .convertToFormat(QImage::Format_Grayscale8));
    return labels;
}

std::vector<std::string> ReadRollOfCode128(const QString& zplFile, int moduleDots,
                                           const QString& folder) {
    std::vector<std::string> read;
    for (const QImage& label : RenderZpl(zplFile, 50.8, 25.4, 8, folder)) {
        if (!HasInk(label)) continue;
        read.push_back(DecodeImage(label, ZXing::BarcodeFormat::Code128).text);
        const std::vector<int> runs = BarRuns(label);
        EXPECT_GT(runs.size(), 30u) << "label " << read.size(); // Code 128 of 8 characters
        for (const int run : runs)
            EXPECT_EQ(run % moduleDots, 0) << "label " << read.size() << ": a bar of " << run;
    }
    return read;
}

bool HasInk(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (Black(picture, x, y)) return true;
    return false;
}

QRect InkBounds(const QImage& picture) {
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (Black(picture, x, y)) ink |= QRect(x, y, 1, 1);
    return ink;
}

QImage AroundInk(const QImage& picture, int margin) {
    const QRect ink = InkBounds(picture);
    QImage around(ink.size() + QSize(2 * margin, 2 * margin), QImage::Format_Grayscale8);
    around.fill(Qt::white);
    QPainter(&around).drawImage(QPoint(margin, margin), picture, ink);
    return around;
}

std::vector<int> BarRuns(const QImage& picture) {
    const int y = RowAcrossBars(picture);
    std::vector<int> runs;
    int x = 0;
    while (x < picture.width() && !Black(picture, x, y))
        ++x;
    while (x < picture.width()) {
        const bool black = Black(picture, x, y);
        int run = 0;
        while (x < picture.width() && Black(picture, x, y) == black)
            ++run, ++x;
        if (black || x < picture.width()) runs.push_back(run); // the quiet zone is no space
    }
    return runs;
}

} // namespace testing_support
