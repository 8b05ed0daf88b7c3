#include "scene_painter.h"

#include "officer_painter.h"
#include "picture_style.h"
#include "sign_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bankgen {

namespace {

// Street and closeup pictures are composed for the standard size only.
constexpr int kPictureWidth = kStandardPicture.width;
constexpr int kPictureHeight = kStandardPicture.height;

// Geometry in pixels.
constexpr double kHalf = 36;      // half the width of a two-lane road
constexpr double kLane = 18;      // lane centre, measured from the middle of the road
constexpr double kSidewalk = 8;   // width of the sidewalk along the roads
constexpr double kRingOuter = 80; // roundabout: outer edge of the ring
constexpr double kRingInner = 40; // roundabout: edge of the island
constexpr double kRingMiddle = 60;
constexpr double kSlotStep = 64;
constexpr double kArrowRun = 26; // how far a path arrow goes beyond the junction

const QColor kSidewalkColour(204, 204, 200);
const QColor kArrow(255, 221, 0);
const QColor kBlueLight(40, 110, 255);

// Coordinates along an arm: x to the right of a driver coming in on the arm, y from the
// centre of the junction outwards along the arm.
struct Frame {
    QPointF centre;
    QPointF right;
    QPointF back;

    QPointF at(double x, double y) const { return centre + right * x + back * y; }
    QPointF at(QPointF p) const { return at(p.x(), p.y()); }
    QPointF heading() const { return -back; }
};

Frame frameOf(Arm arm, QPointF centre) {
    switch (arm) {
    case Arm::North:
        return {centre, {-1, 0}, {0, -1}};
    case Arm::East:
        return {centre, {0, -1}, {1, 0}};
    case Arm::South:
        return {centre, {1, 0}, {0, 1}};
    case Arm::West:
        return {centre, {0, 1}, {-1, 0}};
    }
    return {centre, {1, 0}, {0, 1}};
}

const char* armName(Arm arm) {
    switch (arm) {
    case Arm::North:
        return "north";
    case Arm::East:
        return "east";
    case Arm::South:
        return "south";
    case Arm::West:
        return "west";
    }
    return "?";
}

// Compass angle of an arm, counter-clockwise from east.
double angleOf(Arm arm) {
    switch (arm) {
    case Arm::East:
        return 0;
    case Arm::North:
        return 90;
    case Arm::West:
        return 180;
    case Arm::South:
        return 270;
    }
    return 0;
}

// Point at a compass angle (counter-clockwise from east) around `centre`.
QPointF polar(QPointF centre, double degrees, double radius) {
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(std::cos(a), -std::sin(a)) * radius;
}

// Counter-clockwise direction of travel in the ring.
QPointF ringHeading(double degrees) {
    const double a = qDegreesToRadians(degrees);
    return {-std::sin(a), -std::cos(a)};
}

// Painter rotation that turns "up" into the given heading.
double rotationFor(QPointF heading) {
    return qRadiansToDegrees(std::atan2(heading.x(), -heading.y()));
}

struct VehicleSize {
    double width;
    double length;
};

VehicleSize sizeOf(VehicleKind kind) {
    switch (kind) {
    case VehicleKind::Car:
    case VehicleKind::Police:
        return {22, 40};
    case VehicleKind::Ambulance:
        return {24, 46};
    case VehicleKind::Truck:
    case VehicleKind::Fire:
        return {26, 56};
    case VehicleKind::Bus:
        return {26, 60};
    case VehicleKind::Moto:
        return {10, 26};
    case VehicleKind::Tram:
        return {26, 84};
    }
    return {22, 40};
}

// A map picture: a junction, roundabout or road seen from above, its centre in the middle of
// the picture.
class Painter {
public:
    Painter(const Scene& scene, PictureSize size)
        : scene_(scene), size_(size), centre_(size.width / 2.0, size.height / 2.0),
          reach_(std::max(size.width, size.height)) {}

