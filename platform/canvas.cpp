#include "platform/canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kviz {

Canvas::Canvas(int widthTwips, int heightTwips, QObject* parent)
    : QObject(parent),
      image_(static_cast<int>(std::lround(widthTwips / kTwipsPerPixel)),
             static_cast<int>(std::lround(heightTwips / kTwipsPerPixel)), QImage::Format_RGB32) {
    image_.fill(Qt::white);
    font_ = screenFont(fontName_, fontSize_, bold_);
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
    return font;
}

void Canvas::setBackColor(QColor color) {
    backColor_ = color;
    clear();
}

void Canvas::clear() {
    image_.fill(backColor_);
    log_.clear();
    currentX = 0;
    currentY = 0;
    emit changed();
}

void Canvas::setFont(const QString& name, double sizePoints, bool bold) {
    fontName_ = name;
    fontSize_ = sizePoints;
    bold_ = bold;
    font_ = screenFont(name, sizePoints, bold);
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
    log_.push_back(op);

    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(color_);
    QFontMetricsF metrics(font_);
    QPointF topLeft = pixelsFromUnits({currentX, currentY});
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text);
    painter.end();

    currentX = 0;
    currentY += textHeight();
    emit changed();
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
    log_.push_back(op);

    // The four sides are filled pixel rows and columns, both corners inclusive, so that a box
    // one pixel wide or high is still drawn (QPainter's drawRect draws nothing of a rectangle
    // without width or height).
    QRect r = pixelRect(x1, y1, x2, y2);
    QPainter painter(&image_);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), color);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), color);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), color);
    painter.end();
    emit changed();
}

void Canvas::filledBox(double x1, double y1, double x2, double y2, QColor color) {
    DrawOp op;
    op.kind = DrawOp::Kind::FilledBox;
    op.rect = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    op.color = color;
    log_.push_back(op);

    QPainter painter(&image_);
    painter.fillRect(pixelRect(x1, y1, x2, y2), color);
    painter.end();
    emit changed();
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
