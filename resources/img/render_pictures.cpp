// Paints the About tab slideshow: one valley with a lake and a cottage, seen at six hours of the day.
// Usage: render_pictures OUTPUT_DIR   (writes o-00.jpg ... o-21.jpg there)
//
// Everything is drawn with QPainter from fixed seeds, so a rerun gives the same pictures and the JPEGs in
// the repository can always be regenerated from this file.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 400;
// Keeps every picture well under 150 KB while the gradients stay free of banding.
constexpr int kJpegQuality = 92;

constexpr qreal kHorizonY = 252;     // lake surface; everything above it is mirrored below
constexpr qreal kShoreY = 318;       // where the foreground meadow starts on the left
constexpr qreal kShoreRightY = 344;  // ... and on the right, so the meadow slopes down towards the lake
constexpr qreal kMountainTop = 112;  // highest the far ridge may reach
constexpr qreal kMountainBase = 236; // lowest point of the far ridge line
constexpr qreal kPassX = 300;        // the gap between the two massifs
constexpr qreal kPassHalfWidth = 75;

// Fixed seeds: stars, ridges, ripples and grass look the same at every hour and on every run.
constexpr quint32 kStarSeed = 9;
constexpr quint32 kRidgeSeed = 1411;
constexpr quint32 kRippleSeed = 77;
constexpr quint32 kGrassSeed = 2024;
constexpr quint32 kGlitterSeed = 31;

constexpr int kStarCount = 260;
constexpr int kGrassBlades = 900;
constexpr int kGlitterCount = 420;
constexpr qreal kLowSunY = 150;        // a sun lower than this mirrors into the lake as a glittering path
constexpr qreal kRippleStrip = 2;      // height in px of one mirrored strip of the lake
constexpr qreal kRippleSpread = 0.035; // how much the strips wander sideways per px below the horizon
constexpr qreal kReflectionDim = 0.38;

// What changes from one hour to the next. Landscape colours are given for full daylight and are
// multiplied by `ambient`, which is what makes the same hills read as noon, sunset or night.
struct Moment {
    const char* fileName;
    QColor skyTop;
    QColor skyHorizon;
    QColor ambient;
    QColor haze;     // far ridges fade into this
    QPointF sun;     // centre of the sun, or of the moon at night
    qreal sunRadius; // 0: the body is below the horizon and only its glow shows
    qreal glowRadius;
    QColor sunColor;
    bool moon = false;
    qreal starAlpha = 0; // 0 hides the stars
    qreal cloudAlpha = 0;
    QColor cloudLight;    // sunlit top of a cloud
    QColor cloudShade;    // its underside
    qreal cloudDrift = 0; // how far the wind has carried the clouds since noon
    qreal mistAlpha = 0;  // morning mist over the water
    bool windowLit = false;
};

