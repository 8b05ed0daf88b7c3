// The drawing surface of a form: a persistent back buffer drawn in the form's own user scale.
//
// Text is printed at the current position in the current font and colour; printing moves the
// current position to the start of the next line. Every drawing operation since the last
// clear is also kept in a log, so that tests can ask what stands on the surface.
//
// The back buffer has the device pixel ratio of the window's screen, so that text and lines
// are as sharp as the widgets on a HiDPI screen. Positions, sizes and the log do not depend on
// the ratio: a pixel here is always a pixel of the window (a logical pixel), and a change of
// ratio draws the log again into a buffer of the new resolution.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

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

// The two font names the windows ask for; installed fonts stand in for them (Canvas::screenFont).
inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kSerif = QStringLiteral("MS Serif");

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
    QColor backColor() const { return backColor_; }

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

    // What the surface shows, with image().devicePixelRatio() device pixels to a pixel of the
    // window.
    QImage image() const;
    // The size in pixels of the window.
    QSize size() const { return size_; }
    qreal devicePixelRatio() const { return image_.devicePixelRatio(); }
    // Draws the log again into a buffer of the given ratio; nothing when the ratio is the
    // same. The caller repaints the window.
    void setDevicePixelRatio(qreal ratio);
    // Copies an area of the surface, in pixels of the window, to the same place on a painter
    // of the window; the part of the area beyond the surface gets the back colour.
    void paintOn(QPainter& painter, const QRect& area) const;
    const std::vector<DrawOp>& log() const { return log_; }

    // The installed font that stands in for a font name the windows ask for ("MS Sans Serif",
    // "MS Serif"), with its size in points taken as pixels at 96 dots per inch.
    static QFont screenFont(const QString& name, double sizePoints, bool bold);
    // The largest size of the font, from 12 points down to the smallest in steps of 0.75, in
    // which the text and the extra pixels around it fit in the room (twips); the smallest when
    // none does.
    static double fittingSize(const QString& name, bool bold, const QString& text, int extraPixels,
                              int roomTwips, double smallest = 8.25);

signals:
    // A part of the surface, in pixels of the window, has changed.
    void changed(const QRect& area);

private:
    QRect pixelRect(double x1, double y1, double x2, double y2) const;
    // Splits an area into bands of rows that Qt fills or copies on this thread: it hands a
    // taller one to its thread pool, whose wake-ups cost more than the work at this size.
    template <typename F> void inBands(const QRect& area, F&& each) const;
    // The device pixels that an area, in pixels of the window, covers at least in part.
    QRect deviceArea(const QRect& area) const;
    // Fills the rows of the buffer that the area covers and that hold no pixels yet with the
    // back colour.
    void fillRows(const QRect& area);
    // Draws one operation into the buffer, a text in the given font and a box on the given
    // pixels, and returns the pixels it may have touched.
    QRect paint(const DrawOp& op, const QFont& font, const QRect& box);
    // Logs, draws and reports one operation.
    void draw(const DrawOp& op, const QRect& box);

    QSize size_;
    QImage image_;
    // Which device rows of the buffer hold pixels. A row that does not stands for the back
    // colour: the buffer is written only where something is drawn, so that the blank part of
    // a surface costs neither memory nor the time to fill it.
    std::vector<bool> rowFilled_;
    // What has been drawn since the buffer was last all back colour, so that a clear repaints
    // only that.
    QRect drawnArea_;
    std::vector<DrawOp> log_;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    QString fontName_ = kSansSerif;
    double fontSize_ = 8.25;
    bool bold_ = false;
    QFont font_;
    QColor color_ = Qt::black;
    QColor backColor_ = Qt::white;
};

} // namespace kviz
