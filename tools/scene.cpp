#include "scene.h"

#include "bank_format.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace bankgen {

Arm opposite(Arm arm) { return static_cast<Arm>((static_cast<int>(arm) + 2) % 4); }
Arm leftOf(Arm arm) { return static_cast<Arm>((static_cast<int>(arm) + 1) % 4); }
Arm rightOf(Arm arm) { return static_cast<Arm>((static_cast<int>(arm) + 3) % 4); }

bool Scene::hasArm(Arm arm) const { return std::find(arms.begin(), arms.end(), arm) != arms.end(); }

bool Scene::hasCrossing(Arm arm) const {
    return std::find(crossings.begin(), crossings.end(), arm) != crossings.end();
}

bool Scene::isStraightRoad() const {
    return !roundabout && arms.size() == 2 && arms[0] == opposite(arms[1]);
}

namespace {

template <typename T> using Names = std::initializer_list<std::pair<const char*, T>>;

const Names<Arm> kArms{
    {"north", Arm::North}, {"east", Arm::East}, {"south", Arm::South}, {"west", Arm::West}};
const Names<int> kCompass{{"east", 0},   {"northeast", 45},  {"north", 90},  {"northwest", 135},
                          {"west", 180}, {"southwest", 225}, {"south", 270}, {"southeast", 315}};
const Names<Move> kMoves{{"straight", Move::Straight},
                         {"left", Move::Left},
                         {"right", Move::Right},
                         {"overtake", Move::Overtake},
                         {"none", Move::None}};
const Names<VehicleKind> kVehicles{
    {"car", VehicleKind::Car},       {"truck", VehicleKind::Truck},
    {"bus", VehicleKind::Bus},       {"moto", VehicleKind::Moto},
    {"tram", VehicleKind::Tram},     {"ambulance", VehicleKind::Ambulance},
    {"police", VehicleKind::Police}, {"fire", VehicleKind::Fire}};
// The speed limit is written "speed<n>" and read apart from these.
const Names<SignKind> kSigns{{"stop", SignKind::Stop},
                             {"yield", SignKind::Yield},
                             {"main", SignKind::MainRoad},
                             {"endmain", SignKind::EndOfMainRoad},
                             {"roundabout", SignKind::Roundabout},
                             {"crossing", SignKind::Crossing},
                             {"danger", SignKind::Danger},
                             {"lights", SignKind::TrafficLights},
                             {"twoway", SignKind::TwoWayTraffic},
                             {"curveright", SignKind::CurveRight},
                             {"closed", SignKind::ClosedToAll},
                             {"noentry", SignKind::NoEntry},
                             {"noparking", SignKind::NoParking},
                             {"nostopping", SignKind::NoStopping},
                             {"noovertaking", SignKind::NoOvertaking},
                             {"noleft", SignKind::NoLeftTurn},
                             {"endall", SignKind::EndOfRestrictions},
                             {"ahead", SignKind::AheadOnly},
                             {"oneway", SignKind::OneWay},
                             {"parking", SignKind::Parking}};
constexpr std::string_view kSpeedPrefix = "speed";
const Names<LightState> kLights{
    {"red", LightState::Red},           {"yellow", LightState::Yellow},
    {"green", LightState::Green},       {"redyellow", LightState::RedYellow},
    {"flashing", LightState::Flashing}, {"dark", LightState::Dark}};
const Names<LineStyle> kLineStyles{
    {"dashed", LineStyle::Dashed}, {"solid", LineStyle::Solid}, {"none", LineStyle::None}};
const Names<LaneSide> kLaneSides{
    {"left", LaneSide::Left}, {"middle", LaneSide::Middle}, {"right", LaneSide::Right}};
const Names<bool> kAxes{{"ns", true}, {"ew", false}};
const Names<OfficerPose> kPoses{{"down", OfficerPose::Down},
                                {"up", OfficerPose::Up},
                                {"horizontal", OfficerPose::Horizontal},
                                {"left", OfficerPose::Left},
                                {"right", OfficerPose::Right},
                                {"swing", OfficerPose::Swing}};
const Names<OfficerTool> kTools{{"baton", OfficerTool::Baton},
                                {"lantern", OfficerTool::Lantern},
                                {"whistle", OfficerTool::Whistle}};
// The officer is drawn upright, so he can only face the viewer or turn his back to it.
const Names<Arm> kFacings{{"south", Arm::South}, {"north", Arm::North}};
constexpr std::size_t kPlateLength = 12;

std::string armName(Arm arm) {
    for (const auto& [name, value] : kArms)
        if (value == arm)
            return name;
    return "?";
}

class SceneParser {
public:
    explicit SceneParser(int number) { scene_.number = number; }