// In slideshow order the sun rises on the right, crosses the sky and sets into the pass on the left.
const std::array<Moment, 6> kMoments{{
    {.fileName = "o-09.jpg",
     .skyTop = QColor(70, 128, 205),
     .skyHorizon = QColor(250, 222, 186),
     .ambient = QColor(255, 238, 220),
     .haze = QColor(214, 214, 222),
     .sun = QPointF(566, 96),
     .sunRadius = 20,
     .glowRadius = 190,
     .sunColor = QColor(255, 246, 215),
     .cloudAlpha = 0.85,
     .cloudLight = QColor(255, 250, 242),
     .cloudShade = QColor(214, 200, 200),
     .cloudDrift = -60,
     .mistAlpha = 0.55},
    {.fileName = "o-12.jpg",
     .skyTop = QColor(30, 96, 192),
     .skyHorizon = QColor(178, 214, 244),
     .ambient = QColor(255, 255, 252),
     .haze = QColor(176, 204, 230),
     .sun = QPointF(372, 42),
     .sunRadius = 22,
     .glowRadius = 160,
     .sunColor = QColor(255, 255, 240),
     .cloudAlpha = 1.0,
     .cloudLight = QColor(255, 255, 255),
     .cloudShade = QColor(196, 208, 224),
     .cloudDrift = 0},
    {.fileName = "o-14.jpg",
     .skyTop = QColor(56, 118, 196),
     .skyHorizon = QColor(222, 226, 220),
     .ambient = QColor(255, 244, 218),
     .haze = QColor(206, 208, 210),
     .sun = QPointF(226, 74),
     .sunRadius = 22,
     .glowRadius = 190,
     .sunColor = QColor(255, 248, 220),
     .cloudAlpha = 0.95,
     .cloudLight = QColor(255, 252, 240),
     .cloudShade = QColor(210, 204, 206),
     .cloudDrift = 150},
    {.fileName = "o-18.jpg",
     .skyTop = QColor(52, 56, 122),
     .skyHorizon = QColor(255, 150, 70),
     .ambient = QColor(255, 172, 118),
     .haze = QColor(206, 120, 110),
     .sun = QPointF(300, 214),
     .sunRadius = 26,
     .glowRadius = 300,
     .sunColor = QColor(255, 214, 120),
     .cloudAlpha = 0.9,
     .cloudLight = QColor(255, 178, 140),
     .cloudShade = QColor(130, 76, 110),
     .cloudDrift = 210},
    {.fileName = "o-21.jpg",
     .skyTop = QColor(14, 20, 58),
     .skyHorizon = QColor(190, 96, 104),
     .ambient = QColor(96, 90, 140),
     .haze = QColor(86, 70, 110),
     .sun = QPointF(280, 300),
     .sunRadius = 0,
     .glowRadius = 280,
     .sunColor = QColor(255, 140, 90),
     .starAlpha = 0.45,
     .cloudAlpha = 0.6,
     .cloudLight = QColor(150, 96, 128),
     .cloudShade = QColor(50, 40, 76),
     .cloudDrift = 260,
     .windowLit = true},
    {.fileName = "o-00.jpg",
     .skyTop = QColor(3, 5, 16),
     .skyHorizon = QColor(22, 34, 66),
     .ambient = QColor(48, 60, 105),
     .haze = QColor(28, 38, 70),
     .sun = QPointF(392, 62),
     .sunRadius = 16,
     .glowRadius = 120,
     .sunColor = QColor(240, 240, 225),
     .moon = true,
     .starAlpha = 1.0,
     .cloudAlpha = 0.25,
     .cloudLight = QColor(70, 78, 110),
     .cloudShade = QColor(20, 26, 45),
     .cloudDrift = 420,
     .windowLit = true},
}};

// Daylight colours of the scenery, before `ambient` darkens or tints them.
const QColor kFarRidge(112, 132, 164);
const QColor kNearRidge(74, 110, 96);
const QColor kHill(92, 146, 70);
const QColor kHillShade(58, 108, 52);
const QColor kForest(36, 84, 46);
const QColor kMeadow(104, 160, 64);
const QColor kMeadowDeep(58, 110, 42);
const QColor kWater(40, 78, 110);
const QColor kWall(236, 226, 204);
const QColor kRoof(168, 58, 44);
const QColor kTimber(92, 62, 42);
const QColor kWindowLight(255, 210, 110);
const QColor kWindowDark(46, 56, 70);

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor lit(const QColor& base, const Moment& m) {
    return QColor::fromRgbF(base.redF() * m.ambient.redF(), base.greenF() * m.ambient.greenF(),
                            base.blueF() * m.ambient.blueF(), base.alphaF());
}

QColor withAlpha(QColor c, qreal alpha) {
    c.setAlphaF(static_cast<float>(alpha));
    return c;
}

// How far down the mountain pass between the two massifs pulls the skyline at `x`: 1 at its lowest
// point, fading to 0 on both sides. The sun sets into this gap so its reflection can reach the lake.
qreal passDepth(qreal x) {
    const qreal d = (x - kPassX) / kPassHalfWidth;
    return std::exp(-d * d);
}

