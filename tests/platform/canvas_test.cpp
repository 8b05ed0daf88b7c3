// The drawing surface: the back buffer, the log, printing and boxes, and the stand-in fonts.
#include "platform/canvas.h"
#include "tests/platform/recording_form.h"

#include <QFontInfo>
#include <QPainter>
#include <QRegion>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace kviz::testing {
namespace {

const QColor kWhite(Qt::white);

// The number of pixels that are not white.
int inkedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != kWhite)
                ++count;
    return count;
}

bool allWhite(const QImage& image) { return inkedPixels(image) == 0; }

TEST(Canvas, WhatIsDrawnStaysInTheBackBufferAndOnTheWindow) {
    FakeServices fakes;
    RecordingForm form(fakes.services(), 3000, 1500); // 200 x 100 pixels
    form.canvas().setScale(15, 15);
    form.show();
    form.canvas().filledBox(10, 10, 19, 19, Qt::red);
    form.canvas().print("DA");

    // Hiding and showing again repaints the window from the buffer.
    form.window()->hide();
    form.window()->show();
    QImage onScreen = form.surface()->grab().toImage();

    EXPECT_EQ(form.canvas().image().pixelColor(15, 15), QColor(Qt::red));
    EXPECT_EQ(onScreen.pixelColor(15, 15), QColor(Qt::red));
    EXPECT_GT(inkedPixels(onScreen), 100);
}

TEST(Canvas, ClearEmptiesTheLogTheBufferAndThePosition) {
    Canvas canvas(3000, 1500);
    canvas.setScale(15, 15);
    canvas.print("tekst");
    canvas.box(0, 0, 50, 50, Qt::blue);
    canvas.currentX = 30;
    ASSERT_FALSE(allWhite(canvas.image()));

    canvas.clear();

    EXPECT_TRUE(canvas.log().empty());
    EXPECT_TRUE(allWhite(canvas.image()));
    EXPECT_EQ(canvas.currentX, 0);
    EXPECT_EQ(canvas.currentY, 0);
}

