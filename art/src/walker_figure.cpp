#include "walker_figure.h"

#include <algorithm>
#include <cmath>

#include "sheet_layout.h"

namespace {

constexpr Rgb8 kOutline{38, 24, 44};
constexpr Rgb8 kCoat{206, 58, 58};
constexpr Rgb8 kCoatShade{156, 38, 52};
constexpr Rgb8 kCoatLight{236, 104, 88};
constexpr Rgb8 kButton{250, 214, 120};
constexpr Rgb8 kTrousers{62, 66, 104};
constexpr Rgb8 kTrousersBack{44, 46, 78};
constexpr Rgb8 kBoot{104, 64, 44};
constexpr Rgb8 kBootBack{76, 46, 36};
constexpr Rgb8 kSkin{252, 214, 182};
constexpr Rgb8 kCheek{242, 146, 140};
constexpr Rgb8 kNose{236, 120, 110};
constexpr Rgb8 kEye{38, 24, 44};
constexpr Rgb8 kHair{124, 72, 42};
constexpr Rgb8 kHat{240, 184, 56};
constexpr Rgb8 kHatBand{204, 132, 40};
constexpr Rgb8 kHatRib{226, 162, 48};
constexpr Rgb8 kPompom{248, 248, 244};
constexpr Rgb8 kScarf{40, 160, 136};
constexpr Rgb8 kScarfStripe{236, 244, 240};
constexpr Rgb8 kMitten{240, 184, 56};
constexpr Rgb8 kMittenBack{196, 134, 40};
constexpr Rgb8 kSnow{236, 242, 250};
constexpr Rgb8 kSnowShade{190, 206, 232};
constexpr Rgb8 kTongue{236, 110, 120};
constexpr Rgb8 kBreath{214, 226, 246};
constexpr Rgb8 kBreathFaint{170, 186, 222};

constexpr float kThigh = 5.5f, kShin = 5.5f, kUpperArm = 4.2f, kForearm = 4.2f;
constexpr float kTorso = 9.0f, kHeadRadius = 6.2f;

struct Frame {  // a local frame: origin, down and forward directions
    Vec origin, down, fwd;
    Vec At(float f, float d) const { return origin + fwd * f + down * d; }
};

// Draws the figure on a large scratch sprite; the caller places it.
class FigurePainter {
public:
    FigurePainter(const Pose& pose, Sprite& out) : pose_(pose), out_(out) {
        hip_ = {out.Width() / 2.0f + pose.hipShift, out.Height() / 2.0f};
        up_ = {std::sin(pose.lean), -std::cos(pose.lean)};
        fwd_ = {std::cos(pose.lean), std::sin(pose.lean)};
        neck_ = hip_ + up_ * kTorso;
        const Vec headUp = Rotate(up_, pose.headTilt);
        head_ = {neck_ + headUp * (kHeadRadius + 1.6f), {-headUp.x, -headUp.y}, {-headUp.y, headUp.x}};
    }

    void Paint() {
        const float t = pose_.turn;
        // Turned towards the viewer the limbs spread to both sides.
        const float spread = 2.6f * t;
        Scarf();
        Arm(pose_.backArm, true, -spread);
        Leg(pose_.backLeg, true, -spread);
        Leg(pose_.frontLeg, false, spread);
        Torso();
        Head();
        ScarfWrap();
        Arm(pose_.frontArm, false, spread);
        Extras();
    }

private:
    void Leg(const Limb& limb, bool back, float side) {
        const Vec top = hip_ + fwd_ * (side * 0.8f) + up_ * 1.0f;
        const Vec knee = top + FromDown(limb.upper) * kThigh;
        const Vec ankle = knee + FromDown(limb.lower) * kShin;
        out_.FillOutlined(Union(Capsule(top, knee, 2.1f), Capsule(knee, ankle, 1.9f)),
                          back ? kTrousersBack : kTrousers, kOutline);
        const Vec shin = FromDown(limb.lower);
        const Vec toe = pose_.turn > 0.5f ? Vec{side > 0 ? 0.4f : -0.4f, 0} : Vec{shin.y, -shin.x};
        const Vec centre = ankle + toe * 1.3f + shin * 0.9f;
        out_.FillOutlined(Ellipse(centre, 3.2f, 2.0f, toe.x == 0 && toe.y == 0 ? Vec{1, 0} : Normal(toe)),
                          back ? kBootBack : kBoot, kOutline);
        feet_.push_back(centre + shin * 2.0f);
    }

