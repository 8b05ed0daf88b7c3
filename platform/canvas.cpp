#include "platform/canvas.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace kviz {

Canvas::Canvas(int widthTwips, int heightTwips, QObject* parent)
    : QObject(parent), size_(static_cast<int>(std::lround(widthTwips / kTwipsPerPixel)),
                             static_cast<int>(std::lround(heightTwips / kTwipsPerPixel))),
      image_(size_, QImage::Format_RGB32) {
    image_.fill(backColor_);
    font_ = screenFont(fontName_, fontSize_, bold_);
}

void Canvas::setDevicePixelRatio(qreal ratio) {
    if (ratio <= 0 || ratio == image_.devicePixelRatio())
        return;
    QImage image(static_cast<int>(std::ceil(size_.width() * ratio)),
                 static_cast<int>(std::ceil(size_.height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(backColor_);
    image_ = std::move(image);
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
    const qreal ratio = image_.devicePixelRatio();
    inBands(area & QRect(QPoint(0, 0), size_), [&](const QRect& r) {
        painter.drawImage(
            r, image_, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
    });
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
    if (name == "MS Sans Serif")
        family = "Liberation Sans";
    else if (name == "MS Serif")
        family = "Liberation Serif";
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(sizePoints * 96.0 / 72.0))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void Canvas::setBackColor(QColor color) {
    backColor_ = color;
    drawnArea_ = QRect(QPoint(0, 0), size_);
    clear();
}

void Canvas::clear() {
    // Only what was drawn since the last clear differs from the back colour.
    if (!drawnArea_.isEmpty()) {
        fillDevicePixels(drawnArea_, backColor_);
        emit changed(drawnArea_);
    }
    drawnArea_ = QRect();
    log_.clear();
    currentX = 0;
    currentY = 0;
}

void Canvas::fillDevicePixels(const QRect& area, QColor color) {
    // Every device pixel that the area covers at least in part, filled straight in the buffer.
    const qreal ratio = image_.devicePixelRatio();
    const int left = static_cast<int>(std::floor(area.left() * ratio));
    const int top = static_cast<int>(std::floor(area.top() * ratio));
    const int right = static_cast<int>(std::ceil((area.right() + 1) * ratio));
    const int bottom = static_cast<int>(std::ceil((area.bottom() + 1) * ratio));
    const QRect device = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & image_.rect();
    if (device.isEmpty())
        return;
    // The first row is filled, the others are copies of it.
    QRgb* first = reinterpret_cast<QRgb*>(image_.scanLine(device.top())) + device.left();
    std::fill(first, first + device.width(), color.rgb());
    const std::size_t bytes = static_cast<std::size_t>(device.width()) * sizeof(QRgb);
    for (int y = device.top() + 1; y <= device.bottom(); ++y)
        std::memcpy(reinterpret_cast<QRgb*>(image_.scanLine(y)) + device.left(), first, bytes);
}

void Canvas::setFont(const QString& name, double sizePoints, bool bold) {
    fontName_ = name;
    fontSize_ = sizePoints;
    bold_ = bold;
    font_ = screenFont(name, sizePoints, bold);
}

QRect Canvas::paint(const DrawOp& op, const QFont& font, const QRect& box) {
    QPainter painter(&image_);
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
        QRectF touched(topLeft, QSizeF(line.horizontalAdvance(), metrics.height()));
        line.setPosition(QPointF(0, -line.ascent()));
        painter.setPen(op.color);
        line.draw(&painter, baseline);
        // The ink may stand out of the line's box by a pixel or two.
        for (const QGlyphRun& run : line.glyphRuns())
            touched |= run.boundingRect().translated(baseline);
        return touched.toAlignedRect().adjusted(-2, -2, 2, 2);
    }
    case DrawOp::Kind::Box: {
        // The four sides are filled pixel rows and columns, both corners inclusive, so that a
        // box one pixel wide or high is still drawn (QPainter's drawRect draws nothing of a
        // rectangle without width or height).
        const QRect& r = box;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), op.color);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), op.color);
        inBands(QRect(r.left(), r.top(), 1, r.height()),
                [&](const QRect& band) { painter.fillRect(band, op.color); });
        inBands(QRect(r.right(), r.top(), 1, r.height()),
                [&](const QRect& band) { painter.fillRect(band, op.color); });
        return r;
    }
    case DrawOp::Kind::FilledBox: {
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