#ifdef __linux__
// The bytes of this process that are in memory.
qint64 residentBytes() {
    std::ifstream statm("/proc/self/statm");
    qint64 size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// A surface is mostly blank, and its blank rows are neither filled nor kept in memory, yet they
// paint as the back colour.
TEST(Canvas, ABlankSurfaceTakesMemoryOnlyWhereItIsDrawnOn) {
    const qint64 buffer = 4000LL * 4000 * 4;
    const qint64 before = residentBytes();
    Canvas canvas(4000 * 15, 4000 * 15);
    canvas.setScale(15, 15);
    canvas.filledBox(0, 100, 9, 199, Qt::red);
    canvas.clear();
    canvas.setBackColor(Qt::yellow);
    canvas.filledBox(0, 100, 9, 199, Qt::red);
    EXPECT_LT(residentBytes() - before, buffer / 8);

    QImage painted(20, 300, QImage::Format_RGB32);
    painted.fill(Qt::black);
    QPainter painter(&painted);
    canvas.paintOn(painter, painted.rect());
    for (int y : {0, 99, 100, 199, 200, 299}) {
        EXPECT_EQ(painted.pixelColor(9, y), y / 100 == 1 ? QColor(Qt::red) : QColor(Qt::yellow))
            << y;
        EXPECT_EQ(painted.pixelColor(10, y), QColor(Qt::yellow)) << y;
    }
}
#endif

TEST(Canvas, PrintMovesToTheStartOfTheNextLine) {
    struct Row {
        const char* name;
        double twipsPerUnitX, twipsPerUnitY;
        QString font;
        double size;
    };
    const Row rows[] = {
        {"pixels", 15, 15, "MS Sans Serif", 8.25},
        {"twips", 1, 1, "MS Sans Serif", 12},
        {"uneven scale", 30, 7.5, "MS Serif", 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(6000, 4500);
        canvas.setScale(row.twipsPerUnitX, row.twipsPerUnitY);
        canvas.setFont(row.font, row.size, false);
        canvas.currentX = 17;
        canvas.currentY = 5;
        double lineHeight = canvas.textHeight();
        ASSERT_GT(lineHeight, 0);

        canvas.print("Pitanje");
        EXPECT_EQ(canvas.currentX, 0);
        EXPECT_DOUBLE_EQ(canvas.currentY, 5 + lineHeight);

        canvas.print("broj 2");
        EXPECT_DOUBLE_EQ(canvas.currentY, 5 + 2 * lineHeight);

        // Lines of blanks, and no text at all, draw nothing and still move down.
        const QImage before = canvas.image();
        canvas.print("      ");
        canvas.print(QString());
        EXPECT_DOUBLE_EQ(canvas.currentY, 5 + 4 * lineHeight);
        EXPECT_EQ(canvas.log().size(), 4u);
        EXPECT_EQ(canvas.image(), before);
    }
}

TEST(Canvas, BoxIsAOnePixelOutlineWithItsCornersInside) {
    Canvas canvas(1500, 1500); // 100 x 100 pixels
    canvas.setScale(15, 15);
    canvas.box(10, 20, 30, 40, Qt::black);
    const QImage& image = canvas.image();

    const QPoint onTheLine[] = {{10, 20}, {30, 20}, {10, 40}, {30, 40}, {20, 20}, {10, 30}};
    for (QPoint p : onTheLine)
        EXPECT_EQ(image.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
    const QPoint offTheLine[] = {{9, 20},  {31, 20}, {10, 19}, {10, 41},
                                 {11, 21}, {29, 39}, {20, 30}};
    for (QPoint p : offTheLine)
        EXPECT_EQ(image.pixelColor(p), kWhite) << p.x() << "," << p.y();
}

// Outlines and filled boxes take both their corners and, where counted, just so many pixels;
// boxes as tall as the question's frame are filled in bands of rows, none of which may be
// missing. Drawn again in white, a box leaves the surface white.
TEST(Canvas, BoxesCoverTheirCornersAndDrawnAgainInWhiteRestoreTheSurface) {
    struct Row {
        const char* name;
        void (Canvas::*draw)(double, double, double, double, QColor);
        double twipsPerUnit;
        double x1, y1, x2, y2;
        int inked = -1; // pixels of the window that change, where counted
        qreal ratio = 1;
    };
    const Row rows[] = {
        {"pixels", &Canvas::box, 15, 10, 20, 30, 40, 2 * 21 + 2 * 19},
        {"corners swapped", &Canvas::box, 15, 30, 40, 10, 20},
        {"twips", &Canvas::box, 1, 150, 300, 450, 600},
        {"uneven twips", &Canvas::box, 1, 157, 301, 449, 608},
        {"one pixel", &Canvas::box, 15, 5, 5, 5, 5},
        {"one pixel wide", &Canvas::box, 15, 5, 5, 5, 9},
        {"one pixel high", &Canvas::box, 15, 5, 5, 9, 5},
        {"tall", &Canvas::box, 15, 10, 5, 30, 290, 2 * 21 + 2 * 284},
        {"tall at ratio 2", &Canvas::box, 15, 10, 5, 30, 290, 2 * 21 + 2 * 284, 2},
        {"filled", &Canvas::filledBox, 15, 10, 20, 19, 24, 10 * 5},
        {"filled tall", &Canvas::filledBox, 15, 10, 5, 30, 290, 21 * 286},
        {"filled tall at ratio 2", &Canvas::filledBox, 15, 10, 5, 30, 290, 21 * 286, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Canvas canvas(1500, 4500); // 100 x 300 pixels
        canvas.setScale(row.twipsPerUnit, row.twipsPerUnit);
        canvas.setDevicePixelRatio(row.ratio);

        (canvas.*row.draw)(row.x1, row.y1, row.x2, row.y2, Qt::red);
        for (QPointF corner : {QPointF(row.x1, row.y1), QPointF(row.x2, row.y2)}) {
            const QPoint pixel = (canvas.pixelsFromUnits(corner) * row.ratio).toPoint();
            EXPECT_EQ(canvas.image().pixelColor(pixel), QColor(Qt::red));
        }
        if (row.inked >= 0) {
            EXPECT_EQ(inkedPixels(canvas.image()), row.inked * row.ratio * row.ratio);
        }
        (canvas.*row.draw)(row.x1, row.y1, row.x2, row.y2, Qt::white);

        EXPECT_TRUE(allWhite(canvas.image()));
    }
}

TEST(Canvas, LogRecordsWhatWasDrawn) {
    Canvas canvas(6000, 4500);
    canvas.setScale(15, 15);
    canvas.setFont("MS Serif", 12, true);
    canvas.setForeColor(QColor(10, 170, 10));
    canvas.currentX = 40;
    canvas.currentY = 25;
    canvas.print("DA");
    canvas.box(1, 2, 3, 4, Qt::blue);
    canvas.filledBox(5, 6, 7, 8, Qt::red);

    ASSERT_EQ(canvas.log().size(), 3u);
    const DrawOp& text = canvas.log()[0];
    EXPECT_EQ(text.kind, DrawOp::Kind::Text);
    EXPECT_EQ(text.text, "DA");
    EXPECT_EQ(text.at, QPointF(40, 25));
    EXPECT_EQ(text.color, QColor(10, 170, 10));
    EXPECT_EQ(text.fontName, "MS Serif");
    EXPECT_EQ(text.fontSize, 12);
    EXPECT_TRUE(text.bold);
    EXPECT_EQ(canvas.log()[1].kind, DrawOp::Kind::Box);
    EXPECT_EQ(canvas.log()[1].rect, QRectF(QPointF(1, 2), QPointF(3, 4)));
    EXPECT_EQ(canvas.log()[1].color, QColor(Qt::blue));
    EXPECT_EQ(canvas.log()[2].kind, DrawOp::Kind::FilledBox);
    EXPECT_EQ(canvas.log()[2].color, QColor(Qt::red));
    // The text is drawn where the log says, in its colour.
    QRect textArea(40, 25, static_cast<int>(canvas.textWidth("DA")) + 1,
                   static_cast<int>(canvas.textHeight()));
    EXPECT_GT(inkedPixels(canvas.image().copy(textArea)), 10);
    EXPECT_EQ(inkedPixels(canvas.image().copy(0, 0, 40, 25)), 8 + 9); // only the two boxes
}

// The same drawing on every canvas of a test.
void drawSample(Canvas& canvas) {
    canvas.setScale(15, 15);
    canvas.setFont("MS Sans Serif", 12, true);
    canvas.currentX = 20;
    canvas.currentY = 30;
    canvas.print("Pitanje");
    canvas.box(10, 10, 19, 19, Qt::blue);
    canvas.filledBox(40, 60, 49, 64, Qt::red);
}

bool sameLog(const std::vector<DrawOp>& a, const std::vector<DrawOp>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].text != b[i].text || a[i].at != b[i].at ||
            a[i].rect != b[i].rect || a[i].color != b[i].color || a[i].fontName != b[i].fontName ||
            a[i].fontSize != b[i].fontSize || a[i].bold != b[i].bold)
            return false;
    }
    return true;
}

TEST(Canvas, AtRatioTwoTheBufferHasTwiceThePixelsAndTheSameLog) {
    Canvas plain(3000, 1500); // 200 x 100 pixels
    drawSample(plain);
    Canvas sharp(3000, 1500);
    sharp.setDevicePixelRatio(2);
    drawSample(sharp);
    Canvas later(3000, 1500); // the ratio changes after the drawing
    drawSample(later);
    later.setDevicePixelRatio(2);

    EXPECT_EQ(plain.image().size(), QSize(200, 100));
    for (const Canvas* canvas : {&sharp, &later}) {
        EXPECT_EQ(canvas->image().size(), QSize(400, 200));
        EXPECT_EQ(canvas->size(), QSize(200, 100));
        EXPECT_TRUE(sameLog(canvas->log(), plain.log()));
        // Positions stay in pixels of the window: the filled box (40..49, 60..64) covers
        // device pixels 80..99, 120..129.
        EXPECT_EQ(canvas->image().pixelColor(80, 120), QColor(Qt::red));
        EXPECT_EQ(canvas->image().pixelColor(99, 129), QColor(Qt::red));
        EXPECT_EQ(canvas->image().pixelColor(100, 130), kWhite);
        EXPECT_EQ(canvas->image().pixelColor(20, 20), QColor(Qt::blue));
    }
    EXPECT_EQ(later.image(), sharp.image()) << "a change of ratio draws the log again";
    // The text is drawn with the finer pixels, not scaled up from the coarse ones.
    QImage scaled = plain.image().scaled(400, 200);
    scaled.setDevicePixelRatio(2);
    EXPECT_NE(sharp.image(), scaled);
}

// Every pixel that an operation changes lies in an area that the canvas reports, so that the
// window repaints no more than that and misses nothing.
TEST(Canvas, ReportedAreasCoverEveryChangedPixel) {
    struct Row {
        const char* name;
        std::function<void(Canvas&)> step;
    };
    const Row rows[] = {
        {"print", [](Canvas& c) { c.print("Wjg DA NE"); }},
        {"box", [](Canvas& c) { c.box(5, 5, 150, 80, Qt::black); }},
        {"filled box", [](Canvas& c) { c.filledBox(150, 80, 5, 5, Qt::green); }},
        {"clear", [](Canvas& c) { c.clear(); }},
        {"back colour", [](Canvas& c) { c.setBackColor(Qt::yellow); }},
    };
    for (const Row& row : rows) {
        for (qreal ratio : {1.0, 2.0}) {
            SCOPED_TRACE(std::string(row.name) + " at ratio " + std::to_string(ratio));
            Canvas canvas(3000, 1500);
            canvas.setDevicePixelRatio(ratio);
            drawSample(canvas);
            canvas.setFont("MS Serif", 14, true);
            canvas.currentX = 60;
            canvas.currentY = 40;
            const QImage before = canvas.image().copy();
            QRegion reported;
            QObject::connect(&canvas, &Canvas::changed,
                             [&](const QRect& area) { reported += area; });

            row.step(canvas);

            const QImage& after = canvas.image();
            int changed = 0, outside = 0;
            for (int y = 0; y < after.height(); ++y)
                for (int x = 0; x < after.width(); ++x)
                    if (after.pixel(x, y) != before.pixel(x, y)) {
                        ++changed;
                        if (!reported.contains(
                                QPoint(static_cast<int>(x / ratio), static_cast<int>(y / ratio))))
                            ++outside;
                    }
            EXPECT_GT(changed, 0);
            EXPECT_EQ(outside, 0);
        }
    }
}

TEST(Canvas, TheWindowsFontNamesMapToTheLiberationFontsAtNinetySixDpi) {
    struct Row {
        QString name;
        double points;
        QString family;
        int pixels;
    };
    const Row rows[] = {
        {"MS Sans Serif", 8.25, "Liberation Sans", 11},
        {"MS Sans Serif", 12, "Liberation Sans", 16},
        {"MS Serif", 10, "Liberation Serif", 13},
        {"MS Serif", 18, "Liberation Serif", 24},
        {"Arial", 9, "Arial", 12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name.toStdString() + " " + std::to_string(row.points));
        QFont font = Canvas::screenFont(row.name, row.points, true);
        EXPECT_EQ(font.family(), row.family);
        EXPECT_EQ(font.pixelSize(), row.pixels);
        EXPECT_TRUE(font.bold());
        if (row.family.startsWith("Liberation")) {
            EXPECT_EQ(QFontInfo(font).family(), row.family) << "the font is not installed";
        }
    }
}

} // namespace
} // namespace kviz::testing