    static Vec Normal(Vec v) {
        const float l = Length(v);
        return l > 0 ? v * (1.0f / l) : Vec{1, 0};
    }

    Vec ArmDirection(float a) const { return up_ * -std::cos(a) + fwd_ * std::sin(a); }

    void Arm(const Limb& limb, bool back, float side) {
        const Vec shoulder = neck_ - up_ * 1.8f + fwd_ * (side * 1.5f);
        const Vec elbow = shoulder + ArmDirection(limb.upper) * kUpperArm;
        const Vec hand = elbow + ArmDirection(limb.lower) * kForearm;
        out_.FillOutlined(Union(Capsule(shoulder, elbow, 1.9f), Capsule(elbow, hand, 1.7f)),
                          back ? kCoatShade : kCoat, kOutline);
        out_.FillOutlined(Circle(hand, 2.0f), back ? kMittenBack : kMitten, kOutline);
        hands_.push_back(hand);
    }

    void Torso() {
        const float t = pose_.turn;
        const float back = 4.0f + 0.6f * t, front = 3.6f + 0.6f * t;
        auto at = [&](float f, float u) { return hip_ + fwd_ * f + up_ * u; };
        const Shape body = Rounded(Polygon({at(-back + 0.8f, kTorso - 1.2f), at(front - 0.8f, kTorso - 1.2f),
                                            at(front + 1.8f, -1.2f), at(-back - 1.6f, -1.2f)}),
                                   1.2f);
        const Vec h = hip_, f = fwd_, u = up_;
        const float tt = t;
        out_.FillOutlined(body, [=](Vec p) {
            const float along = Dot(p - h, f), height = Dot(p - h, u);
            if (height < -0.4f) return kCoatShade;  // hem
            if (tt < 0.5f) {
                if (along < -2.0f) return kCoatShade;
                if (along > 2.6f && height > 0.5f) return kCoatLight;
                if (std::fabs(along - 2.0f) < 0.55f && (int(std::floor(height)) % 4 == 1)) return kButton;
            } else {
                if (std::fabs(along - 0.4f * tt) < 0.55f && (int(std::floor(height)) % 4 == 1)) return kButton;
                if (along < -3.0f) return kCoatShade;
            }
            if (height > 0.0f && height < 1.1f) return kCoatShade;  // belt line
            return kCoat;
        }, kOutline);
    }

    void Head() {
        const Frame& hd = head_;
        const float t = pose_.turn;
        // Hair peeking out at the back.
        if (t < 0.7f) out_.FillOutlined(Circle(hd.At(-4.0f, 1.0f), 2.6f), kHair, kOutline);
        out_.FillOutlined(Circle(hd.origin, kHeadRadius), kSkin, kOutline);
        // Face: profile looks along fwd, turned it looks at the viewer.
        const float faceX = 1.8f - 0.8f * t;
        Eye(hd.At(faceX, 1.3f));
        if (t > 0.3f) Eye(hd.At(faceX - 3.6f, 1.3f));
        out_.Fill(Circle(hd.At(faceX - 0.2f, 3.6f), 1.1f), kCheek);
        if (t > 0.3f) out_.Fill(Circle(hd.At(faceX - 4.0f, 3.5f), 1.0f), kCheek);
        if (t < 0.3f) out_.FillOutlined(Circle(hd.At(6.1f, 2.2f), 1.3f), kNose, kOutline);
        else out_.Fill(Circle(hd.At(faceX - 1.6f, 2.6f), 0.9f), kNose);
        if (pose_.mouthOpen) {
            out_.Fill(Circle(hd.At(faceX + 2.6f, 4.4f), 0.8f), kOutline);
            if (pose_.flakeOnTongue) out_.Fill(Circle(hd.At(faceX + 3.4f, 4.6f), 0.7f), kTongue);
        }
        Hat();
    }

    void Eye(Vec at) {
        if (pose_.eyesClosed)
            out_.Fill(Capsule(at - head_.fwd * 0.7f, at + head_.fwd * 0.7f, 0.45f), kEye);
        else
            out_.Fill(Capsule(at - head_.down * 0.6f, at + head_.down * 0.6f, 0.55f), kEye);
    }