    void statement(const Statement& st) {
        line_ = st.line;
        words_ = &st.words;
        const std::string& keyword = word(0);
        const bool isFirst = keyword == "road" || keyword == "roundabout" || keyword == "street" ||
                             keyword == "closeup";
        if (isFirst == started_)
            fail(isFirst ? "the kind of picture is already given"
                         : "a picture starts with 'road', 'roundabout', 'street' or 'closeup'");
        started_ = true;

        if (keyword == "road" || keyword == "roundabout") {
            road(keyword == "roundabout");
        } else if (keyword == "street") {
            street();
        } else if (keyword == "closeup") {
            count(1);
            scene_.view = View::Closeup;
            scene_.closeup = Sign{signKindAt(1), Arm::South, {}, speed_};
        } else if (scene_.view == View::Closeup) {
            if (keyword != "plate")
                fail("a closeup shows one sign; only 'plate' may follow it");
            plate();
        } else if (keyword == "officer") {
            officer();
        } else if (scene_.view == View::Street) {
            fail("'" + keyword + "' does not fit a street picture; it takes only 'officer'");
        } else if (keyword == "midline") {
            count(1);
            scene_.midline = lookup(1, kLineStyles, "line style");
        } else if (keyword == "rails") {
            count(1);
            if (scene_.roundabout)
                fail("tram rails need a plain road");
            const bool ns = lookup(1, kAxes, "axis");
            needArm(ns ? Arm::North : Arm::East);
            needArm(ns ? Arm::South : Arm::West);
            scene_.railsNorthSouth = ns;
        } else if (keyword == "crossing") {
            count(1);
            scene_.crossings.push_back(armAt(1));
        } else if (keyword == "stopline") {
            count(1);
            scene_.stopLines.push_back(armAt(1));
        } else if (keyword == "sign") {
            sign();
        } else if (keyword == "light") {
            count(2);
            scene_.lights.push_back(Light{armAt(1), lookup(2, kLights, "light")});
        } else if (keyword == "pedestrian") {
            count(2);
            const Pedestrian p{armAt(1), lookup(2, kLaneSides, "side")};
            if (!scene_.hasCrossing(p.arm))
                fail("no crossing on '" + armName(p.arm) + "' (give 'crossing' first)");
            scene_.pedestrians.push_back(p);
        } else if (isKnown(keyword, kVehicles)) {
            vehicle();
        } else {
            fail("unknown drawing statement '" + keyword + "'");
        }
    }

    Scene finish(int pictureLine) {
        if (!started_)
            throw BankError("picture " + std::to_string(scene_.number) +
                                " is empty; it starts with 'road', 'roundabout', 'street' or "
                                "'closeup'",
                            pictureLine);
        return std::move(scene_);
    }

private:
    [[noreturn]] void fail(const std::string& message) const { throw BankError(message, line_); }

    const std::string& word(std::size_t i) const { return (*words_)[i]; }
    std::size_t arguments() const { return words_->size() - 1; }

    void count(std::size_t expected) const {
        if (arguments() != expected)
            fail("'" + word(0) + "' takes " + std::to_string(expected) + " argument(s), found " +
                 std::to_string(arguments()));
    }

    template <typename T> static bool isKnown(const std::string& w, Names<T> names) {
        return std::any_of(names.begin(), names.end(),
                           [&](const auto& entry) { return w == entry.first; });
    }

    template <typename T> T lookup(std::size_t i, Names<T> names, const char* what) const {
        std::string known;
        for (const auto& [name, value] : names) {
            if (word(i) == name)
                return value;
            known += known.empty() ? "" : ", ";
            known += name;
        }
        fail("unknown " + std::string(what) + " '" + word(i) + "' (known: " + known + ")");
    }