// A jagged skyline by midpoint displacement between `top` and `bottom`; `roughness` is how far the first
// split may move, and `passDip` how much of the way down to `bottom` the pass drags it.
QPainterPath ridge(quint32 seed, qreal top, qreal bottom, qreal roughness, qreal passDip) {
    constexpr int kLevels = 7;
    constexpr qreal kDecay = 0.6; // each finer level wanders this much less
    QRandomGenerator rng(seed);
    QList<qreal> heights{top + (bottom - top) * rng.generateDouble(),
                         top + (bottom - top) * rng.generateDouble()};
    qreal spread = roughness;
    for (int level = 0; level < kLevels; ++level) {
        QList<qreal> finer;
        for (qsizetype i = 0; i + 1 < heights.size(); ++i) {
            finer << heights[i];
            finer << (heights[i] + heights[i + 1]) / 2 + (rng.generateDouble() * 2 - 1) * spread;
        }
        finer << heights.last();
        heights = finer;
        spread *= kDecay;
    }
    QPainterPath path(QPointF(0, kHorizonY + 1));
    const qreal step = qreal(kWidth) / qreal(heights.size() - 1);
    for (qsizetype i = 0; i < heights.size(); ++i) {
        const qreal x = i * step;
        const qreal y = std::clamp(heights[i], top, bottom);
        path.lineTo(x, y + (bottom - y) * passDip * passDepth(x));
    }
    path.lineTo(kWidth, kHorizonY + 1);
    path.closeSubpath();
    return path;
}

void paintSky(QPainter& p, const Moment& m) {
    QLinearGradient sky(0, 0, 0, kHorizonY);
    sky.setColorAt(0, m.skyTop);
    sky.setColorAt(0.55, mix(m.skyTop, m.skyHorizon, 0.45));
    sky.setColorAt(1, m.skyHorizon);
    p.fillRect(QRectF(0, 0, kWidth, kHorizonY + 1), sky);
}

