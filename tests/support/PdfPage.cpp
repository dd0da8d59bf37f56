#include "support/PdfPage.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace testing_support {

QImage RenderPdfPage(const QString& pdf, int page, int dpi, const QString& scratch) {
    const QString number = QString::number(page);
    QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-gray", "-png", "-f", number, "-l",
                                   number, "-singlefile", pdf, scratch});
    return QImage(scratch + ".png");
}

// pdftotext -bbox writes one element per word: <word xMin=".." yMin=".." xMax=".." yMax="..">.
std::vector<PdfWord> PdfWords(const QString& pdf, int page) {
    const QString number = QString::number(page);
    QProcess process;
    process.start("pdftotext", {"-bbox", "-f", number, "-l", number, pdf, "-"});
    process.waitForFinished();
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    const QString xhtml = QString::fromUtf8(process.readAllStandardOutput());
    for (const QRegularExpressionMatch& m : word.globalMatch(xhtml)) {
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({QRectF(topLeft, bottomRight), m.captured(5)});
    }
    return words;
}

QString WordsIn(const std::vector<PdfWord>& words, const QRectF& area) {
    QStringList inside;
    for (const PdfWord& w : words)
        if (area.contains(w.box.center())) inside << w.text;
    return inside.join(' ');
}

} // namespace testing_support
