#include "platform/canvas.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRegion>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace kviz {

namespace {
// Fills the device pixels from left to right, both inclusive, of a row of a buffer.
void fillRow(QImage& image, int y, int left, int right, QColor color) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(row + left, row + right + 1, color.rgb());
}
} // namespace

Canvas::Canvas(int widthTwips, int heightTwips, QObject* parent)
    : QObject(parent), size_(static_cast<int>(std::lround(widthTwips / kTwipsPerPixel)),
                             static_cast<int>(std::lround(heightTwips / kTwipsPerPixel))),
      image_(size_, QImage::Format_RGB32), rowFilled_(image_.height(), false) {
    font_ = screenFont(fontName_, fontSize_, bold_);
}

void Canvas::setDevicePixelRatio(qreal ratio) {
    if (ratio <= 0 || ratio == image_.devicePixelRatio())
        return;
    QImage image(static_cast<int>(std::ceil(size_.width() * ratio)),
                 static_cast<int>(std::ceil(size_.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image_ = std::move(image);
    rowFilled_.assign(image_.height(), false);
    for (const DrawOp& op : log_) {
        if (op.kind == DrawOp::Kind::Text)
            paint(op, screenFont(op.fontName, op.fontSize, op.bold), QRect());
        else
            paint(op, font_,
                  pixelRect(op.rect.left(), op.rect.top(), op.rect.right(), op.rect.bottom()));
    }
}

template <typename F> void Canvas::inBands(const QRect& area, F&& each) const {
    // Qt's raster engine runs a fill or copy of 96 device rows or more in its thread pool.
    const int rows = std::max(1, static_cast<int>(64 / image_.devicePixelRatio()));
    for (int top = area.top(); top <= area.bottom(); top += rows)
        each(QRect(area.left(), top, area.width(), std::min(rows, area.bottom() + 1 - top)));
}

void Canvas::paintOn(QPainter& painter, const QRect& area) const {
    // In runs of rows that hold pixels or stand for the back colour, of at most 64 device
    // rows each (see inBands).
    // A form made larger than its design shows the back colour beyond the surface.
    for (const QRect& beyond : QRegion(area) - QRect(QPoint(0, 0), size_))
        painter.fillRect(beyond, backColor_);
    const qreal ratio = image_.devicePixelRatio();
    const QRect device = deviceArea(area);
    for (int top = device.top(); top <= device.bottom();) {
        const bool filled = rowFilled_[top];
        int bottom = top;
        while (bottom < device.bottom() && bottom - top < 63 && rowFilled_[bottom + 1] == filled)
            ++bottom;
        const QRect source(device.left(), top, device.width(), bottom + 1 - top);
        const QRectF target(source.x() / ratio, source.y() / ratio, source.width() / ratio,
                            source.height() / ratio);
        if (filled)
            painter.drawImage(target, image_, source);
        else
            painter.fillRect(target, backColor_);
        top = bottom + 1;
    }
}

QImage Canvas::image() const {
    QImage image = image_;
    for (int y = 0; y < image.height(); ++y) {
        if (!rowFilled_[y])
            fillRow(image, y, 0, image.width() - 1, backColor_);
    }
    return image;
}

void Canvas::setScale(double twipsPerUnitX, double twipsPerUnitY) {
    scaleX_ = twipsPerUnitX;
    scaleY_ = twipsPerUnitY;
}

QPointF Canvas::unitsFromPixels(QPointF pixels) const {
    return {pixels.x() * kTwipsPerPixel / scaleX_, pixels.y() * kTwipsPerPixel / scaleY_};
}

QPointF Canvas::pixelsFromUnits(QPointF units) const {
    return {units.x() * scaleX_ / kTwipsPerPixel, units.y() * scaleY_ / kTwipsPerPixel};
}

QFont Canvas::screenFont(const QString& name, double sizePoints, bool bold) {
    QString family = name;
    if (name == kSansSerif)
        family = "Liberation Sans";
    else if (name == kSerif)
        family = "Liberation Serif";
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(sizePoints * 96.0 / 72.0))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

double Canvas::fittingSize(const QString& name, bool bold, const QString& text, int extraPixels,
                           int roomTwips, double smallest) {
    double size = 12;
    for (; size > smallest; size -= 0.75) {
        const double pixels =
            QFontMetricsF(screenFont(name, size, bold)).horizontalAdvance(text) + extraPixels;
        if (pixels * kTwipsPerPixel <= roomTwips)
            break;
    }
    return size;
}

void Canvas::setBackColor(QColor color) {
    backColor_ = color;
    rowFilled_.assign(rowFilled_.size(), false); // every row stands for the new colour
    drawnArea_ = QRect(QPoint(0, 0), size_);
    clear();
}

void Canvas::clear() {
    // Only what was drawn since the last clear differs from the back colour, and only in the
    // rows that hold pixels.
    if (!drawnArea_.isEmpty()) {
        const QRect device = deviceArea(drawnArea_);
        for (int y = device.top(); y <= device.bottom(); ++y) {
            if (rowFilled_[y])
                fillRow(image_, y, device.left(), device.right(), backColor_);
        }
        emit changed(drawnArea_);
    }
    drawnArea_ = QRect();
    log_.clear();
    currentX = 0;
    currentY = 0;
}

QRect Canvas::deviceArea(const QRect& area) const {
    const qreal ratio = image_.devicePixelRatio();
    const int left = static_cast<int>(std::floor(area.left() * ratio));
    const int top = static_cast<int>(std::floor(area.top() * ratio));
    const int right = static_cast<int>(std::ceil((area.right() + 1) * ratio));
    const int bottom = static_cast<int>(std::ceil((area.bottom() + 1) * ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & image_.rect();
}

void Canvas::fillRows(const QRect& area) {
    const QRect device = deviceArea(area);
    for (int y = device.top(); y <= device.bottom(); ++y) {
        if (!rowFilled_[y]) {
            fillRow(image_, y, 0, image_.width() - 1, backColor_);
            rowFilled_[y] = true;
        }
    }
}

void Canvas::setFont(const QString& name, double sizePoints, bool bold) {
    fontName_ = name;
    fontSize_ = sizePoints;
    bold_ = bold;
    font_ = screenFont(name, sizePoints, bold);
}

QRect Canvas::paint(const DrawOp& op, const QFont& font, const QRect& box) {
    switch (op.kind) {
    case DrawOp::Kind::Text: {
        // The text is shaped once, for the drawing and for the pixels it touches alike. The
        // blanks that fill a record up to its length draw nothing and are left out.
        qsizetype length = op.text.size();
        while (length > 0 && op.text.at(length - 1) == u' ')
            --length;
        QTextLayout layout(op.text.left(length), font);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        if (!line.isValid())
            return QRect();
        const QFontMetricsF metrics(font);
        const QPointF topLeft = pixelsFromUnits(op.at);
        const QPointF baseline(topLeft.x(), topLeft.y() + metrics.ascent());
        QRectF ink(topLeft, QSizeF(line.horizontalAdvance(), metrics.height()));
        line.setPosition(QPointF(0, -line.ascent()));
        // The ink may stand out of the line's box by a pixel or two; the drawing keeps to the
        // pixels reported.
        for (const QGlyphRun& run : line.glyphRuns())
            ink |= run.boundingRect().translated(baseline);
        const QRect touched = ink.toAlignedRect().adjusted(-2, -2, 2, 2);
        fillRows(touched);
        QPainter painter(&image_);
        painter.setClipRect(touched);
        painter.setPen(op.color);
        line.draw(&painter, baseline);
        return touched;
    }
    case DrawOp::Kind::Box: {
        // The four sides are filled pixel rows and columns, both corners inclusive, so that a
        // box one pixel wide or high is still drawn (QPainter's drawRect draws nothing of a
        // rectangle without width or height).
        const QRect& r = box;
        fillRows(r);
        QPainter painter(&image_);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), op.color);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), op.color);
        inBands(QRect(r.left(), r.top(), 1, r.height()),
                [&](const QRect& band) { painter.fillRect(band, op.color); });
        inBands(QRect(r.right(), r.top(), 1, r.height()),
                [&](const QRect& band) { painter.fillRect(band, op.color); });
        return r;
    }
    case DrawOp::Kind::FilledBox: {
        fillRows(box);
        QPainter painter(&image_);
        inBands(box, [&](const QRect& band) { painter.fillRect(band, op.color); });
        return box;
    }
    }
    return QRect();
}

void Canvas::draw(const DrawOp& op, const QRect& box) {
    log_.push_back(op);
    QRect area = paint(op, font_, box) & QRect(QPoint(0, 0), size_);
    drawnArea_ |= area;
    if (!area.isEmpty())
        emit changed(area);
}

void Canvas::print(const QString& text) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.text = text;
    op.at = {currentX, currentY};
    op.color = color_;
    op.fontName = fontName_;
    op.fontSize = fontSize_;
    op.bold = bold_;
    draw(op, QRect());

    currentX = 0;
    currentY += textHeight();
}