    void needArm(Arm arm) const {
        if (!scene_.hasArm(arm))
            fail("'" + word(0) + "' uses '" + armName(arm) + "', but the road has no such arm");
    }

    // An arm named by the statement; it must belong to the road.
    Arm armAt(std::size_t i) const {
        const Arm arm = lookup(i, kArms, "direction");
        needArm(arm);
        return arm;
    }

    void street() {
        if (arguments() > 1 || (arguments() == 1 && word(1) != "night"))
            fail("expected 'street' or 'street night'");
        scene_.view = View::Street;
        scene_.night = arguments() == 1;
        // The viewer comes in on south and looks north.
        scene_.arms = {Arm::South, Arm::North};
    }

    void plate() {
        if (arguments() == 0)
            fail("'plate' needs the text written on it");
        if (!scene_.plateText.empty())
            fail("the sign already has a plate");
        std::string text = word(1);
        for (std::size_t i = 2; i < words_->size(); ++i)
            text += " " + word(i);
        if (text.size() > kPlateLength)
            fail("plate text '" + text + "' is longer than " + std::to_string(kPlateLength) +
                 " characters");
        scene_.plateText = text;
    }

    void officer() {
        if (arguments() < 2)
            fail("expected 'officer south|north <pose> [with <tool>] [at <direction>]'");
        if (scene_.officer)
            fail("there is already an officer in the picture");
        if (scene_.roundabout)
            fail("an officer regulates a junction or a road, not a roundabout");
        Officer o;
        if (word(1) == "east" || word(1) == "west")
            fail("the officer is drawn upright and faces south (towards the viewer) or north");
        o.facing = lookup(1, kFacings, "facing");
        o.pose = lookup(2, kPoses, "pose");
        for (std::size_t i = 3; i < words_->size(); i += 2) {
            const std::string& option = word(i);
            if (i + 1 >= words_->size())
                fail("'" + option + "' after the officer needs a value");
            if (option == "with" && o.tool == OfficerTool::None)
                o.tool = lookup(i + 1, kTools, "tool");
            else if (option == "at" && !o.roadside)
                o.roadside = armAt(i + 1);
            else
                fail("unexpected '" + option + "' after the officer");
        }
        scene_.officer = o;
    }

    void road(bool roundabout) {
        if (arguments() < 2)
            fail("a road needs at least two directions");
        scene_.roundabout = roundabout;
        for (std::size_t i = 1; i < words_->size(); ++i) {
            const Arm arm = lookup(i, kArms, "direction");
            if (scene_.hasArm(arm))
                fail("direction '" + word(i) + "' is given twice");
            scene_.arms.push_back(arm);
        }
    }

    // A sign name: one of kSigns, or "speed<n>" with n from 10 to 130 in steps of 10 (the
    // value is left in speed_).
    SignKind signKindAt(std::size_t i) {
        const std::string_view name = word(i);
        speed_ = 0;
        if (name.starts_with(kSpeedPrefix) && name.size() > kSpeedPrefix.size()) {
            const std::string_view digits = name.substr(kSpeedPrefix.size());
            const auto [end, ec] =
                std::from_chars(digits.data(), digits.data() + digits.size(), speed_);
            if (ec != std::errc{} || end != digits.data() + digits.size() || speed_ < 10 ||
                speed_ > 130 || speed_ % 10 != 0)
                fail("speed limit '" + word(i) + "' must be speed10, speed20, ... speed130");
            return SignKind::SpeedLimit;
        }
        return lookup(i, kSigns, "sign");
    }

    void sign() {
        if (arguments() != 2 && arguments() != 5)
            fail("expected 'sign <kind> <direction> [plate <direction> <direction>]'");
        const SignKind kind = signKindAt(1);
        Sign s{kind, armAt(2), {}, speed_};
        if (arguments() == 5) {
            if (word(3) != "plate")
                fail("expected 'plate' after the sign, found '" + word(3) + "'");
            if (s.kind != SignKind::Stop && s.kind != SignKind::Yield &&
                s.kind != SignKind::MainRoad)
                fail("only stop, yield and main signs carry a plate");
            s.plate = {armAt(4), armAt(5)};
            if (s.plate[0] == s.plate[1])
                fail("the main road on a plate joins two different directions");
        }
        scene_.signs.push_back(std::move(s));
    }