    void paint(QImage& image) {
        QPainter painter(&image);
        p_ = &painter;
        p_->setRenderHint(QPainter::Antialiasing);
        p_->setRenderHint(QPainter::TextAntialiasing);
        p_->fillRect(QRectF(0, 0, size_.width, size_.height), kGrass);
        roads();
        if (scene_.railsNorthSouth)
            rails(*scene_.railsNorthSouth);
        markings();
        if (scene_.roundabout)
            island();
        for (const auto& v : scene_.vehicles)
            pathArrow(v);
        for (const auto& v : scene_.vehicles)
            vehicle(v);
        for (const auto& pedestrian : scene_.pedestrians)
            pedestrianFigure(pedestrian);
        roadsideItems();
        if (scene_.officer)
            officer(*scene_.officer);
        p_ = nullptr;
    }

    // Vehicles, signs, plates and lights that the edge of the picture would cut.
    std::vector<std::string> partsOutside() const {
        const QRectF picture(0, 0, size_.width, size_.height);
        std::vector<std::string> outside;
        for (const auto& v : scene_.vehicles)
            if (!picture.contains(vehicleOutline(v).boundingRect()))
                outside.push_back("vehicle " + v.label);
        for (const auto& item : roadsidePlaces())
            if (!picture.contains(item.bounds))
                outside.push_back(item.what);
        return outside;
    }

private:
    Frame frame(Arm arm) const { return frameOf(arm, centre_); }
    QPointF ringPoint(double degrees, double radius) const {
        return polar(centre_, degrees, radius);
    }

    // Distance from the centre to where an arm meets the junction.
    double junctionEdge() const { return scene_.roundabout ? kRingOuter : kHalf; }

    double crossingStart() const { return junctionEdge() + 6; }
    static constexpr double kCrossingLength = 24;
    // Room an arm with a crossing needs before the vehicles and the stop line.
    static constexpr double kCrossingRoom = 6 + kCrossingLength + 4;
    static constexpr double kOfficerHeight = 88;
    static constexpr double kOfficerRoom = 30;

    QPolygonF armRect(Arm arm, double halfWidth) const {
        const Frame f = frame(arm);
        return QPolygonF({f.at(-halfWidth, 0), f.at(halfWidth, 0), f.at(halfWidth, reach_),
                          f.at(-halfWidth, reach_)});
    }

    QPainterPath roadShape(double widen) const {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        for (Arm arm : scene_.arms)
            path.addPolygon(armRect(arm, kHalf + widen));
        if (scene_.roundabout)
            path.addEllipse(centre_, kRingOuter + widen, kRingOuter + widen);
        else if (!scene_.isStraightRoad())
            path.addRect(QRectF(centre_ - QPointF(kHalf + widen, kHalf + widen),
                                QSizeF(2 * (kHalf + widen), 2 * (kHalf + widen))));
        return path;
    }

    void roads() {
        p_->setPen(Qt::NoPen);
        p_->setBrush(kSidewalkColour);
        p_->drawPath(roadShape(kSidewalk));
        p_->setBrush(kAsphalt);
        p_->drawPath(roadShape(0));
        p_->setPen(QPen(QColor(150, 150, 146), 1));
        p_->setBrush(Qt::NoBrush);
        p_->drawPath(roadShape(0).simplified());
    }

    void rails(bool northSouth) {
        const Frame f = frame(northSouth ? Arm::South : Arm::West);
        p_->setPen(QPen(QColor(60, 60, 60), 2.5));
        for (double track : {-kLane, kLane})
            for (double rail : {-6.0, 6.0})
                p_->drawLine(f.at(track + rail, -reach_), f.at(track + rail, reach_));
        p_->setPen(QPen(QColor(165, 165, 160), 1));
        for (double track : {-kLane, kLane})
            for (double rail : {-4.5, 7.5})
                p_->drawLine(f.at(track + rail, -reach_), f.at(track + rail, reach_));
    }

    QPen midlinePen() const {
        QPen pen(kMarking, 2.5, Qt::SolidLine, Qt::FlatCap);
        if (scene_.midline == LineStyle::Dashed)
            pen.setDashPattern({5, 4});
        return pen;
    }