QRect Canvas::pixelRect(double x1, double y1, double x2, double y2) const {
    QPointF a = pixelsFromUnits({std::min(x1, x2), std::min(y1, y2)});
    QPointF b = pixelsFromUnits({std::max(x1, x2), std::max(y1, y2)});
    QPoint pa(static_cast<int>(std::lround(a.x())), static_cast<int>(std::lround(a.y())));
    QPoint pb(static_cast<int>(std::lround(b.x())), static_cast<int>(std::lround(b.y())));
    return QRect(pa, pb);
}

void Canvas::box(double x1, double y1, double x2, double y2, QColor color) {
    DrawOp op;
    op.kind = DrawOp::Kind::Box;
    op.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    op.color = color;
    draw(op, pixelRect(x1, y1, x2, y2));
}

void Canvas::filledBox(double x1, double y1, double x2, double y2, QColor color) {
    DrawOp op;
    op.kind = DrawOp::Kind::FilledBox;
    op.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    op.color = color;
    draw(op, pixelRect(x1, y1, x2, y2));
}

double Canvas::textWidth(const QString& text) const {
    QFontMetricsF metrics(font_);
    return metrics.horizontalAdvance(text) * kTwipsPerPixel / scaleX_;
}

double Canvas::textHeight() const {
    QFontMetricsF metrics(font_);
    return metrics.height() * kTwipsPerPixel / scaleY_;
}

} // namespace kviz
