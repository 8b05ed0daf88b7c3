// The drawing surface of a form: a persistent back buffer drawn in the form's own user scale.
//
// Text is printed at the current position in the current font and colour; printing moves the
// current position to the start of the next line. Every drawing operation since the last
// clear is also kept in a log, so that tests can ask what stands on the surface.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>
#include <vector>

namespace kviz {

struct DrawOp {
    enum class Kind { Text, Box, FilledBox };
    Kind kind = Kind::Text;
    QString text; // Text only
    QPointF at;   // Text: top-left position in units
    QRectF rect;  // Box and FilledBox: corners in units
    QColor color;
    QString fontName;    // Text only, the name asked for
    double fontSize = 0; // points
    bool bold = false;
};

class Canvas : public QObject {
    Q_OBJECT
public:
    static constexpr double kTwipsPerPixel = 15.0;

    Canvas(int widthTwips, int heightTwips, QObject* parent = nullptr);

    // The user scale: how many twips one unit spans across and down.
    void setScale(double twipsPerUnitX, double twipsPerUnitY);
    double twipsPerUnitX() const { return scaleX_; }
    double twipsPerUnitY() const { return scaleY_; }
    QPointF unitsFromPixels(QPointF pixels) const;
    QPointF pixelsFromUnits(QPointF units) const;

    // Clears the surface to its back colour, empties the log and puts the position at (0, 0).
    void clear();
    // The back colour, white unless set; setting it clears the surface.
    void setBackColor(QColor color);

    void setFont(const QString& name, double sizePoints, bool bold);
    void setForeColor(QColor color) { color_ = color; }
    QColor foreColor() const { return color_; }

    double currentX = 0;
    double currentY = 0;

    // Prints the text at the current position; the position moves to X 0 of the next line.
    void print(const QString& text);
    // Outline box with one-pixel lines, corners inclusive.
    void box(double x1, double y1, double x2, double y2, QColor color);
    void filledBox(double x1, double y1, double x2, double y2, QColor color);

    // Measures in units, in the current font.
    double textWidth(const QString& text) const;
    double textHeight() const;

    const QImage& image() const { return image_; }
    const std::vector<DrawOp>& log() const { return log_; }

    // The Qt font that stands in for a font name of the original windows, with its size in
    // points taken as pixels at 96 dots per inch.
    static QFont screenFont(const QString& name, double sizePoints, bool bold);

signals:
    void changed();

private:
    QRect pixelRect(double x1, double y1, double x2, double y2) const;

    QImage image_;
    std::vector<DrawOp> log_;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    QString fontName_ = "MS Sans Serif";
    double fontSize_ = 8.25;
    bool bold_ = false;
    QFont font_;
    QColor color_ = Qt::black;
    QColor backColor_ = Qt::white;
};

} // namespace kviz