    void markings() {
        if (scene_.midline != LineStyle::None) {
            p_->setPen(midlinePen());
            if (scene_.isStraightRoad()) {
                const Frame f = frame(scene_.arms[0]);
                p_->drawLine(f.at(0, -reach_), f.at(0, reach_));
            } else {
                for (Arm arm : scene_.arms) {
                    const Frame f = frame(arm);
                    const double from =
                        junctionEdge() + (scene_.hasCrossing(arm) ? kCrossingRoom : 0);
                    p_->drawLine(f.at(0, from), f.at(0, reach_));
                }
            }
        }

        p_->setPen(Qt::NoPen);
        p_->setBrush(kMarking);
        for (Arm arm : scene_.crossings) {
            const Frame f = frame(arm);
            for (double x = -kHalf + 3; x + 6 <= kHalf; x += 10.5)
                p_->drawPolygon(QPolygonF({f.at(x, crossingStart()), f.at(x + 6, crossingStart()),
                                           f.at(x + 6, crossingStart() + kCrossingLength),
                                           f.at(x, crossingStart() + kCrossingLength)}));
        }
        for (Arm arm : scene_.stopLines) {
            const Frame f = frame(arm);
            const double y = junctionEdge() + 2 + (scene_.hasCrossing(arm) ? kCrossingRoom : 0);
            p_->drawPolygon(
                QPolygonF({f.at(0, y), f.at(kHalf, y), f.at(kHalf, y + 4), f.at(0, y + 4)}));
        }
    }

    void island() {
        p_->setPen(QPen(kMarking, 3));
        p_->setBrush(kGrass);
        p_->drawEllipse(centre_, kRingInner, kRingInner);
        p_->setPen(QPen(QColor(70, 110, 50), 1));
        p_->setBrush(QColor(60, 130, 60));
        p_->drawEllipse(centre_, 13, 13);
    }

    // --- vehicles ---------------------------------------------------------------------------

    double frontDistance(const Vehicle& v) const {
        // On a road without a junction the first vehicle stands a little past the middle.
        double base;
        if (scene_.isStraightRoad())
            base = -20;
        else
            base = junctionEdge() + 8 + (scene_.hasCrossing(v.arm) ? kCrossingRoom : 0);
        // Room for the arms of an officer standing in the middle.
        if (scene_.officer && !scene_.officer->roadside)
            base += kOfficerRoom;
        return base + (v.slot - 1) * kSlotStep;
    }

    double laneOf(const Vehicle& v) const { return v.leftLane ? -kLane : kLane; }

    // Degrees the vehicle covers in the ring, from its centre to its front.
    static double ringHalfLength(const Vehicle& v) {
        return qRadiansToDegrees(sizeOf(v.kind).length / 2 / kRingMiddle);
    }

    static double entryOffset() { return qRadiansToDegrees(std::asin(kLane / kRingMiddle)); }

    Arm exitOf(const Vehicle& v) const {
        switch (v.move) {
        case Move::Left:
            return leftOf(v.arm);
        case Move::Right:
            return rightOf(v.arm);
        default:
            return opposite(v.arm);
        }
    }

    // Adds the ring arc from angle `from` on, counter-clockwise, to the exit on `exit` (or a
    // short way on when there is none), and the way out along the exit arm.
    void addRingPath(QPainterPath& path, double from, std::optional<Arm> exit) const {
        double to = from + 70;
        if (exit) {
            to = angleOf(*exit) - entryOffset();
            while (to < from + 10)
                to += 360;
        }
        for (double a = from; a < to; a += 4)
            path.lineTo(ringPoint(a, kRingMiddle));
        path.lineTo(ringPoint(to, kRingMiddle));
        if (exit)
            path.lineTo(frame(*exit).at(-kLane, kRingOuter + kArrowRun));
    }