void paintStars(QPainter& p, const Moment& m) {
    if (m.starAlpha <= 0) return;
    constexpr qreal kBrightShare = 0.08; // a few stars are bigger, the rest are specks
    QRandomGenerator rng(kStarSeed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < kStarCount; ++i) {
        const qreal x = rng.generateDouble() * kWidth;
        // Squaring bunches the stars towards the zenith, where the sky is darkest.
        const qreal y = std::pow(rng.generateDouble(), 2) * kHorizonY * 0.9;
        const bool bright = rng.generateDouble() < kBrightShare;
        const qreal fade = 1 - y / kHorizonY;
        const qreal alpha = m.starAlpha * fade * (0.35 + 0.65 * rng.generateDouble());
        p.setBrush(withAlpha(QColor(255, 250, 235), alpha));
        const qreal r = bright ? 1.3 : 0.6;
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void paintSunOrMoon(QPainter& p, const Moment& m) {
    QRadialGradient glow(m.sun, m.glowRadius);
    glow.setColorAt(0, withAlpha(m.sunColor, m.moon ? 0.25 : 0.75));
    glow.setColorAt(0.25, withAlpha(m.sunColor, m.moon ? 0.08 : 0.3));
    glow.setColorAt(1, withAlpha(m.sunColor, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(m.sun, m.glowRadius, m.glowRadius);
    if (m.sunRadius <= 0) return;

    QPainterPath body;
    body.addEllipse(m.sun, m.sunRadius, m.sunRadius);
    if (m.moon) {
        // A waxing crescent: the disc minus a second one shifted towards the dark side.
        constexpr qreal kShadowShift = 0.45;
        QPainterPath shadow;
        shadow.addEllipse(m.sun - QPointF(m.sunRadius * kShadowShift, m.sunRadius * 0.2), m.sunRadius,
                          m.sunRadius);
        body = body.subtracted(shadow);
    }
    p.setBrush(m.sunColor);
    p.drawPath(body);
}

// One cumulus made of overlapping puffs, lighter on top where the sun reaches it.
void paintCloud(QPainter& p, const Moment& m, QPointF at, qreal scale) {
    struct Puff {
        qreal dx, dy, r;
    };
    constexpr std::array<Puff, 6> kPuffs{
        {{-38, 4, 18}, {-16, -8, 24}, {10, -14, 28}, {36, -4, 22}, {56, 6, 15}, {8, 8, 20}}};
    QPainterPath cloud;
    for (const Puff& puff : kPuffs) {
        QPainterPath one;
        one.addEllipse(at + QPointF(puff.dx, puff.dy) * scale, puff.r * scale, puff.r * scale);
        cloud = cloud.united(one);
    }
    // The flat bottom of a fair-weather cloud.
    QPainterPath below;
    below.addRect(QRectF(at.x() - 100 * scale, at.y() + 14 * scale, 200 * scale, 60 * scale));
    cloud = cloud.subtracted(below);

    const QRectF box = cloud.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, withAlpha(m.cloudLight, m.cloudAlpha));
    shade.setColorAt(1, withAlpha(m.cloudShade, m.cloudAlpha));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(cloud);
}

void paintClouds(QPainter& p, const Moment& m) {
    if (m.cloudAlpha <= 0) return;
    struct Placement {
        QPointF at; // at noon
        qreal scale;
    };
    constexpr std::array<Placement, 3> kClouds{{{{180, 70}, 1.0}, {{540, 128}, 0.7}, {{60, 168}, 0.5}}};
    // Clouds blown off the right edge come back in on the left.
    constexpr qreal kOffscreen = 100;
    for (const Placement& c : kClouds) {
        const qreal x = std::fmod(c.at.x() + m.cloudDrift + kOffscreen, kWidth + 2 * kOffscreen) - kOffscreen;
        paintCloud(p, m, QPointF(x, c.at.y()), c.scale);
    }
}

void paintRidges(QPainter& p, const Moment& m) {
    constexpr qreal kFarRoughness = 80;
    constexpr qreal kFarPassDip = 0.7;
    constexpr qreal kNearRoughness = 30;
    constexpr qreal kNearPassDip = 0.6;
    constexpr qreal kNearTop = 196;
    p.setPen(Qt::NoPen);

    // Peaks catch more light and less haze than the foot of the far mountains.
    const QColor farFoot = mix(lit(kFarRidge, m), m.haze, 0.6);
    QLinearGradient far(0, kMountainTop, 0, kHorizonY);
    far.setColorAt(0, mix(lit(kFarRidge.lighter(125), m), m.haze, 0.35));
    far.setColorAt(1, farFoot);
    p.setBrush(far);
    p.drawPath(ridge(kRidgeSeed, kMountainTop, kMountainBase, kFarRoughness, kFarPassDip));

    p.setBrush(mix(lit(kNearRidge, m), m.haze, 0.3));
    p.drawPath(ridge(kRidgeSeed + 1, kNearTop, kHorizonY - 6, kNearRoughness, kNearPassDip));
}

// Hill on the right that carries the cottage, with a band of shadow on its lake side.
QPainterPath cottageHill() {
    QPainterPath hill(QPointF(330, kHorizonY + 1));
    hill.cubicTo(400, 226, 460, 196, 540, 194);
    hill.cubicTo(590, 193, 620, 200, kWidth, 206);
    hill.lineTo(kWidth, kHorizonY + 1);
    hill.closeSubpath();
    return hill;
}

void paintHill(QPainter& p, const Moment& m) {
    const QPainterPath hill = cottageHill();
    const QRectF box = hill.boundingRect();
    // The flank turned towards the sun is the bright one.
    const bool sunOnLeft = m.sun.x() < box.center().x();
    QLinearGradient shade(sunOnLeft ? box.right() : box.left(), 0, sunOnLeft ? box.left() : box.right(), 0);
    shade.setColorAt(0, lit(kHillShade, m));
    shade.setColorAt(0.6, lit(kHill, m));
    shade.setColorAt(1, lit(kHill.lighter(110), m));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(hill);
}

// A conifer: three stacked tiers on a short trunk, `base` is where the trunk meets the ground.
void paintFir(QPainter& p, const Moment& m, QPointF base, qreal height) {
    const qreal width = height * 0.42;
    const qreal trunk = height * 0.12;
    p.setPen(Qt::NoPen);
    p.setBrush(lit(kTimber, m));
    p.drawRect(QRectF(base.x() - width * 0.07, base.y() - trunk, width * 0.14, trunk));
    constexpr int kTiers = 3;
    p.setBrush(lit(kForest, m));
    for (int tier = 0; tier < kTiers; ++tier) {
        const qreal bottom = base.y() - trunk - tier * height * 0.24;
        const qreal half = width * (1 - tier * 0.22) / 2;
        const qreal top = bottom - height * 0.42;
        QPainterPath cone(QPointF(base.x() - half, bottom));
        cone.lineTo(base.x(), top);
        cone.lineTo(base.x() + half, bottom);
        cone.closeSubpath();
        p.drawPath(cone);
    }
}

void paintForest(QPainter& p, const Moment& m) {
    // Far shore on the left: a row of firs thinning out towards the pass.
    constexpr std::array<QPointF, 9> kFarShore{{{112, 254},
                                                {126, 253},
                                                {140, 254},
                                                {153, 253},
                                                {168, 254},
                                                {181, 253},
                                                {196, 254},
                                                {214, 253},
                                                {236, 254}}};
    constexpr std::array<qreal, 9> kFarHeights{34, 40, 30, 36, 28, 32, 24, 20, 16};
    for (std::size_t i = 0; i < kFarShore.size(); ++i)
        paintFir(p, m, kFarShore[i], kFarHeights[i]);
    // A few beside the cottage.
    paintFir(p, m, QPointF(584, 197), 44);
    paintFir(p, m, QPointF(604, 200), 54);
    paintFir(p, m, QPointF(622, 202), 38);
    paintFir(p, m, QPointF(468, 206), 30);
}

void paintCottage(QPainter& p, const Moment& m) {
    constexpr QRectF kWalls(516, 178, 38, 22);
    constexpr qreal kEaves = 5;
    constexpr qreal kRoofHeight = 18;
    p.setPen(Qt::NoPen);

    p.setBrush(lit(kTimber, m)); // chimney, behind the roof
    p.drawRect(QRectF(kWalls.right() - 12, kWalls.top() - kRoofHeight + 2, 6, 14));

    p.setBrush(lit(kWall, m));
    p.drawRect(kWalls);
    QPainterPath roof(QPointF(kWalls.left() - kEaves, kWalls.top()));
    roof.lineTo(kWalls.center().x(), kWalls.top() - kRoofHeight);
    roof.lineTo(kWalls.right() + kEaves, kWalls.top());
    roof.closeSubpath();
    p.setBrush(lit(kRoof, m));
    p.drawPath(roof);

    p.setBrush(lit(kTimber, m)); // door
    p.drawRect(QRectF(kWalls.left() + 6, kWalls.top() + 8, 7, kWalls.height() - 8));

    const QRectF window(kWalls.right() - 15, kWalls.top() + 6, 9, 8);
    if (m.windowLit) {
        QRadialGradient glow(window.center(), 26);
        glow.setColorAt(0, withAlpha(kWindowLight, 0.45));
        glow.setColorAt(1, withAlpha(kWindowLight, 0));
        p.setBrush(glow);
        p.drawEllipse(window.center(), 26, 26);
    }
    p.setBrush(m.windowLit ? kWindowLight : lit(kWindowDark, m));
    p.drawRect(window);
    p.setBrush(lit(kTimber, m)); // window cross
    p.drawRect(QRectF(window.center().x() - 0.5, window.top(), 1, window.height()));
    p.drawRect(QRectF(window.left(), window.center().y() - 0.5, window.width(), 1));
}

// The lake mirrors whatever is already painted above the horizon, in thin strips that drift sideways
// more and more towards the viewer, which is what makes it read as water rather than glass.
void paintLake(QPainter& p, QImage& canvas, const Moment& m) {
    const QImage above = canvas.copy(0, 0, kWidth, int(kHorizonY)).mirrored(false, true);
    const qreal depth = kHeight - kHorizonY;
    p.fillRect(QRectF(0, kHorizonY, kWidth, depth), lit(kWater, m));

    // Mostly a slow swell, with a little noise so the strips do not line up.
    constexpr qreal kSwellFrequency = 0.2;
    constexpr qreal kSwellShare = 0.85;
    QRandomGenerator rng(kRippleSeed);
    for (qreal y = 0; y < depth; y += kRippleStrip) {
        const qreal wave =
            kSwellShare * std::sin(y * kSwellFrequency) + (1 - kSwellShare) * (rng.generateDouble() * 2 - 1);
        const qreal drift = wave * y * kRippleSpread;
        p.drawImage(QPointF(drift, kHorizonY + y), above, QRectF(0, y, kWidth, kRippleStrip));
    }

    QLinearGradient dim(0, kHorizonY, 0, kHeight);
    dim.setColorAt(0, withAlpha(lit(kWater, m), kReflectionDim * 0.6));
    dim.setColorAt(1, withAlpha(lit(kWater, m), kReflectionDim * 1.6));
    p.fillRect(QRectF(0, kHorizonY, kWidth, depth), dim);

    // A bright line where water meets the far shore.
    p.fillRect(QRectF(0, kHorizonY, kWidth, 1), withAlpha(m.skyHorizon, 0.35));

    if (m.mistAlpha > 0) {
        constexpr qreal kMistHeight = 36;
        QLinearGradient mist(0, kHorizonY - kMistHeight, 0, kHorizonY + kMistHeight);
        mist.setColorAt(0, withAlpha(Qt::white, 0));
        mist.setColorAt(0.5, withAlpha(Qt::white, m.mistAlpha));
        mist.setColorAt(1, withAlpha(Qt::white, 0));
        p.fillRect(QRectF(0, kHorizonY - kMistHeight, kWidth, 2 * kMistHeight), mist);
    }
}

// Sparkles on the water under a low sun or the moon, in a path that widens towards the viewer.
void paintGlitter(QPainter& p, const Moment& m) {
    if (m.sunRadius <= 0 || (!m.moon && m.sun.y() < kLowSunY)) return;
    constexpr qreal kSpreadNear = 3.5; // path half-width at the bottom edge, in sun radii
    constexpr qreal kDashLongest = 9;
    QRandomGenerator rng(kGlitterSeed);
    const qreal depth = kHeight - kHorizonY;
    for (int i = 0; i < kGlitterCount; ++i) {
        const qreal t = rng.generateDouble(); // 0 at the horizon, 1 at the bottom edge
        const qreal halfWidth = m.sunRadius * (0.5 + kSpreadNear * t);
        // The product of two uniforms crowds the sparkles towards the middle of the path.
        const qreal offset = (rng.generateDouble() * 2 - 1) * rng.generateDouble();
        const QPointF at(m.sun.x() + offset * halfWidth, kHorizonY + 2 + t * depth);
        const qreal length = 1 + kDashLongest * t * rng.generateDouble();
        const qreal alpha = (1 - std::abs(offset)) * (m.moon ? 0.6 : 0.85);
        p.setPen(QPen(withAlpha(m.sunColor, alpha), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(length, 0));
    }
}

QPainterPath meadow() {
    QPainterPath ground(QPointF(0, kShoreY));
    ground.cubicTo(160, kShoreY - 14, 330, kShoreRightY + 10, kWidth, kShoreRightY);
    ground.lineTo(kWidth, kHeight);
    ground.lineTo(0, kHeight);
    ground.closeSubpath();
    return ground;
}

void paintMeadow(QPainter& p, const Moment& m) {
    const QPainterPath ground = meadow();
    QLinearGradient green(0, kShoreY - 14, 0, kHeight);
    green.setColorAt(0, lit(kMeadow, m));
    green.setColorAt(1, lit(kMeadowDeep, m));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPath(ground);

    // Blades are only drawn where there is ground, and grow taller towards the bottom edge.
    constexpr qreal kBladeMin = 4;
    constexpr qreal kBladeGrowth = 14;
    p.save();
    p.setClipPath(ground);
    QRandomGenerator rng(kGrassSeed);
    for (int i = 0; i < kGrassBlades; ++i) {
        const qreal x = rng.generateDouble() * kWidth;
        const qreal y = kShoreY - 14 + rng.generateDouble() * (kHeight - kShoreY + 14);
        const qreal nearness = (y - kShoreY) / (kHeight - kShoreY);
        const qreal length = kBladeMin + kBladeGrowth * std::max<qreal>(0, nearness) * rng.generateDouble();
        const qreal lean = (rng.generateDouble() * 2 - 1) * length * 0.4;
        const QColor tone = mix(kMeadowDeep, kMeadow.lighter(125), rng.generateDouble());
        QPainterPath blade(QPointF(x, y));
        blade.quadTo(x + lean * 0.3, y - length * 0.6, x + lean, y - length);
        p.setPen(QPen(lit(tone, m), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(blade);
    }
    p.restore();
}

// A broad-leaved tree in the left foreground that frames the view.
void paintFrameTree(QPainter& p, const Moment& m) {
    constexpr QPointF kFoot(70, 352);
    constexpr qreal kTrunkHeight = 110;
    QPainterPath trunk(kFoot + QPointF(-9, 0));
    trunk.cubicTo(kFoot.x() - 5, kFoot.y() - 40, kFoot.x() - 2, kFoot.y() - 80, kFoot.x() - 6,
                  kFoot.y() - kTrunkHeight);
    trunk.lineTo(kFoot.x() + 5, kFoot.y() - kTrunkHeight);
    trunk.cubicTo(kFoot.x() + 6, kFoot.y() - 70, kFoot.x() + 4, kFoot.y() - 40, kFoot.x() + 11, kFoot.y());
    trunk.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(lit(kTimber, m));
    p.drawPath(trunk);

    struct Crown {
        qreal dx, dy, r;
        qreal light; // 0 for shadowed clumps, 1 for those facing the sky
    };
    constexpr std::array<Crown, 8> kCrowns{{{-40, -110, 34, 0.1},
                                            {30, -104, 32, 0.2},
                                            {-10, -132, 36, 0.5},
                                            {-46, -146, 26, 0.6},
                                            {28, -146, 30, 0.8},
                                            {-6, -168, 28, 1.0},
                                            {-58, -124, 22, 0.3},
                                            {50, -126, 22, 0.4}}};
    for (const Crown& c : kCrowns) {
        const QPointF centre = kFoot + QPointF(c.dx, c.dy);
        QRadialGradient leaf(centre - QPointF(c.r * 0.3, c.r * 0.4), c.r * 1.3);
        leaf.setColorAt(0, lit(mix(kForest, kHill, 0.4 + 0.5 * c.light), m));
        leaf.setColorAt(1, lit(kForest.darker(120), m));
        p.setBrush(leaf);
        p.drawEllipse(centre, c.r, c.r);
    }
}

QImage render(const Moment& m) {
    QImage canvas(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p, m);
    paintStars(p, m);
    paintSunOrMoon(p, m);
    paintClouds(p, m);
    paintRidges(p, m);
    paintHill(p, m);
    paintCottage(p, m);
    paintForest(p, m);
    paintLake(p, canvas, m);
    paintGlitter(p, m);
    paintMeadow(p, m);
    paintFrameTree(p, m);
    return canvas;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Moment& m : kMoments) {
        const QString path = out.filePath(QString::fromLatin1(m.fileName));
        if (!render(m).save(path, "JPEG", kJpegQuality)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