    void vehicle() {
        if (arguments() < 3)
            fail("expected '" + word(0) + " <label> <direction> <move>' or '" + word(0) +
                 " <label> ring <compass point>'");
        Vehicle v;
        v.kind = lookup(0, kVehicles, "vehicle");
        v.label = word(1);
        if (v.label.size() > 2)
            fail("vehicle label '" + v.label + "' is longer than 2 characters");
        for (const auto& other : scene_.vehicles)
            if (other.label == v.label)
                fail("two vehicles are labelled '" + v.label + "'");

        if (word(2) == "ring") {
            if (!scene_.roundabout)
                fail("vehicle " + v.label + " is in a ring, but the road is no roundabout");
            v.ringAngle = lookup(3, kCompass, "compass point");
        } else {
            v.arm = armAt(2);
            v.move = lookup(3, kMoves, "move");
            if (v.move == Move::Overtake && scene_.roundabout)
                fail("no overtaking in a roundabout picture");
            checkMove(v);
        }

        for (std::size_t i = 4; i < words_->size(); ++i) {
            const std::string& option = word(i);
            const bool hasValue = i + 1 < words_->size();
            if (option == "slot" && !v.ringAngle && hasValue) {
                const std::string& text = word(++i);
                const auto [end, ec] =
                    std::from_chars(text.data(), text.data() + text.size(), v.slot);
                if (ec != std::errc{} || end != text.data() + text.size() || v.slot < 1 ||
                    v.slot > 3)
                    fail("slot must be 1, 2 or 3, found '" + text + "'");
            } else if (option == "left-lane" && !v.ringAngle && !scene_.roundabout) {
                v.leftLane = true;
            } else if (option == "exit" && v.ringAngle && hasValue) {
                v.exit = armAt(++i);
            } else {
                fail("unexpected '" + option + "' after vehicle " + v.label);
            }
        }
        scene_.vehicles.push_back(std::move(v));
    }

    // A move must lead into an arm that exists.
    void checkMove(const Vehicle& v) const {
        switch (v.move) {
        case Move::Straight:
        case Move::Overtake:
            needArm(opposite(v.arm));
            break;
        case Move::Left:
            needArm(leftOf(v.arm));
            break;
        case Move::Right:
            needArm(rightOf(v.arm));
            break;
        case Move::None:
            break;
        }
    }

    Scene scene_;
    bool started_ = false;
    int speed_ = 0;
    int line_ = 0;
    const std::vector<std::string>* words_ = nullptr;
};

} // namespace

Scene parseScene(const SourcePicture& picture) {
    SceneParser parser(picture.number);
    for (const auto& statement : picture.statements)
        parser.statement(statement);
    return parser.finish(picture.line);
}

void checkPassingOrder(const std::vector<std::string>& order, const Scene& scene) {
    std::vector<std::string> labels;
    for (const auto& v : scene.vehicles) {
        if (v.label.size() != 1 || v.label[0] < '1' || v.label[0] > '9')
            throw BankError("vehicle '" + v.label +
                            "' needs a number 1 to 9, the candidate types one digit a vehicle");
        labels.push_back(v.label);
    }
    if (labels.empty())
        throw BankError("the picture has no vehicles to put in order");

    std::vector<std::string> seen;
    for (const auto& label : order) {
        if (std::find(labels.begin(), labels.end(), label) == labels.end())
            throw BankError("the order names vehicle " + label + ", which is not in the picture");
        if (std::find(seen.begin(), seen.end(), label) != seen.end())
            throw BankError("the order names vehicle " + label + " twice");
        seen.push_back(label);
    }
    for (const auto& label : labels)
        if (std::find(seen.begin(), seen.end(), label) == seen.end())
            throw BankError("vehicle " + label + " is in the picture but not in the order");
}

} // namespace bankgen
