// Picture of a traffic situation, described by statements in the bank source:
//
//   road <arm>...                 roads meeting in the centre; arms are north east south west.
//                                 Two opposite arms alone make a straight road.
//   roundabout <arm>...           a roundabout with the given entries
//                                 (one of these two comes first, the rest in any order)
//   midline dashed|solid|none     centre line of the roads (default dashed)
//   rails ns|ew                   tram tracks along the north-south or east-west road
//   crossing <arm>                pedestrian crossing on an arm, next to the centre
//   stopline <arm>                stop line across the lane coming in on an arm
//   sign <kind> <arm> [plate <arm> <arm>]
//                                 sign for traffic coming in on <arm>; kinds: stop yield main
//                                 roundabout crossing. The plate shows the main road running
//                                 between the two arms.
//   light <arm> red|yellow|green|redyellow|flashing|dark
//   pedestrian <arm> left|middle|right
//                                 pedestrian on the crossing of <arm>, in the half seen on the
//                                 left/right by a driver coming in on that arm
//   <vehicle> <label> <arm> straight|left|right|overtake|none [slot <n>] [left-lane]
//                                 vehicle coming in on <arm> with its intended move; slot 1 is
//                                 the front of the queue, larger slots wait further back
//   <vehicle> <label> ring <compass> [exit <arm>]
//                                 vehicle driving in the roundabout at a compass point
//                                 (north, northeast, east, ...)
//   vehicles: car truck bus moto tram ambulance police fire
#pragma once

#include "bank_source.h"

#include <optional>
#include <string>
#include <vector>

namespace bankgen {

// Listed clockwise; arithmetic on the values relies on this order.
enum class Arm { North = 0, East = 1, South = 2, West = 3 };

Arm opposite(Arm arm);
Arm leftOf(Arm arm);  // arm on the left of a driver coming in on `arm`
Arm rightOf(Arm arm); // arm on the right of a driver coming in on `arm`

enum class Move { Straight, Left, Right, Overtake, None };
enum class VehicleKind { Car, Truck, Bus, Moto, Tram, Ambulance, Police, Fire };
enum class SignKind { Stop, Yield, MainRoad, Roundabout, Crossing };
enum class LightState { Red, Yellow, Green, RedYellow, Flashing, Dark };
enum class LineStyle { Dashed, Solid, None };
enum class LaneSide { Left, Middle, Right };

struct Sign {
    SignKind kind = SignKind::Stop;
    Arm arm = Arm::South;
    std::vector<Arm> plate; // empty, or the two arms joined by the main road
};

struct Light {
    Arm arm = Arm::South;
    LightState state = LightState::Red;
};

struct Pedestrian {
    Arm arm = Arm::South;
    LaneSide side = LaneSide::Middle;
};

struct Vehicle {
    VehicleKind kind = VehicleKind::Car;
    std::string label;
    Arm arm = Arm::South; // arm it comes in on (unused for ring vehicles)
    Move move = Move::None;
    int slot = 1;
    bool leftLane = false;
    std::optional<int> ringAngle; // degrees, counter-clockwise from east; set for ring vehicles
    std::optional<Arm> exit;      // where it leaves the roundabout
};

struct Scene {
    int number = 0;
    bool roundabout = false;
    std::vector<Arm> arms;
    LineStyle midline = LineStyle::Dashed;
    std::optional<bool> railsNorthSouth; // set when there are tram tracks
    std::vector<Arm> crossings;
    std::vector<Arm> stopLines;
    std::vector<Sign> signs;
    std::vector<Light> lights;
    std::vector<Pedestrian> pedestrians;
    std::vector<Vehicle> vehicles;

    bool hasArm(Arm arm) const;
    bool hasCrossing(Arm arm) const;
    // Only two opposite arms: a road without a junction.
    bool isStraightRoad() const;
};

// Throws BankError whose line() is the source line of the offending statement.
Scene parseScene(const SourcePicture& picture);

} // namespace bankgen