    std::optional<QPainterPath> pathOf(const Vehicle& v) const {
        QPainterPath path;
        if (v.ringAngle) {
            const double from = *v.ringAngle + ringHalfLength(v);
            path.moveTo(ringPoint(from, kRingMiddle));
            addRingPath(path, from, v.exit);
            return path;
        }
        if (v.move == Move::None)
            return std::nullopt;

        const Frame f = frame(v.arm);
        const double x = laneOf(v);
        const double front = frontDistance(v);
        path.moveTo(f.at(x, front));
        if (scene_.roundabout) {
            const double entry = std::sqrt(kRingMiddle * kRingMiddle - kLane * kLane);
            path.lineTo(f.at(x, entry));
            addRingPath(path, angleOf(v.arm) + entryOffset(), exitOf(v));
            return path;
        }
        const double edge = junctionEdge();
        switch (v.move) {
        case Move::Straight:
            path.lineTo(f.at(x, scene_.isStraightRoad() ? front - 34 : -edge - kArrowRun));
            break;
        case Move::Overtake:
            // Out into the other lane and on past the vehicles ahead.
            path.cubicTo(f.at(x, front - 25), f.at(-x, front - 25), f.at(-x, front - 50));
            path.lineTo(f.at(-x, front - 100));
            break;
        case Move::Right:
            path.lineTo(f.at(x, edge));
            path.quadTo(f.at(x, kLane), f.at(edge, kLane));
            path.lineTo(f.at(edge + kArrowRun, kLane));
            break;
        case Move::Left:
            path.lineTo(f.at(x, edge));
            path.quadTo(f.at(x, -kLane), f.at(-edge, -kLane));
            path.lineTo(f.at(-edge - kArrowRun, -kLane));
            break;
        case Move::None:
            break;
        }
        return path;
    }

