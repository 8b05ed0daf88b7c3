#include "officer_painter.h"

#include "picture_style.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace bankgen {

namespace {

// The figure is drawn in units with the feet at the origin and the top of the cap at -kHeight,
// x to the viewer's right, and then scaled.
constexpr double kHeight = 200;
constexpr double kShoulderX = 29;
constexpr double kShoulderY = -154;
constexpr double kSleeve = 15;
constexpr double kGlove = 8;

const QColor kUniform(28, 45, 95);
const QColor kTrousers(22, 32, 70);
const QColor kVest(200, 230, 40);
const QColor kReflective(205, 210, 215);
const QColor kSkin(236, 192, 160);
const QColor kHair(90, 60, 35);
const QColor kWhite(248, 248, 248);
const QColor kBlack(20, 20, 20);

enum class ArmState { Hanging, Raised, Out, Swinging };

struct Arms {
    ArmState right = ArmState::Hanging; // the officer's own right arm
    ArmState left = ArmState::Hanging;
};

Arms armsFor(OfficerPose pose) {
    switch (pose) {
    case OfficerPose::Down:
        return {};
    case OfficerPose::Up:
        return {ArmState::Raised, ArmState::Hanging};
    case OfficerPose::Horizontal:
        return {ArmState::Out, ArmState::Out};
    case OfficerPose::Left:
        return {ArmState::Hanging, ArmState::Out};
    case OfficerPose::Right:
        return {ArmState::Out, ArmState::Hanging};
    case OfficerPose::Swing:
        return {ArmState::Swinging, ArmState::Hanging};
    }
    return {};
}

// Where the hand of an arm on the viewer's side `side` (-1 left, +1 right) is.
QPointF handOf(ArmState state, double side) {
    switch (state) {
    case ArmState::Hanging:
        return {side * 36, -86};
    case ArmState::Raised:
        return {side * 31, -224};
    case ArmState::Out:
        return {side * 99, -152};
    case ArmState::Swinging:
        return {side * 79, -104};
    }
    return {side * 36, -86};
}

QPointF unit(QPointF v) { return v / std::hypot(v.x(), v.y()); }

class OfficerArtist {
public:
    OfficerArtist(QPainter& p, const Officer& officer, bool night)
        : p_(p), officer_(officer), night_(night), front_(officer.facing == Arm::South),
          // Facing the viewer his right arm is on the viewer's left.
          rightSide_(front_ ? -1 : 1), arms_(armsFor(officer.pose)) {}

