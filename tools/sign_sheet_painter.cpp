#include "sign_sheet_painter.h"

#include "sign_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>

namespace bankgen {

namespace {

constexpr int kGridColumns = 5;
// Left edges of the answer boxes the window lays over the grid.
constexpr std::array<double, kGridColumns> kColumnLeft{13, 136, 264, 392, 512};
constexpr double kRowHeight = 52;
constexpr double kSignOffset = 70; // from the column's left edge to the sign's centre

// Up to this many meanings go in two columns, more in three.
constexpr int kTwoColumnMeanings = 24;
constexpr double kListMargin = 8;
constexpr double kListLineHeight = 13;

QFont listFont() {
    QFont f;
    f.setFamilies({"Liberation Sans", "DejaVu Sans", "Sans Serif"});
    f.setPixelSize(11);
    return f;
}

QImage whitePicture(PictureSize size) {
    QImage image(size.width, size.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

QPointF signGridCentre(int box) {
    const int row = box / kGridColumns;
    const int column = box % kGridColumns;
    return {kColumnLeft[static_cast<std::size_t>(column)] + kSignOffset,
            row * kRowHeight + kRowHeight / 2};
}

QImage renderSignGrid(const SignSheet& sheet, PictureSize size) {
    QImage image = whitePicture(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < sheet.signs.size(); ++i)
        paintSign(p, sheet.signs[i].sign, signGridCentre(static_cast<int>(i)), kGridSignRadius);
    return image;
}

QImage renderMeaningList(const SignSheet& sheet, PictureSize size) {
    QImage image = whitePicture(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = listFont();
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetricsF metrics(font);

    const int count = static_cast<int>(sheet.meanings.size());
    const int columns = count <= kTwoColumnMeanings ? 2 : 3;
    const int rows = (count + columns - 1) / columns;
    const double columnWidth = (size.width - 2 * kListMargin) / columns;
    const double lineHeight = std::min(kListLineHeight, (size.height - 2.0) / rows);
    const double top = (size.height - rows * lineHeight) / 2;

    for (int n = 0; n < count; ++n) {
        const QString text = QString::number(n + 1) + " - " +
                             QString::fromStdString(sheet.meanings[static_cast<std::size_t>(n)]);
        if (metrics.horizontalAdvance(text) > columnWidth - 6)
            throw BankError("task " + std::to_string(sheet.number) + ": meaning " +
                                std::to_string(n + 1) + " is too long for its column",
                            sheet.line);
        const QRectF cell(kListMargin + (n / rows) * columnWidth, top + (n % rows) * lineHeight,
                          columnWidth, lineHeight);
        p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    return image;
}

} // namespace bankgen