    void pathArrow(const Vehicle& v) {
        const auto path = pathOf(v);
        if (!path)
            return;
        const QPointF tip = path->pointAtPercent(1);
        const double angle = qDegreesToRadians(path->angleAtPercent(1));
        const QPointF dir(std::cos(angle), -std::sin(angle));
        const QPointF side(-dir.y(), dir.x());
        const QPolygonF head({tip + dir * 11, tip + side * 7.5, tip - side * 7.5});

        p_->setBrush(Qt::NoBrush);
        p_->setPen(QPen(kOutline, 7, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p_->drawPath(*path);
        p_->setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_->setBrush(kArrow);
        p_->drawPolygon(head);
        p_->setPen(QPen(kArrow, 4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p_->setBrush(Qt::NoBrush);
        p_->drawPath(*path);
    }

    static QColor bodyColour(const Vehicle& v, int index) {
        static const QColor palette[] = {QColor(214, 40, 40),  QColor(29, 78, 216),
                                         QColor(42, 157, 58),  QColor(240, 140, 0),
                                         QColor(123, 44, 191), QColor(0, 150, 160)};
        switch (v.kind) {
        case VehicleKind::Ambulance:
        case VehicleKind::Police:
            return QColor(250, 250, 250);
        case VehicleKind::Fire:
            return QColor(200, 20, 20);
        case VehicleKind::Bus:
            return QColor(245, 170, 20);
        case VehicleKind::Tram:
            return QColor(235, 235, 225);
        default:
            return palette[index % 6];
        }
    }

    struct Placed {
        QPointF centre;
        QPointF heading;
    };

    Placed placeOf(const Vehicle& v) const {
        if (v.ringAngle)
            return {ringPoint(*v.ringAngle, kRingMiddle), ringHeading(*v.ringAngle)};
        const Frame f = frame(v.arm);
        return {f.at(laneOf(v), frontDistance(v) + sizeOf(v.kind).length / 2), f.heading()};
    }

    QPolygonF vehicleOutline(const Vehicle& v) const {
        const VehicleSize size = sizeOf(v.kind);
        const Placed at = placeOf(v);
        const QPointF side(-at.heading.y(), at.heading.x());
        const QPointF ahead = at.heading * (size.length / 2);
        const QPointF across = side * (size.width / 2);
        return QPolygonF({at.centre + ahead + across, at.centre + ahead - across,
                          at.centre - ahead - across, at.centre - ahead + across});
    }

    void vehicle(const Vehicle& v) {
        const VehicleSize size = sizeOf(v.kind);
        const auto [centre, heading] = placeOf(v);
        const int index = static_cast<int>(&v - scene_.vehicles.data());

        p_->save();
        p_->translate(centre);
        p_->rotate(rotationFor(heading));
        body(v, size, bodyColour(v, index));
        p_->restore();

        // Number upright in a white disc, readable whatever way the vehicle faces.
        p_->setPen(QPen(kOutline, 1.5));
        p_->setBrush(Qt::white);
        p_->drawEllipse(centre, 9, 9);
        p_->setFont(boldFont(13));
        p_->setPen(Qt::black);
        p_->drawText(QRectF(centre - QPointF(10, 10), QSizeF(20, 20)), Qt::AlignCenter,
                     QString::fromStdString(v.label));
    }

    // Vehicle outline facing up, centred on the origin.
    void body(const Vehicle& v, VehicleSize size, const QColor& colour) {
        const double w = size.width;
        const double l = size.length;
        const QRectF outline(-w / 2, -l / 2, w, l);
        const QColor glass(50, 70, 90);
        p_->setPen(QPen(kOutline, 1.2));

        switch (v.kind) {
        case VehicleKind::Moto:
            p_->setBrush(colour);
            p_->drawRoundedRect(outline, 4, 4);
            p_->setPen(QPen(kOutline, 2));
            p_->drawLine(QPointF(-8, -l / 2 + 6), QPointF(8, -l / 2 + 6));
            return;
        case VehicleKind::Truck:
        case VehicleKind::Fire: {
            const double cab = 16;
            p_->setBrush(v.kind == VehicleKind::Fire ? colour : QColor(215, 215, 210));
            p_->drawRect(QRectF(-w / 2, -l / 2 + cab + 2, w, l - cab - 2));
            p_->setBrush(colour);
            p_->drawRoundedRect(QRectF(-w / 2, -l / 2, w, cab), 3, 3);
            p_->setBrush(glass);
            p_->drawRect(QRectF(-w / 2 + 3, -l / 2 + 2, w - 6, 5));
            if (v.kind == VehicleKind::Fire)
                lightBar(-l / 2 + 11, w);
            return;
        }
        case VehicleKind::Bus:
        case VehicleKind::Tram: {
            p_->setBrush(colour);
            p_->drawRoundedRect(outline, 5, 5);
            p_->setBrush(glass);
            p_->drawRect(QRectF(-w / 2 + 3, -l / 2 + 2, w - 6, 5));
            if (v.kind == VehicleKind::Tram) {
                p_->setPen(QPen(QColor(190, 30, 30), 3));
                p_->drawLine(QPointF(-w / 2 + 2, -l / 2 + 12), QPointF(-w / 2 + 2, l / 2 - 6));
                p_->drawLine(QPointF(w / 2 - 2, -l / 2 + 12), QPointF(w / 2 - 2, l / 2 - 6));
                p_->setPen(QPen(kOutline, 1.2));
                p_->drawLine(QPointF(-w / 2, -l / 6), QPointF(w / 2, -l / 6));
                p_->drawLine(QPointF(-w / 2, l / 6), QPointF(w / 2, l / 6));
            }
            return;
        }
        case VehicleKind::Car:
        case VehicleKind::Police:
        case VehicleKind::Ambulance:
            break;
        }

        p_->setBrush(colour);
        p_->drawRoundedRect(outline, 6, 6);
        p_->setBrush(glass);
        p_->drawRoundedRect(QRectF(-w / 2 + 3, -l / 2 + 7, w - 6, 7), 2, 2);
        p_->drawRoundedRect(QRectF(-w / 2 + 3, l / 2 - 9, w - 6, 5), 2, 2);
        if (v.kind == VehicleKind::Police) {
            p_->setPen(Qt::NoPen);
            p_->setBrush(kSignBlue);
            p_->drawRect(QRectF(-w / 2 + 1, -2, w - 2, 4));
            lightBar(-l / 2 + 17, w);
        } else if (v.kind == VehicleKind::Ambulance) {
            p_->setPen(Qt::NoPen);
            p_->setBrush(kSignRed);
            p_->drawRect(QRectF(-2.5, l / 2 - 20, 5, 12));
            p_->drawRect(QRectF(-6, l / 2 - 16.5, 12, 5));
            lightBar(-l / 2 + 17, w);
        }
    }

    // Blue lights that are switched on: two lamps in a blue glow.
    void lightBar(double y, double width) {
        QRadialGradient glow(QPointF(0, y + 2), width);
        glow.setColorAt(0, QColor(40, 110, 255, 170));
        glow.setColorAt(1, QColor(40, 110, 255, 0));
        p_->setPen(Qt::NoPen);
        p_->setBrush(glow);
        p_->drawEllipse(QPointF(0, y + 2), width, width);
        p_->setPen(QPen(kOutline, 1));
        p_->setBrush(kBlueLight);
        p_->drawRect(QRectF(-width / 2 + 2, y, 7, 4.5));
        p_->drawRect(QRectF(width / 2 - 9, y, 7, 4.5));
    }

    void pedestrianFigure(const Pedestrian& pedestrian) {
        const double x = pedestrian.side == LaneSide::Left    ? -kLane
                         : pedestrian.side == LaneSide::Right ? kLane
                                                              : 0;
        const QPointF c = frame(pedestrian.arm).at(x, crossingStart() + kCrossingLength / 2);
        p_->setPen(QPen(QColor(20, 20, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
        p_->setBrush(QColor(20, 20, 60));
        p_->drawEllipse(c + QPointF(0, -9), 3, 3);
        p_->drawLine(c + QPointF(0, -6), c + QPointF(0, 3));
        p_->drawLine(c + QPointF(-5, -2), c + QPointF(5, -2));
        p_->drawLine(c + QPointF(0, 3), c + QPointF(-4, 11));
        p_->drawLine(c + QPointF(0, 3), c + QPointF(4, 11));
    }

    // --- signs and lights -------------------------------------------------------------------

    // Signs, plates and lights stand on the right of the traffic they are meant for, one
    // after the other away from the junction (side by side at a roundabout, where the room
    // is beside the arm).
    static constexpr double kSignRadius = 16;

    struct RoadsideItem {
        const Sign* sign = nullptr; // a sign, or with `plate` its plate
        bool plate = false;
        const Light* light = nullptr;
        QPointF centre;
        QRectF bounds;
        std::string what;
    };

    std::vector<RoadsideItem> roadsidePlaces() const {
        const auto box = [](QPointF c, double halfWidth, double halfHeight) {
            return QRectF(c - QPointF(halfWidth, halfHeight),
                          QSizeF(2 * halfWidth, 2 * halfHeight));
        };
        std::vector<RoadsideItem> items;
        for (Arm arm : scene_.arms) {
            const Frame f = frame(arm);
            const std::string where = std::string(" on ") + armName(arm);
            QPointF local(kHalf + 24, scene_.roundabout ? kRingOuter + 26 : kHalf + 26);
            const QPointF step = scene_.roundabout ? QPointF(37, 0) : QPointF(0, 37);
            for (const auto& s : scene_.signs) {
                if (s.arm != arm)
                    continue;
                const QPointF c = f.at(local);
                items.push_back({&s, false, nullptr, c, box(c, kSignRadius + 2, kSignRadius + 2),
                                 "sign" + where});
                local += step;
                if (!s.plate.empty()) {
                    const QPointF pc = f.at(local);
                    items.push_back({&s, true, nullptr, pc, box(pc, 16, 14), "plate" + where});
                    local += step;
                }
            }
            for (const auto& light : scene_.lights) {
                if (light.arm != arm)
                    continue;
                const QPointF c = f.at(local);
                items.push_back({nullptr, false, &light, c, box(c, 14, 17), "light" + where});
                local += step;
            }
        }
        return items;
    }

    void roadsideItems() {
        for (const auto& item : roadsidePlaces()) {
            if (item.light)
                trafficLight(item.light->state, item.centre);
            else if (item.plate)
                plate(*item.sign, item.centre);
            else
                paintSign(*p_, *item.sign, item.centre, kSignRadius);
        }
    }

    // --- officer ----------------------------------------------------------------------------

    // In the middle of the junction, standing a little south of the centre so that a raised
    // arm stays clear of the vehicles on the north arm; or on the roadside to the right of the
    // traffic coming in on an arm, just before the junction (a little way on along a road
    // without one).
    void officer(const Officer& o) {
        QPointF feet = centre_ + QPointF(0, 38);
        if (o.roadside) {
            const double along = scene_.isStraightRoad() ? -10 : junctionEdge() + 24;
            feet = frame(*o.roadside).at(kHalf + kSidewalk + 14, along);
        }
        paintOfficer(*p_, o, feet, kOfficerHeight, false);
    }

    // Supplementary plate: the junction as the driver at the sign sees it (own arm at the
    // bottom), main road drawn thick.
    void plate(const Sign& sign, QPointF c) {
        const QRectF box(c - QPointF(16, 14), QSizeF(32, 28));
        p_->setPen(QPen(kOutline, 1));
        p_->setBrush(Qt::white);
        p_->drawRect(box);
        const Frame own = frame(sign.arm);
        auto direction = [&](Arm arm) {
            const QPointF b = frame(arm).back;
            return QPointF(QPointF::dotProduct(b, own.right), QPointF::dotProduct(b, own.back));
        };
        constexpr double reach = 11;
        p_->setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::FlatCap));
        for (Arm arm : scene_.arms)
            p_->drawLine(c, c + direction(arm) * reach);
        p_->setPen(QPen(Qt::black, 5.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p_->setBrush(Qt::NoBrush);
        p_->drawPolyline(QPolygonF(
            {c + direction(sign.plate[0]) * reach, c, c + direction(sign.plate[1]) * reach}));
    }

    void trafficLight(LightState state, QPointF c) {
        p_->setPen(QPen(kOutline, 1));
        p_->setBrush(QColor(35, 35, 35));
        p_->drawRoundedRect(QRectF(c - QPointF(7.5, 17), QSizeF(15, 34)), 3, 3);
        const bool red = state == LightState::Red || state == LightState::RedYellow;
        const bool yellow = state == LightState::Yellow || state == LightState::RedYellow ||
                            state == LightState::Flashing;
        const bool green = state == LightState::Green;
        const struct {
            bool on;
            QColor colour;
            double y;
        } lamps[] = {{red, QColor(255, 40, 30), -10},
                     {yellow, QColor(255, 200, 0), 0},
                     {green, QColor(40, 220, 70), 10}};
        for (const auto& lamp : lamps) {
            p_->setPen(Qt::NoPen);
            p_->setBrush(lamp.on ? lamp.colour : QColor(80, 80, 80));
            p_->drawEllipse(c + QPointF(0, lamp.y), 4, 4);
        }
        if (state == LightState::Flashing) {
            p_->setPen(QPen(QColor(255, 200, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
            for (double side : {-1.0, 1.0})
                for (double dy : {-4.0, 0.0, 4.0})
                    p_->drawLine(c + QPointF(side * 10, dy * 0.8),
                                 c + QPointF(side * 14, dy * 1.5));
        }
    }

    const Scene& scene_;
    PictureSize size_;
    QPointF centre_;
    double reach_; // longer than any arm on the picture
    QPainter* p_ = nullptr;
};

// A street seen by a driver coming in from the south, with the officer standing in it.
void paintStreet(const Scene& scene, QImage& image) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    constexpr double horizon = 118;
    constexpr double vanishX = kPictureWidth / 2.0;
    const double dim = scene.night ? 0.35 : 1.0;
    auto shade = [dim](const QColor& c) {
        return QColor::fromRgbF(c.redF() * dim, c.greenF() * dim, c.blueF() * dim);
    };

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, scene.night ? QColor(10, 16, 48) : QColor(150, 195, 240));
    sky.setColorAt(1, scene.night ? QColor(40, 50, 90) : QColor(225, 238, 250));
    p.fillRect(QRectF(0, 0, kPictureWidth, horizon), sky);
    p.fillRect(QRectF(0, horizon, kPictureWidth, kPictureHeight - horizon), shade(kGrass));

    // Road edges run from the bottom corners (and beyond) towards the vanishing point.
    auto across = [&](double bottomX, double y) {
        const double t = (y - horizon) / (kPictureHeight - horizon);
        return vanishX + (bottomX - vanishX) * t;
    };
    auto band = [&](double fromX, double toX, const QColor& colour) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({QPointF(across(fromX, horizon + 2), horizon + 2),
                                 QPointF(across(toX, horizon + 2), horizon + 2),
                                 QPointF(toX, kPictureHeight), QPointF(fromX, kPictureHeight)}));
    };
    band(-150, 449, shade(kSidewalkColour));
    band(-100, 399, shade(kAsphalt));
    band(-96, -88, shade(kMarking));
    band(387, 395, shade(kMarking));

    // Centre line dashes, shorter and narrower with distance.
    for (double d = 1; d < 30; d += 1.6) {
        auto yAt = [&](double distance) { return horizon + (kPictureHeight - horizon) / distance; };
        const double nearY = yAt(d);
        const double farY = yAt(d + 0.8);
        const double nearW = 5 / d;
        const double farW = 5 / (d + 0.8);
        p.setBrush(shade(kMarking));
        p.drawPolygon(QPolygonF({QPointF(vanishX - nearW, nearY), QPointF(vanishX + nearW, nearY),
                                 QPointF(vanishX + farW, farY), QPointF(vanishX - farW, farY)}));
    }

    if (!scene.officer)
        return;
    const Officer& o = *scene.officer;
    if (o.roadside) {
        // On the roadside to the right of the driver (south) or of the oncoming traffic.
        const double x = *o.roadside == Arm::South ? 236 : 63;
        paintOfficer(p, o, QPointF(x, 262), 170, scene.night);
    } else {
        paintOfficer(p, o, QPointF(vanishX, 272), 190, scene.night);
    }
}

// One sign on its post, drawn large, with its supplementary plate below.
void paintCloseup(const Scene& scene, QImage& image) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, kPictureHeight);
    sky.setColorAt(0, QColor(178, 210, 238));
    sky.setColorAt(1, QColor(236, 243, 249));
    p.fillRect(QRectF(0, 0, kPictureWidth, kPictureHeight), sky);
    p.fillRect(QRectF(0, 268, kPictureWidth, kPictureHeight - 268), kGrass);

    const bool plate = !scene.plateText.empty();
    const QPointF centre(kPictureWidth / 2.0, plate ? 110 : 130);
    const double radius = plate ? 90 : 100;

    p.setPen(QPen(QColor(90, 90, 95), 1));
    p.setBrush(QColor(150, 152, 158));
    p.drawRect(QRectF(centre.x() - 6, centre.y(), 12, kPictureHeight - centre.y()));
    paintSign(p, *scene.closeup, centre, radius);

    if (plate) {
        const QRectF box(centre.x() - 66, 214, 132, 44);
        p.setPen(QPen(kOutline, 2.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(box, 4, 4);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawRoundedRect(box.adjusted(4, 4, -4, -4), 2, 2);
        p.setFont(boldFont(26));
        p.drawText(box, Qt::AlignCenter, QString::fromStdString(scene.plateText));
    }
}

} // namespace

QImage renderScene(const Scene& scene, PictureSize size) {
    if (scene.view != View::Map && size != kStandardPicture)
        throw std::invalid_argument("street and closeup pictures are drawn only at " +
                                    std::to_string(kPictureWidth) + "x" +
                                    std::to_string(kPictureHeight));
    QImage image(size.width, size.height, QImage::Format_RGB32);
    switch (scene.view) {
    case View::Map:
        Painter(scene, size).paint(image);
        break;
    case View::Street:
        paintStreet(scene, image);
        break;
    case View::Closeup:
        paintCloseup(scene, image);
        break;
    }
    return image;
}

std::vector<std::string> partsOutside(const Scene& scene, PictureSize size) {
    if (scene.view != View::Map)
        return {};
    return Painter(scene, size).partsOutside();
}

} // namespace bankgen