    void draw() {
        shadow();
        legs();
        p_.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(kUniform);
        p_.drawPolygon(QPolygonF({{-30, -160}, {30, -160}, {25, -92}, {-25, -92}}));
        arm(arms_.right, rightSide_);
        arm(arms_.left, -rightSide_);
        vest();
        head();
        cap();
        glove(arms_.right, rightSide_);
        glove(arms_.left, -rightSide_);
        tool();
    }

private:
    void shape(const QPolygonF& polygon, const QColor& colour) {
        p_.setPen(QPen(kOutline, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(colour);
        p_.drawPolygon(polygon);
    }

    // Thick line with a dark edge.
    void limb(QPointF from, QPointF to, double width, const QColor& colour) {
        p_.setPen(QPen(kOutline, width + 4, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(from, to);
        p_.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(from, to);
    }

    void shadow() {
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor(0, 0, 0, 70));
        p_.drawEllipse(QPointF(0, -3), 36, 8);
    }

    void legs() {
        shape(QPolygonF({{-23, -96}, {-2, -96}, {-4, -9}, {-19, -9}}), kTrousers);
        shape(QPolygonF({{2, -96}, {23, -96}, {19, -9}, {4, -9}}), kTrousers);
        p_.setBrush(kBlack);
        p_.drawEllipse(QPointF(-13, -6), 11, 6);
        p_.drawEllipse(QPointF(13, -6), 11, 6);
    }

    QPointF shoulder(double side) const { return {side * kShoulderX, kShoulderY}; }

    void arm(ArmState state, double side) {
        limb(shoulder(side), handOf(state, side), kSleeve, kUniform);
    }

    void glove(ArmState state, double side) {
        p_.setPen(QPen(kOutline, 2));
        p_.setBrush(kWhite);
        p_.drawEllipse(handOf(state, side), kGlove, kGlove);
    }

    // Fluorescent vest with reflective stripes, open at the neck in front.
    void vest() {
        if (front_)
            shape(QPolygonF({{-28, -158},
                             {-10, -158},
                             {0, -138},
                             {10, -158},
                             {28, -158},
                             {24, -94},
                             {-24, -94}}),
                  kVest);
        else
            shape(QPolygonF({{-28, -158}, {28, -158}, {24, -94}, {-24, -94}}), kVest);
        p_.setPen(Qt::NoPen);
        p_.setBrush(kReflective);
        p_.drawRect(QRectF(-26, -124, 52, 6));
        p_.drawRect(QRectF(-25, -108, 50, 6));
        if (!front_) {
            p_.setFont(boldFont(11));
            p_.setPen(kUniform);
            p_.drawText(QRectF(-26, -152, 52, 22), Qt::AlignCenter, "POLICIJA");
        }
    }

    void head() {
        p_.setPen(QPen(kOutline, 2));
        p_.setBrush(kSkin);
        p_.drawRect(QRectF(-7, -168, 14, 10)); // neck
        p_.drawEllipse(QPointF(-15, -178), 4, 6);
        p_.drawEllipse(QPointF(15, -178), 4, 6);
        p_.drawEllipse(QPointF(0, -178), 15, 16);
        if (!front_) {
            // Seen from behind: hair down to the nape.
            QPainterPath hair;
            hair.addEllipse(QPointF(0, -178), 15, 16);
            QPainterPath above;
            above.addRect(QRectF(-20, -200, 40, 32));
            p_.setBrush(kHair);
            p_.drawPath(hair.intersected(above));
            return;
        }
        p_.setPen(Qt::NoPen);
        p_.setBrush(kBlack);
        p_.drawEllipse(QPointF(-5.5, -180), 2, 2);
        p_.drawEllipse(QPointF(5.5, -180), 2, 2);
        if (officer_.tool != OfficerTool::Whistle) {
            p_.setPen(QPen(QColor(150, 70, 60), 2, Qt::SolidLine, Qt::RoundCap));
            p_.drawLine(QPointF(-5, -170), QPointF(5, -170));
        }
    }

    // White peaked cap with a dark band; the peak shows only from the front.
    void cap() {
        shape(QPolygonF({{-17, -190}, {-23, -202}, {23, -202}, {17, -190}}), kWhite);
        p_.setBrush(kWhite);
        p_.drawEllipse(QPointF(0, -202), 23, 4);
        p_.setPen(Qt::NoPen);
        p_.setBrush(kUniform);
        p_.drawRect(QRectF(-17, -195, 34, 6));
        if (front_) {
            p_.setBrush(QColor(230, 180, 30));
            p_.drawEllipse(QPointF(0, -198), 3, 3);
            p_.setBrush(kBlack);
            QPainterPath peak(QPointF(-17, -190));
            peak.lineTo(17, -190);
            peak.quadTo(0, -181, -17, -190);
            p_.drawPath(peak);
        }
    }

    void tool() {
        const QPointF hand = handOf(arms_.right, rightSide_);
        const QPointF along = unit(hand - shoulder(rightSide_));
        switch (officer_.tool) {
        case OfficerTool::None:
            return;
        case OfficerTool::Baton: {
            // White baton with red bands, held as a continuation of the arm.
            const QPointF end = hand + along * 52;
            limb(hand + along * 4, end, 7, kWhite);
            p_.setPen(QPen(kSignRed, 7, Qt::SolidLine, Qt::FlatCap));
            for (double t : {14.0, 28.0, 42.0})
                p_.drawLine(hand + along * t, hand + along * (t + 6));
            glove(arms_.right, rightSide_);
            return;
        }
        case OfficerTool::Lantern:
            lantern(hand);
            return;
        case OfficerTool::Whistle:
            whistle();
            return;
        }
    }

    void lantern(QPointF hand) {
        const QPointF lamp = hand + QPointF(0, 24);
        if (arms_.right == ArmState::Swinging)
            swingMarks(hand);
        QRadialGradient glow(lamp, 34);
        glow.setColorAt(0, QColor(255, 40, 20, 200));
        glow.setColorAt(1, QColor(255, 40, 20, 0));
        p_.setPen(Qt::NoPen);
        p_.setBrush(glow);
        p_.drawEllipse(lamp, 34, 34);
        p_.setPen(QPen(kOutline, 3));
        p_.drawLine(hand, lamp - QPointF(0, 10));
        p_.setPen(QPen(kOutline, 2));
        p_.setBrush(QColor(50, 50, 50));
        p_.drawRoundedRect(QRectF(lamp - QPointF(10, 12), QSizeF(20, 24)), 4, 4);
        p_.setBrush(QColor(255, 30, 20));
        p_.drawEllipse(lamp, 7.5, 7.5);
        glove(arms_.right, rightSide_);
    }

    // Curved double arrow beside what the hand swings: the motion to and fro.
    void swingMarks(QPointF hand) {
        const QPointF centre = shoulder(rightSide_);
        const double radius = std::hypot(hand.x() - centre.x(), hand.y() - centre.y()) + 36;
        const double middle =
            qRadiansToDegrees(std::atan2(-(hand.y() - centre.y()), hand.x() - centre.x()));
        const QColor colour = night_ ? QColor(255, 255, 255) : kBlack;
        QPainterPath arc;
        for (int i = 0; i <= 12; ++i) {
            const double a = qDegreesToRadians(middle - 32 + 64.0 * i / 12);
            const QPointF point = centre + QPointF(std::cos(a), -std::sin(a)) * radius;
            if (i == 0)
                arc.moveTo(point);
            else
                arc.lineTo(point);
        }
        p_.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(arc);
        for (double percent : {0.0, 1.0}) {
            const QPointF tip = arc.pointAtPercent(percent);
            const double angle = qDegreesToRadians(arc.angleAtPercent(percent));
            QPointF dir(std::cos(angle), -std::sin(angle));
            if (percent == 0.0)
                dir = -dir;
            const QPointF side(-dir.y(), dir.x());
            p_.setPen(Qt::NoPen);
            p_.setBrush(colour);
            p_.drawPolygon(QPolygonF({tip + dir * 10, tip + side * 7, tip - side * 7}));
        }
    }

    void whistle() {
        const QColor colour = night_ ? QColor(255, 255, 255) : kBlack;
        if (front_) {
            // Lanyard, mouthpiece and the round chamber of the whistle.
            p_.setPen(QPen(kOutline, 1.5));
            p_.drawLine(QPointF(16, -166), QPointF(22, -157));
            p_.setBrush(QColor(195, 195, 200));
            p_.drawRect(QRectF(-1, -172.5, 12, 5));
            p_.drawEllipse(QPointF(15, -168), 6, 6);
        }
        // Sound going out from the mouth.
        p_.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
        p_.setBrush(Qt::NoBrush);
        const QPointF mouth(20, -172);
        for (double r : {10.0, 18.0, 26.0})
            p_.drawArc(QRectF(mouth - QPointF(r, r), QSizeF(2 * r, 2 * r)), -40 * 16, 80 * 16);
    }

    QPainter& p_;
    const Officer& officer_;
    bool night_;
    bool front_;
    double rightSide_;
    Arms arms_;
};

} // namespace

void paintOfficer(QPainter& painter, const Officer& officer, QPointF feet, double height,
                  bool night) {
    painter.save();
    painter.translate(feet);
    painter.scale(height / kHeight, height / kHeight);
    OfficerArtist(painter, officer, night).draw();
    painter.restore();
}

} // namespace bankgen
