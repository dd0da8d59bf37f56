// A UPC-A symbol with its digits, rendered through PainterSurface, kept as a golden PNG and
// compared pixel for pixel; and the shape that makes it look like UPC-A: the guard bars run
// down to the bottom of the bar area while the data bars stop on the opaque digit cells.

#include "support/Decode.h"

#include "platform/PainterSurface.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <string>

#ifndef TALLYRUNE_TEST_DATA
#error "TALLYRUNE_TEST_DATA must name the tests/data folder"
#endif

namespace {

using namespace testing_support;
using engine::Orientation;
using engine::SymbologyCode;

constexpr int kMargin = 20;
constexpr int kModule = 2;
constexpr int kHeight = 150;

RenderRequest UpcARequest() {
    return {SymbologyCode::UpcA, "01234567890", kModule, kHeight, true, Orientation::Deg0};
}

QString GoldenPath() {
    return QStringLiteral(TALLYRUNE_TEST_DATA "/upca_module2.png");
}

bool Black(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

TEST(UpcAGolden, MatchesThePngPixelForPixel) {
    const QImage actual =
        RenderBarcode(UpcARequest(), kMargin).convertToFormat(QImage::Format_Grayscale8);
    if (qEnvironmentVariable("TALLYRUNE_UPDATE_GOLDEN") == QLatin1String("1")) {
        ASSERT_TRUE(actual.save(GoldenPath(), "PNG")) << GoldenPath().toStdString();
        GTEST_SKIP() << "golden rewritten: " << GoldenPath().toStdString();
    }
    const QImage golden(GoldenPath());
    ASSERT_FALSE(golden.isNull()) << "missing golden " << GoldenPath().toStdString()
                                  << "; run with TALLYRUNE_UPDATE_GOLDEN=1 to write it";
    const QImage expected = golden.convertToFormat(QImage::Format_Grayscale8);
    const QString actualPath = QDir::temp().filePath(QStringLiteral("upca_module2.actual.png"));
    ASSERT_EQ(actual.size(), expected.size())
        << "UPC-A golden differs in size; see " << actualPath.toStdString()
        << (actual.save(actualPath) ? "" : " (not written)");
    int differing = 0;
    QPoint first;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (Black(actual, x, y) != Black(expected, x, y) && differing++ == 0)
                first = QPoint(x, y);
    if (differing > 0) actual.save(actualPath);
    EXPECT_EQ(differing, 0) << "UPC-A golden differs in " << differing << " pixels, first at ("
                            << first.x() << ", " << first.y() << "); rendered image saved to "
                            << actualPath.toStdString()
                            << "; if the change is intended, rerun with TALLYRUNE_UPDATE_GOLDEN=1";
}

TEST(UpcAGolden, GuardBarsReachTheBottomDataBarsStopAtTheDigits) {
    const QImage image =
        RenderBarcode(UpcARequest(), kMargin).convertToFormat(QImage::Format_Grayscale8);
    const QFont font =
        platform::FontForCellHeight(QStringLiteral("Courier New"), 12 * kModule, 400);
    const QFontMetrics metrics(font);
    const int cellHeight = metrics.ascent() + metrics.descent();
    const int groupWidth = metrics.horizontalAdvance(QStringLiteral("12345"));

    const int barStart = kMargin + 10 * kModule;
    const int barTop = kMargin;
    const int barBottom = kMargin + kHeight - 5 * kModule; // one past the last bar row
    const int cellTop = kMargin + kHeight - cellHeight;
    const int mid = kMargin + (95 + 20) * kModule / 2;
    ASSERT_LT(cellTop, barBottom);

    // Start guard modules 0 and 2, centre guard 46 and 48, end guard 92 and 94.
    for (int module : {0, 2, 46, 48, 92, 94})
        for (int dx = 0; dx < kModule; ++dx) {
            const int x = barStart + module * kModule + dx;
            for (int y = barTop; y < barBottom; ++y)
                ASSERT_TRUE(Black(image, x, y)) << "guard module " << module << " at y " << y;
            EXPECT_FALSE(Black(image, x, barBottom)) << "guard module " << module;
        }

    // Under the two digit groups every bar ends on the row above the cell's top.
    int checked = 0;
    const int groups[][2] = {{mid - 2 * kModule - groupWidth, mid - 2 * kModule},
                             {mid + 2 * kModule, mid + 2 * kModule + groupWidth}};
    for (const auto& group : groups)
        for (int x = group[0]; x < group[1]; ++x) {
            EXPECT_FALSE(Black(image, x, cellTop)) << "cell top at x " << x;
            if (!Black(image, x, barTop)) continue;
            EXPECT_TRUE(Black(image, x, cellTop - 1)) << "data bar at x " << x;
            ++checked;
        }
    EXPECT_GT(checked, groupWidth / 2);
}

} // namespace
