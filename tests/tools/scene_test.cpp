#include "bank_format.h"
#include "scene.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bankgen;

namespace {

SourcePicture picture(const std::string& text) {
    SourcePicture result{1, 1, {}};
    std::istringstream in(text);
    int line = 1;
    for (std::string raw; std::getline(in, raw);) {
        ++line;
        std::istringstream words(raw);
        Statement st{line, {}};
        for (std::string w; words >> w;)
            st.words.push_back(w);
        result.statements.push_back(st);
    }
    return result;
}

Scene scene(const std::string& text) { return parseScene(picture(text)); }

// Line of the rejected statement, or 0 if the picture was accepted.
int errorLine(const std::string& text) {
    try {
        scene(text);
    } catch (const BankError& error) {
        return error.line();
    }
    return 0;
}

} // namespace

TEST(Arms, TurnsSeenByTheDriverComingIn) {
    // Coming in from the south (driving north): west is on the left, east on the right.
    EXPECT_EQ(leftOf(Arm::South), Arm::West);
    EXPECT_EQ(rightOf(Arm::South), Arm::East);
    EXPECT_EQ(leftOf(Arm::North), Arm::East);
    EXPECT_EQ(rightOf(Arm::West), Arm::South);
    EXPECT_EQ(opposite(Arm::East), Arm::West);
}

TEST(Scene, ReadsAFullJunction) {
    const Scene s = scene("road north east south west\n"
                          "sign main east plate east south\n"
                          "crossing north\n"
                          "pedestrian north left\n"
                          "light west flashing\n"
                          "car 1 south left\n"
                          "tram 2 west straight slot 2\n");
    EXPECT_FALSE(s.roundabout);
    EXPECT_FALSE(s.isStraightRoad());
    ASSERT_EQ(s.signs.size(), 1u);
    EXPECT_EQ(s.signs[0].kind, SignKind::MainRoad);
    EXPECT_EQ(s.signs[0].plate, (std::vector<Arm>{Arm::East, Arm::South}));
    ASSERT_EQ(s.vehicles.size(), 2u);
    EXPECT_EQ(s.vehicles[0].move, Move::Left);
    EXPECT_EQ(s.vehicles[1].kind, VehicleKind::Tram);
    EXPECT_EQ(s.vehicles[1].slot, 2);
    EXPECT_EQ(s.lights.at(0).state, LightState::Flashing);
}

TEST(Scene, ReadsRoundaboutAndStraightRoad) {
    const Scene ring = scene("roundabout north south east\ncar 1 ring southwest exit east\n");
    EXPECT_TRUE(ring.roundabout);
    ASSERT_TRUE(ring.vehicles.at(0).ringAngle.has_value());
    EXPECT_EQ(*ring.vehicles[0].ringAngle, 225);
    EXPECT_EQ(ring.vehicles[0].exit, Arm::East);

    EXPECT_TRUE(scene("road south north\ncar 1 south overtake left-lane\n").isStraightRoad());
    EXPECT_FALSE(scene("road south east\n").isStraightRoad());
}

TEST(Scene, MovesMustLeadIntoAnArm) {
    // T junction without a north arm.
    const std::string road = "road west east south\n";
    EXPECT_EQ(errorLine(road + "car 1 south straight\n"), 3);
    EXPECT_EQ(errorLine(road + "car 1 south left\n"), 0);
    EXPECT_EQ(errorLine(road + "car 1 east right\n"), 3);
    EXPECT_EQ(errorLine(road + "car 1 west right\n"), 0);
    EXPECT_EQ(errorLine(road + "car 1 north none\n"), 3);
}

TEST(Scene, RejectsInconsistentDrawings) {
    EXPECT_EQ(errorLine("car 1 south straight\n"), 2); // road must come first
    EXPECT_EQ(errorLine("road north south\nroad east west\n"), 3);
    EXPECT_EQ(errorLine("road north north\n"), 2);
    EXPECT_EQ(errorLine("road north\n"), 2);
    EXPECT_EQ(errorLine("road north south\nsign stop east\n"), 3);
    EXPECT_EQ(errorLine("road north south\nsign octagon north\n"), 3);
    EXPECT_EQ(errorLine("road north south\nsign stop north plate north north\n"), 3);
    EXPECT_EQ(errorLine("road north south\nsign roundabout north plate north south\n"), 3);
    EXPECT_EQ(errorLine("road north south\npedestrian north left\n"), 3);
    EXPECT_EQ(errorLine("road north south\nrails ew\n"), 3);
    EXPECT_EQ(errorLine("road north south\ncar 1 south straight\ncar 1 north straight\n"), 4);
    EXPECT_EQ(errorLine("road north south\ncar 1 ring west\n"), 3);
    EXPECT_EQ(errorLine("roundabout north south\ncar 1 ring up\n"), 3);
    EXPECT_EQ(errorLine("road north south\ncar 1 south straight slot 4\n"), 3);
    EXPECT_EQ(errorLine("road north south\ncar 1 south straight fast\n"), 3);
    EXPECT_EQ(errorLine("road north south\nhouse 1 north\n"), 3);
    EXPECT_THROW(scene(""), BankError); // no road at all
}
