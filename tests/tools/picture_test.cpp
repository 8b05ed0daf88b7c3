// Rendered pictures: the officer's arms on the side the questions rely on, and signs in their
// shapes and colours.
#include "scene.h"
#include "scene_painter.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>

#include "scene_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

using namespace bankgen;

namespace {

enum class Tone { Red, Blue, Yellow, White, Black, Uniform, Other };

const char* name(Tone tone) {
    switch (tone) {
    case Tone::Red:
        return "red";
    case Tone::Blue:
        return "blue";
    case Tone::Yellow:
        return "yellow";
    case Tone::White:
        return "white";
    case Tone::Black:
        return "black";
    case Tone::Uniform:
        return "uniform";
    case Tone::Other:
        return "other";
    }
    return "?";
}

Tone toneOf(const QColor& c) {
    const int hue = c.hsvHue();
    const int saturation = c.hsvSaturation();
    const int value = c.value();
    if (value < 60)
        return Tone::Black;
    if (saturation < 12 && value > 235) // the sky near the ground is almost white, not quite
        return Tone::White;
    if (saturation < 120)
        return Tone::Other;
    if (hue < 12 || hue > 345)
        return Tone::Red;
    if (hue >= 40 && hue <= 60 && value > 200)
        return Tone::Yellow;
    if (hue >= 200 && hue <= 235)
        return value < 120 ? Tone::Uniform : Tone::Blue; // dark blue: the officer's sleeves
    return Tone::Other;
}

class Picture : public ::testing::Test {
protected:
    // Text drawing needs the application object.
    static void SetUpTestSuite() {
        if (QGuiApplication::instance())
            return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char program[] = "tools_tests";
        static char* argv[] = {program, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { app_.reset(); }

    static Scene parse(const std::string& text) { return parseScene(pictureFromText(text)); }

    static QImage render(const std::string& text, PictureSize size = kStandardPicture) {
        return renderScene(parse(text), size);
    }

    static Tone toneAt(const QImage& image, double x, double y) {
        return toneOf(image.pixelColor(qRound(x), qRound(y)));
    }

    static int count(const QImage& image, const QRect& area, Tone tone) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += toneOf(image.pixelColor(x, y)) == tone;
        return n;
    }

    static std::unique_ptr<QGuiApplication> app_;
};

std::unique_ptr<QGuiApplication> Picture::app_;

} // namespace

// In a street the officer stands with his feet at (149.5, 272), 190 pixels tall: an arm held
// out crosses x = 149.5 -+ 61 at y = 127, a raised arm x = 149.5 -+ 28 at y = 95.
TEST_F(Picture, OfficersArmsAreOnTheSideTheQuestionsMean) {
    struct Case {
        const char* officer;
        bool outOnViewersLeft;
        bool outOnViewersRight;
    };
    const Case cases[] = {
        {"officer south horizontal", true, true},
        {"officer south down", false, false},
        // Facing the viewer his right arm is on the viewer's left ...
        {"officer south right", true, false},
        {"officer south left", false, true},
        // ... with his back to the viewer it is on the viewer's right.
        {"officer north right", false, true},
        {"officer north left", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.officer);
        const QImage image = render(std::string("street\n") + c.officer + "\n");
        EXPECT_EQ(toneAt(image, 88.5, 127) == Tone::Uniform, c.outOnViewersLeft);
        EXPECT_EQ(toneAt(image, 210.5, 127) == Tone::Uniform, c.outOnViewersRight);
    }

    EXPECT_EQ(toneAt(render("street\nofficer south up\n"), 121, 95), Tone::Uniform);
    EXPECT_NE(toneAt(render("street\nofficer south up\n"), 178, 95), Tone::Uniform);
    EXPECT_EQ(toneAt(render("street\nofficer north up\n"), 178, 95), Tone::Uniform);
    EXPECT_NE(toneAt(render("street\nofficer south down\n"), 121, 95), Tone::Uniform);
}

// A closeup without a plate has the sign centred on (149.5, 130) with a radius of 100 pixels;
// the points are given from that centre.
TEST_F(Picture, SignsHaveTheirShapesAndColours) {
    struct Point {
        double x;
        double y;
        Tone tone;
    };
    struct Case {
        const char* sign;
        std::vector<Point> points;
    };
    const Case cases[] = {
        {"stop", {{0, -60, Tone::Red}, {-96, -96, Tone::Other}}},
        {"yield", {{0, -62, Tone::Red}, {0, -20, Tone::White}, {0, 90, Tone::Red}}},
        {"main", {{0, 0, Tone::Yellow}, {0, -83, Tone::White}, {-80, -80, Tone::Other}}},
        {"endmain", {{0, 0, Tone::Black}, {30, 30, Tone::Yellow}}},
        {"danger", {{0, 62, Tone::Red}, {0, -20, Tone::Black}, {-40, 30, Tone::White}}},
        {"lights", {{0, -19, Tone::Red}, {0, 9, Tone::Yellow}}},
        {"twoway", {{-15, 10, Tone::Black}, {15, 10, Tone::Black}, {0, 10, Tone::White}}},
        {"curveright", {{-16, 35, Tone::Black}, {16, 35, Tone::White}}},
        {"closed", {{0, 0, Tone::White}, {0, -90, Tone::Red}, {-90, -90, Tone::Other}}},
        {"noentry", {{0, 0, Tone::White}, {0, -50, Tone::Red}}},
        {"noparking", {{-40, -40, Tone::Red}, {40, -40, Tone::Blue}, {0, -90, Tone::Red}}},
        {"nostopping", {{-40, -40, Tone::Red}, {40, -40, Tone::Red}, {0, -60, Tone::Blue}}},
        {"speed50", {{0, -90, Tone::Red}, {-70, 0, Tone::White}}},
        // The overtaking car is the red one on the left.
        {"noovertaking", {{-33, 10, Tone::Red}, {33, 10, Tone::Black}}},
        {"noleft", {{-40, -40, Tone::Red}, {14, 40, Tone::Black}}},
        {"endall", {{0, 0, Tone::Black}, {40, 40, Tone::White}}},
        {"ahead", {{0, 30, Tone::White}, {-60, 0, Tone::Blue}}},
        {"roundabout", {{0, 0, Tone::Blue}, {-90, -90, Tone::Other}}},
        {"oneway", {{0, 40, Tone::White}, {-70, 0, Tone::Blue}, {-90, -90, Tone::Blue}}},
        {"parking", {{-80, 0, Tone::Blue}}},
        {"crossing", {{0, -60, Tone::White}, {-88, -88, Tone::Blue}}},
    };
    for (const auto& c : cases) {
        const QImage image = render(std::string("closeup ") + c.sign + "\n");
        for (const auto& p : c.points)
            EXPECT_EQ(name(toneAt(image, 149.5 + p.x, 130 + p.y)), std::string(name(p.tone)))
                << c.sign << " at " << p.x << ", " << p.y;
    }

    // The number of a speed limit is written in the field.
    const QRect field(100, 100, 100, 60);
    EXPECT_GT(count(render("closeup speed50\n"), field, Tone::Black), 500);
    EXPECT_EQ(count(render("closeup closed\n"), field, Tone::Black), 0);
}

TEST_F(Picture, PlateStandsUnderTheRaisedSign) {
    const QImage bare = render("closeup danger\n");
    const QImage plated = render("closeup danger\nplate 150 m\n");
    // The plate is white where the bare picture shows the post or the sky.
    EXPECT_NE(toneAt(bare, 100, 225), Tone::White);
    EXPECT_EQ(toneAt(plated, 100, 225), Tone::White);
    const QRect text(100, 222, 100, 28);
    EXPECT_GT(count(plated, text, Tone::Black), 150);
    // The sign moves up to make room.
    EXPECT_EQ(toneAt(plated, 149.5, 110 - 86), Tone::Red);
    EXPECT_NE(toneAt(bare, 149.5, 110 - 86), Tone::Red);
}

// The junction pictures are wide and low: the junction stays in the middle and the roads run
// on to every edge.
TEST_F(Picture, WidePictureKeepsTheJunctionInTheMiddle) {
    const PictureSize wide{489, 257};
    const QImage image = render("road north east south west\ncar 1 south straight\n", wide);
    ASSERT_EQ(image.size(), QSize(489, 257));
    const QColor asphalt(112, 112, 112);
    const QColor grass(140, 186, 104);
    // Lanes at the four edges, 9 pixels off the centre lines at x = 244.5 and y = 128.5.
    EXPECT_EQ(image.pixelColor(2, 137), asphalt);
    EXPECT_EQ(image.pixelColor(486, 119), asphalt);
    EXPECT_EQ(image.pixelColor(235, 2), asphalt);
    EXPECT_EQ(image.pixelColor(253, 254), asphalt);
    EXPECT_EQ(image.pixelColor(185, 70), grass);
    // The car's number disc, beside the digit: in the right-hand lane of the south arm, 64
    // pixels below the centre (as in the standard picture, 64 below its centre at y = 150).
    EXPECT_EQ(toneAt(image, 262.5 + 6, 192.5), Tone::White);
    EXPECT_EQ(toneAt(render("road north east south west\ncar 1 south straight\n"), 167.5 + 6, 214),
              Tone::White);
}

TEST_F(Picture, PartsCutByTheEdgeAreNamed) {
    const PictureSize wide{489, 257};
    const std::string road = "road north east south west\n";
    using Parts = std::vector<std::string>;

    // The north and south arms of the wide picture hold one vehicle, the others three.
    const Scene queueNorth = parse(road + "car 1 north straight\ncar 2 north straight slot 2\n");
    EXPECT_EQ(partsOutside(queueNorth, wide), Parts{"vehicle 2"});
    EXPECT_EQ(partsOutside(queueNorth, kStandardPicture), Parts{});
    const Scene queueEast = parse(road + "bus 4 east left slot 3\ncar 5 south left\n");
    EXPECT_EQ(partsOutside(queueEast, wide), Parts{});
    EXPECT_EQ(partsOutside(queueEast, kStandardPicture), Parts{"vehicle 4"});
    // A tram is long, but fits on the north arm.
    EXPECT_EQ(partsOutside(parse("road north south\nrails ns\ntram 1 north straight\n"), wide),
              Parts{});

    // Two roadside items fit beside a short arm, the third does not.
    EXPECT_EQ(partsOutside(parse(road + "sign yield south plate south east\n"), wide), Parts{});
    EXPECT_EQ(
        partsOutside(parse(road + "sign yield south plate south east\nlight south red\n"), wide),
        Parts{"light on south"});
    EXPECT_EQ(
        partsOutside(parse(road + "sign stop north\nsign main north\nsign yield north\n"), wide),
        Parts{"sign on north"});
    EXPECT_EQ(partsOutside(parse(road + "sign main west plate west north\nlight west red\n"), wide),
              Parts{});
}
