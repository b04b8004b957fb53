#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace testing_support {

// What a printed page holds, read back from the PDF file's own objects: the text of each text
// object (through the fonts' ToUnicode maps), the width on paper of every stroke (line width
// times the transformation in force), and every image of the file.
struct PdfPage {
    struct Image {
        int width = 0;
        int height = 0;
    };

    QString error;   // empty when the file was read
    QSizeF mediaBox; // points
    QStringList texts;
    std::vector<double> strokeWidths; // points
    std::vector<Image> images;

    // Every text object joined by spaces, for searching.
    QString allText() const { return texts.join(QLatin1Char(' ')); }
};

// Reads the first page of a PDF file written by Qt's PDF engine (classic cross-reference
// table, Flate-compressed streams, Type 0 fonts with ToUnicode maps).
PdfPage readPdfPage(const QByteArray &pdf);

// The pages of a PDF file, counted from its page objects, and the count its page tree states.
std::pair<int, int> pdfPageCounts(const QByteArray &pdf);

} // namespace testing_support
