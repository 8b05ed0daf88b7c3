#include "bank_format.h"
#include "scene.h"
#include "scene_text.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace bankgen;

namespace {

SourcePicture picture(const std::string& text) { return pictureFromText(text); }

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

TEST(Scene, ReadsOfficers) {
    const Scene plain = scene("road north east south west\nofficer south up\n");
    ASSERT_TRUE(plain.officer.has_value());
    EXPECT_EQ(plain.officer->facing, Arm::South);
    EXPECT_EQ(plain.officer->pose, OfficerPose::Up);
    EXPECT_EQ(plain.officer->tool, OfficerTool::None);
    EXPECT_FALSE(plain.officer->roadside.has_value());

    // Options in either order.
    const Scene full = scene("road north east south west\nofficer north left at east with baton\n");
    ASSERT_TRUE(full.officer.has_value());
    EXPECT_EQ(full.officer->facing, Arm::North);
    EXPECT_EQ(full.officer->pose, OfficerPose::Left);
    EXPECT_EQ(full.officer->tool, OfficerTool::Baton);
    EXPECT_EQ(full.officer->roadside, Arm::East);

    const Scene street = scene("street night\nofficer south swing with lantern at south\n");
    EXPECT_EQ(street.view, View::Street);
    EXPECT_TRUE(street.night);
    EXPECT_EQ(street.officer->tool, OfficerTool::Lantern);
    EXPECT_EQ(street.officer->roadside, Arm::South);
    EXPECT_FALSE(scene("street\n").night);
}

TEST(Scene, RejectsOfficersThatCannotBeDrawnOrPlaced) {
    const std::string road = "road north east south west\n";
    // Upright figure: only face or back towards the viewer.
    EXPECT_EQ(errorLine(road + "officer east horizontal\n"), 3);
    EXPECT_EQ(errorLine(road + "officer south sideways\n"), 3);
    EXPECT_EQ(errorLine(road + "officer south\n"), 3);
    EXPECT_EQ(errorLine(road + "officer south up\nofficer north up\n"), 4);
    EXPECT_EQ(errorLine(road + "officer south up with flag\n"), 3);
    EXPECT_EQ(errorLine(road + "officer south up with baton with whistle\n"), 3);
    EXPECT_EQ(errorLine(road + "officer south up with\n"), 3);
    EXPECT_EQ(errorLine("road north south\nofficer south up at east\n"), 3);
    EXPECT_EQ(errorLine("roundabout north south\nofficer south up\n"), 3);
    EXPECT_EQ(errorLine("street\nofficer south up at west\n"), 3);
    // A street picture holds the officer only.
    EXPECT_EQ(errorLine("street\ncar 1 south straight\n"), 3);
    EXPECT_EQ(errorLine("street\nsign stop south\n"), 3);
    EXPECT_EQ(errorLine("street day\n"), 2);
}

TEST(Scene, ReadsSignCloseups) {
    const Scene stop = scene("closeup stop\n");
    EXPECT_EQ(stop.view, View::Closeup);
    ASSERT_TRUE(stop.closeup.has_value());
    EXPECT_EQ(stop.closeup->kind, SignKind::Stop);
    EXPECT_EQ(stop.plateText, "");

    // Plate words are joined by single blanks.
    const Scene limit = scene("closeup speed50\nplate  7-15   h\n");
    EXPECT_EQ(limit.closeup->kind, SignKind::SpeedLimit);
    EXPECT_EQ(limit.closeup->speed, 50);
    EXPECT_EQ(limit.plateText, "7-15 h");

    // Every sign name can also stand on a road.
    const Scene onRoad = scene("road north south\nsign speed130 north\nsign noentry south\n");
    EXPECT_EQ(onRoad.signs.at(0).speed, 130);
    EXPECT_EQ(onRoad.signs.at(1).kind, SignKind::NoEntry);
}

TEST(Scene, RejectsBadSignsAndPlates) {
    for (const char* speed : {"speed", "speed0", "speed55", "speed140", "speed5x", "speed-10"})
        EXPECT_EQ(errorLine(std::string("closeup ") + speed + "\n"), 2) << speed;
    EXPECT_EQ(errorLine("closeup\n"), 2);
    EXPECT_EQ(errorLine("closeup stop yield\n"), 2);
    EXPECT_EQ(errorLine("closeup stop\ncloseup yield\n"), 3);
    EXPECT_EQ(errorLine("closeup stop\nofficer south up\n"), 3);
    EXPECT_EQ(errorLine("closeup stop\nplate\n"), 3);
    EXPECT_EQ(errorLine("closeup stop\nplate 150 m\nplate 200 m\n"), 4);
    EXPECT_EQ(errorLine("closeup stop\nplate 1234567890123\n"), 3);
    EXPECT_EQ(errorLine("closeup stop\nplate 123456789012\n"), 0);
    EXPECT_EQ(errorLine("road north south\nplate 150 m\n"), 3);
    // Only signs about the main road carry the junction plate.
    EXPECT_EQ(errorLine("road north south\nsign speed50 north plate north south\n"), 3);
}