    void Hat() {
        const Frame& hd = head_;
        const Vec up = hd.down * -1.0f;
        const Shape dome = Intersect(Ellipse(hd.At(-0.4f, -2.2f), kHeadRadius + 0.6f, kHeadRadius + 1.0f, hd.fwd),
                                     HalfPlane(hd.At(0, -1.9f), up));
        const Vec fwd = hd.fwd, o = hd.origin;
        out_.FillOutlined(dome, [=](Vec p) {
            // Knitted ribs.
            const float along = Dot(p - o, fwd);
            return (int(std::floor(along + 10.0f)) % 3 == 0) ? kHatRib : kHat;
        }, kOutline);
        out_.FillOutlined(Capsule(hd.At(-kHeadRadius - 0.2f, -2.1f), hd.At(kHeadRadius - 0.9f, -2.1f), 0.9f), kHatBand,
                          kOutline);
        out_.FillOutlined(Circle(hd.At(-2.2f, -9.4f), 2.1f), kPompom, kOutline);
    }

    std::vector<Vec> ScarfTail() const {
        // The loose end hangs at the back and streams out with speed.
        const Vec start = neck_ - fwd_ * 2.8f + up_ * -0.6f;
        std::vector<Vec> pts;
        const float lift = pose_.scarfLift;
        for (int i = 0; i <= 4; ++i) {
            const float s = i / 4.0f;
            // Along the torso, so that it lies flat when the walker does.
            const Vec hang = up_ * (-7.0f * s) - fwd_ * (1.2f * s);
            const Vec stream = fwd_ * (-8.0f * s) - up_ * (2.5f * s);
            Vec p = start + hang * (1 - lift) + stream * lift;
            p.y += std::sin(pose_.scarfWave + s * 4.0f) * 1.0f * s * (0.3f + lift);
            pts.push_back(p);
        }
        return pts;
    }

    void Scarf() {
        const auto pts = ScarfTail();
        const Vec s0 = pts.front();
        out_.FillOutlined(Stroke(pts, 1.5f), [=](Vec p) {
            return (int(std::floor(Length(p - s0) / 2.0f)) % 2) ? kScarfStripe : kScarf;
        }, kOutline);
    }

    void ScarfWrap() {
        const Vec a = neck_ - fwd_ * 3.4f + up_ * 0.3f, b = neck_ + fwd_ * 3.2f + up_ * 0.3f;
        out_.FillOutlined(Capsule(a, b, 1.6f), [=](Vec p) {
            return (int(std::floor(Dot(p - a, fwd_) / 2.0f)) % 2) ? kScarfStripe : kScarf;
        }, kOutline);
    }

    void Extras() {
        const Frame& hd = head_;
        if (pose_.breathPuff) {
            // Breath: a few pale wisps, not a solid ball.
            const Vec c = hd.At(10.0f, 3.5f);
            out_.Fill(Circle(c, 1.3f), kBreath);
            out_.Fill(Circle(c + Vec{2.6f, -1.4f}, 1.1f), kBreath);
            out_.Fill(Circle(c + Vec{4.6f, -3.2f}, 0.8f), kBreathFaint);
            out_.Fill(Circle(c + Vec{1.8f, 1.4f}, 0.7f), kBreathFaint);
        }
        if (pose_.clapPuff && hands_.size() == 2) {
            const Vec c = (hands_[0] + hands_[1]) * 0.5f + Vec{0, -4.0f};
            for (Vec d : {Vec{-2.5f, -1.0f}, Vec{2.5f, -1.5f}, Vec{0.0f, -3.0f}, Vec{3.2f, 1.2f}, Vec{-3.0f, 1.5f}})
                out_.Fill(Circle(c + d, 0.6f), kSnow);
        }
        if (pose_.flakeOnTongue) {
            const Vec c = hd.At(7.0f, -6.0f);
            out_.Fill(Circle(c, 0.6f), kSnow);
        }
        if (pose_.snowSpray) {
            for (Vec h : hands_)
                for (Vec d : {Vec{-1.5f, -2.5f}, Vec{1.5f, -3.0f}, Vec{0.0f, -4.5f}})
                    out_.Fill(Circle(h + d, 0.6f), kSnow);
        }
    }

    const Pose& pose_;
    Sprite& out_;
    Vec hip_, up_, fwd_, neck_;
    Frame head_;
    std::vector<Vec> feet_, hands_;
};

}  // namespace

Sprite DrawWalker(const Pose& pose) {
    Sprite scratch(96, 96);
    FigurePainter(pose, scratch).Paint();

    int left, top, right, bottom;
    Sprite cell(sheet::kCell, sheet::kCell);
    if (!scratch.Bounds(left, top, right, bottom)) return cell;
    // Feet (or seat) on the bottom row; the hips stay over the cell's middle.
    const int dx = sheet::kCell / 2 - scratch.Width() / 2;
    const int dy = (sheet::kCell - 1) - bottom;
    cell.Stamp(scratch, dx, dy);
    return cell;
}
