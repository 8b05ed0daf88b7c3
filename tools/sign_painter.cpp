#include "sign_painter.h"

#include "picture_style.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <cmath>

namespace bankgen {

namespace {

// Every sign is drawn in a box from -kFace to kFace in both directions and then scaled.
constexpr double kFace = 100;
constexpr double kEdge = 2.5; // thin dark edge that sets a sign off from what is behind it

const QColor kBlack(25, 25, 25);
const QColor kField(255, 255, 255);

QPolygonF regularPolygon(int corners, double radius, double firstDegrees) {
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const double a = qDegreesToRadians(firstDegrees + 360.0 * i / corners);
        polygon << QPointF(radius * std::cos(a), -radius * std::sin(a));
    }
    return polygon;
}

// Equilateral triangle given by its centroid height and the distance to its corners.
QPolygonF triangle(double centroidY, double circumradius, bool pointingUp) {
    QPolygonF t = regularPolygon(3, circumradius, pointingUp ? 90 : 270);
    t.translate(0, centroidY);
    return t;
}

// Solid arrow from `tail` to `tip`.
QPolygonF arrow(QPointF tail, QPointF tip, double shaftWidth, double headLength,
                double headHalfWidth) {
    const QPointF along = (tip - tail) / std::hypot(tip.x() - tail.x(), tip.y() - tail.y());
    const QPointF side(-along.y(), along.x());
    const QPointF neck = tip - along * headLength;
    const double s = shaftWidth / 2;
    return QPolygonF({tail + side * s, neck + side * s, neck + side * headHalfWidth, tip,
                      neck - side * headHalfWidth, neck - side * s, tail - side * s});
}

class SignArtist {
public:
    SignArtist(QPainter& p, const Sign& sign) : p_(p), sign_(sign) {}

    void draw() {
        switch (sign_.kind) {
        case SignKind::Stop:
            stop();
            return;
        case SignKind::Yield:
            warningTriangle(false);
            return;
        case SignKind::MainRoad:
        case SignKind::EndOfMainRoad:
            mainRoad(sign_.kind == SignKind::EndOfMainRoad);
            return;
        case SignKind::Danger:
        case SignKind::TrafficLights:
        case SignKind::TwoWayTraffic:
        case SignKind::CurveRight:
            warningTriangle(true);
            warningSymbol();
            return;
        case SignKind::ClosedToAll:
        case SignKind::NoEntry:
        case SignKind::NoParking:
        case SignKind::NoStopping:
        case SignKind::SpeedLimit:
        case SignKind::NoOvertaking:
        case SignKind::NoLeftTurn:
        case SignKind::EndOfRestrictions:
            prohibition();
            return;
        case SignKind::Roundabout:
        case SignKind::AheadOnly:
            mandatory();
            return;
        case SignKind::Crossing:
        case SignKind::OneWay:
        case SignKind::Parking:
            information();
            return;
        }
    }

private:
    void fill(const QPolygonF& shape, const QColor& colour) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawPolygon(shape);
    }

