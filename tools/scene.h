// Picture of a traffic situation or of one traffic sign, described by statements in the bank
// source. The first statement says what kind of picture it is:
//
//   road <arm>...                 roads meeting in the centre, seen from above; arms are north
//                                 east south west. Two opposite arms alone make a straight road.
//   roundabout <arm>...           a roundabout with the given entries, seen from above
//   street [night]                a street as a driver coming in from the south sees it
//   closeup <sign>                one sign on its post, drawn large
//
// On a road or roundabout, in any order:
//   midline dashed|solid|none     centre line of the roads (default dashed)
//   rails ns|ew                   tram tracks along the north-south or east-west road
//   crossing <arm>                pedestrian crossing on an arm, next to the centre
//   stopline <arm>                stop line across the lane coming in on an arm
//   sign <sign> <arm> [plate <arm> <arm>]
//                                 sign for traffic coming in on <arm>. The plate (stop, yield
//                                 and main only) shows the main road running between the arms.
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
//
// On a road (not a roundabout) and in a street:
//   officer south|north <pose> [with baton|lantern|whistle] [at <arm>]
//                                 police officer regulating traffic, drawn upright: facing
//                                 south he shows his face to the viewer, facing north his
//                                 back. Poses: down (arms lowered), up (right arm raised),
//                                 horizontal (both arms held out sideways), left or right
//                                 (only his own left or right arm held out), swing (right arm
//                                 swinging what it holds). He stands in the middle, or with
//                                 'at' on the right-hand roadside of traffic coming in on
//                                 <arm>. In a street the viewer comes in on south.
//
// With a closeup:
//   plate <text>                  supplementary plate under the sign, e.g. "plate 150 m"
//
// Signs: stop yield main endmain roundabout crossing danger lights twoway curveright closed
// noentry noparking nostopping noovertaking noleft endall ahead oneway parking, and speed<n>
// for a speed limit of n km/h (speed50).
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
enum class SignKind {
    Stop,
    Yield,
    MainRoad,
    EndOfMainRoad,
    Roundabout, // mandatory roundabout, blue
    Crossing,   // marked pedestrian crossing, blue square
    Danger,
    TrafficLights, // warning of traffic lights ahead
    TwoWayTraffic,
    CurveRight,
    ClosedToAll, // no vehicles in either direction
    NoEntry,
    NoParking,
    NoStopping,
    SpeedLimit,
    NoOvertaking,
    NoLeftTurn,
    EndOfRestrictions,
    AheadOnly,
    OneWay,
    Parking
};
enum class LightState { Red, Yellow, Green, RedYellow, Flashing, Dark };
enum class LineStyle { Dashed, Solid, None };
enum class LaneSide { Left, Middle, Right };
enum class View { Map, Street, Closeup };
enum class OfficerPose { Down, Up, Horizontal, Left, Right, Swing };
enum class OfficerTool { None, Baton, Lantern, Whistle };

struct Sign {
    SignKind kind = SignKind::Stop;
    Arm arm = Arm::South;
    std::vector<Arm> plate; // empty, or the two arms joined by the main road
    int speed = 0;          // km/h, for a speed limit
};

struct Officer {
    Arm facing = Arm::South; // south or north
    OfficerPose pose = OfficerPose::Down;
    OfficerTool tool = OfficerTool::None;
    std::optional<Arm> roadside; // stands beside traffic coming in on this arm
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
    View view = View::Map;
    bool roundabout = false;
    bool night = false; // street at night
    std::vector<Arm> arms;
    LineStyle midline = LineStyle::Dashed;
    std::optional<bool> railsNorthSouth; // set when there are tram tracks
    std::vector<Arm> crossings;
    std::vector<Arm> stopLines;
    std::vector<Sign> signs;
    std::vector<Light> lights;
    std::vector<Pedestrian> pedestrians;
    std::vector<Vehicle> vehicles;
    std::optional<Officer> officer;
    std::optional<Sign> closeup; // the sign of a closeup
    std::string plateText;       // its supplementary plate, if any

    bool hasArm(Arm arm) const;
    bool hasCrossing(Arm arm) const;
    // Only two opposite arms: a road without a junction.
    bool isStraightRoad() const;
};

// Throws BankError whose line() is the source line of the offending statement.
Scene parseScene(const SourcePicture& picture);

// Size of a drawn picture in pixels. Every bank draws its pictures at one size.
struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

inline constexpr PictureSize kStandardPicture{299, 300};

// Checks a passing order against the vehicles of a picture: `order` holds vehicle labels, first
// the vehicle that passes first. It must name every vehicle of the scene exactly once and
// nothing else, and as the candidate types the labels into boxes one character each, every
// label must be a single digit 1 to 9. Throws BankError (line() is -1).
void checkPassingOrder(const std::vector<std::string>& order, const Scene& scene);

} // namespace bankgen