    void disc(double radius, const QColor& colour) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawEllipse(QPointF(0, 0), radius, radius);
    }

    void edge(const QPolygonF& shape) {
        p_.setPen(QPen(kOutline, kEdge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPolygon(shape);
    }

    void circleEdge(double radius) {
        p_.setPen(QPen(kOutline, kEdge));
        p_.setBrush(Qt::NoBrush);
        p_.drawEllipse(QPointF(0, 0), radius, radius);
    }

    void stroke(const QPainterPath& path, const QColor& colour, double width) {
        p_.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }

    void text(const QString& s, int pixels, const QColor& colour) {
        p_.setFont(boldFont(pixels));
        p_.setPen(colour);
        p_.drawText(QRectF(-kFace, -kFace, 2 * kFace, 2 * kFace), Qt::AlignCenter, s);
    }

    // Parallel lines across the sign from lower left to upper right, clipped to `clip`: the
    // band that marks the end of something.
    void endBand(const QPainterPath& clip, double width) {
        p_.save();
        p_.setClipPath(clip, Qt::IntersectClip);
        p_.setPen(QPen(kBlack, width, Qt::SolidLine, Qt::FlatCap));
        const QPointF across = QPointF(1, 1) / std::sqrt(2.0);
        for (int k = -2; k <= 2; ++k) {
            const QPointF offset = across * (k * width * 2.3);
            p_.drawLine(QPointF(-kFace, kFace) + offset, QPointF(kFace, -kFace) + offset);
        }
        p_.restore();
    }

    void stop() {
        const QPolygonF octagon = regularPolygon(8, kFace, 22.5);
        fill(octagon, kField);
        fill(regularPolygon(8, kFace - 7, 22.5), kSignRed);
        edge(octagon);
        text("STOP", 62, Qt::white);
    }

    // Red-bordered triangle; pointing down it is the yield sign.
    void warningTriangle(bool pointingUp) {
        constexpr double outer = 113;
        constexpr double border = 17;
        const double centroid = pointingUp ? 14 : -14;
        const QPolygonF shape = triangle(centroid, outer, pointingUp);
        p_.setPen(QPen(kOutline, kEdge + 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(kOutline);
        p_.drawPolygon(shape);
        p_.setPen(QPen(kSignRed, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(kSignRed);
        p_.drawPolygon(shape);
        // The inscribed radius is half the circumradius, so a border of b takes 2b off it.
        fill(triangle(centroid, outer - 2 * border, pointingUp), kField);
    }

    // Symbols inside an upward triangle, whose white field spans y -65 .. 53.
    void warningSymbol() {
        switch (sign_.kind) {
        case SignKind::Danger:
            fill(QPolygonF({{-8, -36}, {8, -36}, {5, 22}, {-5, 22}}), kBlack);
            p_.setBrush(kBlack);
            p_.drawEllipse(QPointF(0, 38), 7.5, 7.5);
            return;
        case SignKind::TrafficLights: {
            p_.setPen(Qt::NoPen);
            p_.setBrush(kBlack);
            p_.drawRoundedRect(QRectF(-14, -32, 28, 82), 6, 6);
            const QColor lamps[] = {kSignRed, QColor(255, 190, 0), QColor(20, 170, 60)};
            for (int i = 0; i < 3; ++i) {
                p_.setBrush(lamps[i]);
                p_.drawEllipse(QPointF(0, -19 + 28 * i), 9, 9);
            }
            return;
        }
        case SignKind::TwoWayTraffic:
            // Oncoming traffic on the left, own direction on the right.
            fill(arrow({-15, -22}, {-15, 50}, 9, 20, 12), kBlack);
            fill(arrow({15, 50}, {15, -22}, 9, 20, 12), kBlack);
            return;
        case SignKind::CurveRight: {
            QPainterPath path(QPointF(-16, 52));
            path.lineTo(-16, 18);
            path.quadTo(-16, -4, 12, -4);
            stroke(path, kBlack, 11);
            fill(QPolygonF({{11, -19}, {36, -4}, {11, 11}}), kBlack);
            return;
        }
        default:
            return;
        }
    }

    void mainRoad(bool ended) {
        const QPolygonF outer = regularPolygon(4, kFace, 90);
        const QPolygonF inner = regularPolygon(4, 66, 90);
        fill(outer, kField);
        fill(inner, kSignYellow);
        p_.setPen(QPen(kOutline, 1.5));
        p_.setBrush(Qt::NoBrush);
        p_.drawPolygon(inner);
        if (ended) {
            QPainterPath clip;
            clip.addPolygon(outer);
            endBand(clip, 5);
        }
        edge(outer);
    }

    void prohibition() {
        const SignKind kind = sign_.kind;
        QPainterPath field;
        field.addEllipse(QPointF(0, 0), 80, 80);

        if (kind == SignKind::NoEntry) {
            disc(kFace, kSignRed);
            p_.setBrush(kField);
            p_.drawRect(QRectF(-66, -15, 132, 30));
            circleEdge(kFace);
            return;
        }
        if (kind == SignKind::EndOfRestrictions) {
            disc(kFace, kField);
            QPainterPath clip;
            clip.addEllipse(QPointF(0, 0), kFace - 3, kFace - 3);
            endBand(clip, 4.5);
            circleEdge(kFace);
            return;
        }

        const bool blue = kind == SignKind::NoParking || kind == SignKind::NoStopping;
        disc(kFace, kSignRed);
        disc(80, blue ? kSignBlue : kField);
        circleEdge(kFace);

        switch (kind) {
        case SignKind::NoParking:
        case SignKind::NoStopping: {
            p_.save();
            p_.setClipPath(field);
            p_.setPen(QPen(kSignRed, 16, Qt::SolidLine, Qt::FlatCap));
            p_.drawLine(QPointF(-80, -80), QPointF(80, 80));
            if (kind == SignKind::NoStopping)
                p_.drawLine(QPointF(80, -80), QPointF(-80, 80));
            p_.restore();
            return;
        }
        case SignKind::SpeedLimit:
            text(QString::number(sign_.speed), sign_.speed >= 100 ? 70 : 92, kBlack);
            return;
        case SignKind::NoOvertaking:
            // The overtaking car is the red one, on the left.
            carFromBehind(QPointF(-33, 4), kSignRed);
            carFromBehind(QPointF(33, 4), kBlack);
            return;
        case SignKind::NoLeftTurn: {
            QPainterPath path(QPointF(14, 58));
            path.lineTo(14, 4);
            path.quadTo(14, -24, -14, -24);
            stroke(path, kBlack, 16);
            fill(QPolygonF({{-13, -44}, {-46, -24}, {-13, -4}}), kBlack);
            p_.save();
            p_.setClipPath(field);
            p_.setPen(QPen(kSignRed, 15, Qt::SolidLine, Qt::FlatCap));
            p_.drawLine(QPointF(-80, -80), QPointF(80, 80));
            p_.restore();
            return;
        }
        default:
            return;
        }
    }

    // Car seen from behind, for the overtaking sign.
    void carFromBehind(QPointF centre, const QColor& colour) {
        p_.save();
        p_.translate(centre);
        p_.scale(1.25, 1.25);
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawPolygon(QPolygonF({{-17, -2}, {-12, -23}, {12, -23}, {17, -2}})); // roof
        p_.drawRoundedRect(QRectF(-24, -4, 48, 24), 6, 6);
        p_.drawRect(QRectF(-22, 16, 10, 12)); // wheels
        p_.drawRect(QRectF(12, 16, 10, 12));
        p_.setBrush(kField);
        p_.drawPolygon(QPolygonF({{-12, -5}, {-9, -18}, {9, -18}, {12, -5}})); // rear window
        p_.restore();
    }

    void mandatory() {
        disc(kFace, kField);
        disc(kFace - 5, kSignBlue);
        circleEdge(kFace);
        if (sign_.kind == SignKind::AheadOnly) {
            fill(arrow({0, 68}, {0, -68}, 26, 50, 42), kField);
            return;
        }
        // Roundabout: three arrows chasing each other counter-clockwise.
        constexpr double radius = 50;
        const QRectF arcBox(-radius, -radius, 2 * radius, 2 * radius);
        for (int i = 0; i < 3; ++i) {
            const double start = 30 + 120 * i;
            p_.setPen(QPen(kField, 15, Qt::SolidLine, Qt::FlatCap));
            p_.setBrush(Qt::NoBrush);
            p_.drawArc(arcBox, qRound(start * 16), 80 * 16);
            const double end = qDegreesToRadians(start + 80);
            const double tipAngle = qDegreesToRadians(start + 98);
            const QPointF base(radius * std::cos(end), -radius * std::sin(end));
            const QPointF tip(radius * std::cos(tipAngle), -radius * std::sin(tipAngle));
            const QPointF outward = base / radius;
            fill(QPolygonF({tip, base + outward * 25, base - outward * 25}), kField);
        }
    }

    void information() {
        const QRectF square(-kFace, -kFace, 2 * kFace, 2 * kFace);
        p_.setPen(QPen(kOutline, kEdge));
        p_.setBrush(kField);
        p_.drawRoundedRect(square, 12, 12);
        p_.setPen(Qt::NoPen);
        p_.setBrush(kSignBlue);
        p_.drawRoundedRect(square.adjusted(5, 5, -5, -5), 9, 9);

        switch (sign_.kind) {
        case SignKind::Parking:
            text("P", 160, kField);
            return;
        case SignKind::OneWay:
            fill(arrow({0, 80}, {0, -80}, 30, 58, 50), kField);
            return;
        case SignKind::Crossing:
            fill(QPolygonF({{0, -82}, {82, 72}, {-82, 72}}), kField);
            pedestrian();
            return;
        default:
            return;
        }
    }

    // Walking pedestrian on a zebra crossing, inside the white triangle.
    void pedestrian() {
        for (double x = -42; x < 42; x += 18)
            fill(QPolygonF({{x, 58}, {x + 11, 58}, {x + 11, 66}, {x, 66}}), kBlack);
        p_.setPen(QPen(kBlack, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawLine(QPointF(3, -18), QPointF(-2, 16));                // body
        p_.drawPolyline(QPolygonF({{-2, 16}, {-14, 32}, {-24, 50}})); // back leg
        p_.drawPolyline(QPolygonF({{-2, 16}, {10, 32}, {14, 50}}));   // front leg
        p_.setPen(QPen(kBlack, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.drawPolyline(QPolygonF({{2, -12}, {-12, 2}, {-18, 12}})); // arms
        p_.drawPolyline(QPolygonF({{2, -12}, {14, 0}, {20, 8}}));
        p_.setPen(Qt::NoPen);
        p_.setBrush(kBlack);
        p_.drawEllipse(QPointF(5, -33), 10, 10);
    }

    QPainter& p_;
    const Sign& sign_;
};

} // namespace

void paintSign(QPainter& painter, const Sign& sign, QPointF centre, double radius) {
    painter.save();
    painter.translate(centre);
    painter.scale(radius / kFace, radius / kFace);
    SignArtist(painter, sign).draw();
    painter.restore();
}

} // namespace bankgen
