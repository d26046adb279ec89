#include "resources/TitlePicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace kwintor {

namespace {

constexpr double pi = 3.14159265358979323846;

struct Vec {
    double x = 0, y = 0, z = 0;
    Vec operator+(Vec o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(Vec o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double k) const { return {x * k, y * k, z * k}; }
    double dot(Vec o) const { return x * o.x + y * o.y + z * o.z; }
    Vec cross(Vec o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    Vec unit() const {
        const double l = std::sqrt(dot(*this));
        return {x / l, y / l, z / l};
    }
};

// A pinhole camera looking down at the table (z up) from the front.
class Camera {
public:
    Camera(Vec target, double distance, double elevationDeg, QPointF screenCentre, double focal)
        : m_centre(screenCentre), m_focal(focal) {
        const double el = elevationDeg * pi / 180.0;
        m_eye = target + Vec{0, -std::cos(el), std::sin(el)} * distance;
        m_forward = (target - m_eye).unit();
        m_right = m_forward.cross({0, 0, 1}).unit();
        m_up = m_right.cross(m_forward);
    }
    QPointF operator()(Vec p) const {
        const Vec d = p - m_eye;
        const double depth = d.dot(m_forward);
        return {m_centre.x() + m_focal * d.dot(m_right) / depth, m_centre.y() - m_focal * d.dot(m_up) / depth};
    }
    double depth(Vec p) const { return (p - m_eye).dot(m_forward); }
    Vec eye() const { return m_eye; }

private:
    Vec m_eye, m_forward, m_right, m_up;
    QPointF m_centre;
    double m_focal;
};

// Light from the upper left, a little in front.
const Vec light = Vec{-0.55, -0.35, 0.76}.unit();

QColor shaded(const QColor& base, Vec normal, double ambient = 0.55) {
    const double k = ambient + (1.0 - ambient) * std::max(0.0, normal.dot(light));
    return QColor::fromRgbF(std::min(1.0f, float(base.redF() * k)), std::min(1.0f, float(base.greenF() * k)),
                            std::min(1.0f, float(base.blueF() * k)));
}

QPolygonF circle(const Camera& cam, Vec centre, double radius, int steps = 72, double from = 0, double to = 2 * pi) {
    QPolygonF poly;
    for (int i = 0; i <= steps; ++i) {
        const double a = from + (to - from) * i / steps;
        poly << cam(centre + Vec{radius * std::cos(a), radius * std::sin(a), 0});
    }
    return poly;
}

void softShadow(QPainter& p, QPointF centre, double rx, double ry, int alpha) {
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0.0, QColor(70, 50, 30, alpha));
    g.setColorAt(0.6, QColor(70, 50, 30, alpha / 2));
    g.setColorAt(1.0, QColor(70, 50, 30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

// A die standing on a surface at height `base`, turned by `turn` about the vertical.
struct Die {
    Vec centre; // centre of its bottom face
    double size;
    double turn;
    int top; // pips on top
};

void paintDie(QPainter& p, const Camera& cam, const Die& d) {
    const double h = d.size / 2;
    const Vec ax{std::cos(d.turn), std::sin(d.turn), 0};
    const Vec ay{-std::sin(d.turn), std::cos(d.turn), 0};
    const Vec az{0, 0, 1};
    const Vec mid = d.centre + az * h;

    // The four side values around the top: never the top nor its opposite.
    std::array<int, 4> sides{};
    {
        int k = 0;
        for (int v = 1; v <= 6 && k < 2; ++v)
            if (v != d.top && v != 7 - d.top)
                sides[k++] = v;
        sides[2] = 7 - sides[0];
        sides[3] = 7 - sides[1];
    }
    struct Face {
        Vec normal, u, v;
        int pips;
    };
    const std::array<Face, 5> faces{{
        {az, ax, ay, d.top},
        {ax, ay, az, sides[0]},
        {ay, ax * -1, az, sides[1]},
        {ax * -1, ay * -1, az, sides[2]},
        {ay * -1, ax, az, sides[3]},
    }};
    const QColor ivory(252, 248, 238);
    for (const Face& f : faces) {
        const Vec fc = mid + f.normal * h;
        if (f.normal.dot(cam.eye() - fc) <= 0)
            continue;
        QPolygonF quad;
        for (auto [a, b] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}})
            quad << cam(fc + f.u * (a * h) + f.v * (b * h));
        p.setPen(QPen(QColor(120, 110, 96), 0.8));
        p.setBrush(shaded(ivory, f.normal, 0.62));
        p.drawPolygon(quad);

        // Pips in the usual layouts, on the face's own grid.
        static const std::array<std::vector<std::pair<int, int>>, 7> layout{{
            {},
            {{0, 0}},
            {{-1, -1}, {1, 1}},
            {{-1, -1}, {0, 0}, {1, 1}},
            {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}},
            {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}},
            {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}},
        }};
        p.setPen(Qt::NoPen);
        p.setBrush(shaded(QColor(48, 40, 38), f.normal, 0.75));
        for (auto [a, b] : layout[f.pips]) {
            QPolygonF pip;
            for (int i = 0; i < 16; ++i) {
                const double t = 2 * pi * i / 16;
                pip << cam(fc + f.u * (a * 0.52 * h + std::cos(t) * 0.17 * h) +
                           f.v * (b * 0.52 * h + std::sin(t) * 0.17 * h));
            }
            p.drawPolygon(pip);
        }
    }
}

void paintTable(QPainter& p, int w, int h) {
    QLinearGradient table(0, 0, 0, h);
    table.setColorAt(0.0, QColor(236, 226, 206));
    table.setColorAt(0.45, QColor(226, 212, 186));
    table.setColorAt(1.0, QColor(208, 190, 160));
    p.fillRect(0, 0, w, h, table);
    // Faint wood grain running across the table.
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> jitter(-1.0, 1.0);
    for (int i = 0; i < 46; ++i) {
        const double y = 6 + i * 7.2 + jitter(rng) * 2;
        QPainterPath grain;
        grain.moveTo(0, y);
        for (int x = 0; x <= w; x += 50)
            grain.lineTo(x, y + std::sin(x * 0.011 + i) * 2.5 + jitter(rng) * 0.6);
        p.setPen(QPen(QColor(150, 110, 70, 10 + int(6 * (jitter(rng) + 1))), 1.0 + (i % 3) * 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(grain);
    }
    // Window light falling from the upper left.
    QRadialGradient glow(QPointF(90, 40), 420);
    glow.setColorAt(0.0, QColor(255, 252, 240, 150));
    glow.setColorAt(1.0, QColor(255, 252, 240, 0));
    p.fillRect(0, 0, w, h, glow);
}

void paintPad(QPainter& p, const Camera& cam) {
    const Vec c{-11.8, -6.5, 0};
    const double a = -0.32;
    const Vec u{std::cos(a), std::sin(a), 0}, v{-std::sin(a), std::cos(a), 0};
    const double hw = 4.6, hh = 6.2;
    auto at = [&](double s, double t, double z = 0) { return cam(c + u * s + v * t + Vec{0, 0, z}); };

    QPolygonF shadow{at(-hw + 0.4, -hh - 0.3), at(hw + 0.5, -hh - 0.3), at(hw + 0.5, hh - 0.2),
                     at(-hw + 0.4, hh - 0.2)};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 70, 50, 40));
    p.drawPolygon(shadow);

    const double z = 0.25;
    QPolygonF sheet{at(-hw, -hh, z), at(hw, -hh, z), at(hw, hh, z), at(-hw, hh, z)};
    p.setBrush(QColor(253, 252, 247));
    p.setPen(QPen(QColor(170, 160, 140), 0.8));
    p.drawPolygon(sheet);
    // The pad's ruled columns and rows.
    p.setPen(QPen(QColor(120, 150, 190, 150), 0.7));
    for (int i = 1; i < 16; ++i) {
        const double t = -hh + 1.6 + i * (2 * hh - 2.0) / 16;
        p.drawLine(at(-hw + 0.4, t, z), at(hw - 0.4, t, z));
    }
    for (double s : {-1.6, -0.2, 1.2, 2.6}) {
        p.setPen(QPen(s < -1 ? QColor(200, 90, 90, 170) : QColor(120, 150, 190, 140), 0.7));
        p.drawLine(at(s, -hh + 0.5, z), at(s, hh - 1.4, z));
    }
    // A binding strip across the far edge.
    QPolygonF band{at(-hw, hh - 1.0, z + 0.05), at(hw, hh - 1.0, z + 0.05), at(hw, hh, z + 0.05),
                   at(-hw, hh, z + 0.05)};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 60, 50));
    p.drawPolygon(band);
    // A few pencilled scores.
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> len(0.5, 1.0);
    p.setPen(QPen(QColor(80, 80, 90, 170), 0.8));
    for (int row = 1; row < 9; ++row)
        for (double s : {-1.3, 0.1}) {
            const double t = -hh + 1.6 + (16 - row) * (2 * hh - 2.0) / 16 + 0.35;
            p.drawLine(at(s + 0.2, t, z), at(s + 0.2 + len(rng), t + 0.12, z));
        }
    // A pencil lying across the pad.
    const Vec p0 = c + u * (-3.5) + v * (-7.6) + Vec{0, 0, 0.5};
    const Vec p1 = c + u * (4.8) + v * (-3.0) + Vec{0, 0, 0.5};
    const QPointF s0 = cam(p0), s1 = cam(p1);
    QLineF axis(s0, s1);
    QLineF normal = axis.normalVector();
    normal.setLength(2.6);
    const QPointF off = normal.p2() - normal.p1();
    p.setPen(QPen(QColor(90, 60, 30, 60), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(s0 + QPointF(2, 4), s1 + QPointF(2, 4));
    QLinearGradient body(s0 + off, s0 - off);
    body.setColorAt(0.0, QColor(250, 206, 90));
    body.setColorAt(1.0, QColor(196, 140, 40));
    const QPointF tip = s0 + (s0 - s1) * 0.09;
    p.setPen(QPen(QColor(140, 100, 40), 0.6));
    p.setBrush(body);
    p.drawPolygon(QPolygonF{s0 + off, s1 + off, s1 - off, s0 - off});
    p.setBrush(QColor(232, 200, 160));
    p.drawPolygon(QPolygonF{s0 + off, tip, s0 - off});
    p.setBrush(QColor(70, 70, 70));
    p.drawPolygon(QPolygonF{s0 + (tip - s0) * 0.6 + off * 0.4, tip, s0 + (tip - s0) * 0.6 - off * 0.4});
    p.setBrush(QColor(220, 140, 150));
    p.drawPolygon(QPolygonF{s1 + off, s1 + (s1 - s0) * 0.05 + off, s1 + (s1 - s0) * 0.05 - off, s1 - off});
}

void paintCup(QPainter& p, const Camera& cam) {
    const Vec base{9.6, 12.4, 0};
    const double rb = 2.7, rt = 3.2, height = 7.2;
    softShadow(p, cam(base + Vec{1.6, 1.2, 0}), 58, 20, 90);

    // Body: the front half of the bottom circle joined to the front half of the top circle.
    QPolygonF body = circle(cam, base, rb, 36, pi, 2 * pi);
    QPolygonF topFront = circle(cam, base + Vec{0, 0, height}, rt, 36, pi, 2 * pi);
    std::reverse(topFront.begin(), topFront.end());
    body << topFront;
    const QPointF l = cam(base + Vec{-rt, 0, height}), r = cam(base + Vec{rt, 0, height});
    QLinearGradient leather(l, r);
    leather.setColorAt(0.0, QColor(150, 82, 48));
    leather.setColorAt(0.28, QColor(178, 104, 62));
    leather.setColorAt(0.7, QColor(112, 56, 32));
    leather.setColorAt(1.0, QColor(72, 36, 22));
    p.setPen(QPen(QColor(60, 30, 18), 0.8));
    p.setBrush(leather);
    p.drawPolygon(body);

    // Stitched bands near the foot and the mouth.
    for (double z : {1.0, height - 1.1}) {
        const double rz = rb + (rt - rb) * z / height;
        QPolygonF seam = circle(cam, base + Vec{0, 0, z}, rz, 36, pi, 2 * pi);
        p.setPen(QPen(QColor(235, 205, 160, 200), 0.9, Qt::DashLine));
        p.drawPolyline(seam);
    }
    // The mouth, showing the dark inside.
    QPolygonF mouth = circle(cam, base + Vec{0, 0, height}, rt);
    QPolygonF inner = circle(cam, base + Vec{0, 0, height}, rt - 0.35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(168, 100, 60));
    p.drawPolygon(mouth);
    QRadialGradient dark(cam(base + Vec{0.4, 0.6, height}), 28);
    dark.setColorAt(0.0, QColor(40, 20, 12));
    dark.setColorAt(1.0, QColor(92, 48, 28));
    p.setBrush(dark);
    p.drawPolygon(inner);
}

void paintTray(QPainter& p, const Camera& cam, std::vector<Die> dice) {
    const Vec c{0, 0, 0};
    const double outer = 10.0, inner = 7.3, rim = 1.3, well = 0.45;
    softShadow(p, cam(c + Vec{1.6, 0.8, 0}), 122, 48, 110);

    // Outer wall.
    QPolygonF wall = circle(cam, c, outer, 72, pi, 2 * pi);
    QPolygonF wallTop = circle(cam, c + Vec{0, 0, rim}, outer, 72, pi, 2 * pi);
    std::reverse(wallTop.begin(), wallTop.end());
    wall << wallTop;
    QLinearGradient wood(cam(c + Vec{-outer, 0, 0}), cam(c + Vec{outer, 0, 0}));
    wood.setColorAt(0.0, QColor(150, 96, 52));
    wood.setColorAt(0.3, QColor(176, 118, 68));
    wood.setColorAt(1.0, QColor(96, 56, 28));
    p.setPen(QPen(QColor(80, 46, 24), 0.8));
    p.setBrush(wood);
    p.drawPolygon(wall);

    // The broad rim, lit from the upper left, with a turned groove.
    QPainterPath ring;
    ring.addPolygon(circle(cam, c + Vec{0, 0, rim}, outer));
    ring.addPolygon(circle(cam, c + Vec{0, 0, rim}, inner));
    ring.setFillRule(Qt::OddEvenFill);
    QLinearGradient top(cam(c + Vec{-outer, outer, rim}), cam(c + Vec{outer, -outer, rim}));
    top.setColorAt(0.0, QColor(222, 170, 112));
    top.setColorAt(1.0, QColor(176, 120, 70));
    p.setPen(QPen(QColor(120, 76, 40), 0.7));
    p.setBrush(top);
    p.drawPath(ring);
    p.setPen(QPen(QColor(140, 92, 52, 150), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(circle(cam, c + Vec{0, 0, rim}, outer - 0.55));

    // The well: a felt floor seen past the inner wall.
    QPainterPath opening;
    opening.addPolygon(circle(cam, c + Vec{0, 0, rim}, inner));
    p.save();
    p.setClipPath(opening);
    p.fillPath(opening, QColor(104, 66, 36));
    QPolygonF felt = circle(cam, c + Vec{0, 0, well}, inner);
    QRadialGradient baize(cam(c + Vec{-1.5, 1.0, well}), 110);
    baize.setColorAt(0.0, QColor(70, 140, 84));
    baize.setColorAt(1.0, QColor(30, 88, 48));
    p.setPen(Qt::NoPen);
    p.setBrush(baize);
    p.drawPolygon(felt);
    // The inner wall's shadow on the felt, along the far edge.
    QPolygonF lip = circle(cam, c + Vec{0, 0, well}, inner, 72, 0, pi);
    QPolygonF lipIn = circle(cam, c + Vec{0.4, -0.9, well}, inner - 0.2, 72, 0, pi);
    std::reverse(lipIn.begin(), lipIn.end());
    lip << lipIn;
    p.setBrush(QColor(10, 40, 20, 90));
    p.drawPolygon(lip);
    p.restore();
    p.setPen(QPen(QColor(90, 56, 30), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(circle(cam, c + Vec{0, 0, rim}, inner));

    // Dice on the rim, the farthest first.
    std::sort(dice.begin(), dice.end(),
              [&](const Die& a, const Die& b) { return cam.depth(a.centre) > cam.depth(b.centre); });
    for (const Die& d : dice) {
        softShadow(p, cam(d.centre + Vec{0.5, 0.2, 0}), 13, 6, 110);
        paintDie(p, cam, d);
    }
}

} // namespace

QImage drawTitlePicture(qreal ratio) {
    constexpr int w = 500, h = 320;
    // Drawn in the screen's own pixels: the painter works in the picture's 500 x 320 points.
    QImage img(qRound(w * ratio), qRound(h * ratio), QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintTable(p, w, h);

    const Camera cam({0, 0, 0}, 60.0, 38.0, QPointF(364, 184), 640.0);
    paintPad(p, cam);
    paintCup(p, cam);
    const double rimZ = 1.3, onRim = 8.65, side = 2.0;
    std::vector<Die> dice;
    const std::array<std::pair<double, int>, 5> placed{{{100, 5}, {140, 3}, {38, 6}, {218, 1}, {322, 4}}};
    for (int i = 0; i < 5; ++i) {
        const double a = placed[i].first * pi / 180.0;
        dice.push_back(
            {{onRim * std::cos(a), onRim * std::sin(a), rimZ}, side, a + 0.35 * (i % 2 ? 1 : -1), placed[i].second});
    }
    paintTray(p, cam, dice);

    // Fade like an old print: pale over the left, where the title text stands, softer on the right.
    QLinearGradient fade(0, 0, w, 0);
    fade.setColorAt(0.0, QColor(250, 245, 234, 232));
    fade.setColorAt(0.50, QColor(250, 245, 234, 215));
    fade.setColorAt(0.62, QColor(250, 245, 234, 110));
    fade.setColorAt(1.0, QColor(250, 245, 234, 80));
    p.fillRect(0, 0, w, h, fade);
    QRadialGradient vignette(QPointF(w / 2.0, h / 2.0), w * 0.62);
    vignette.setColorAt(0.7, QColor(120, 90, 50, 0));
    vignette.setColorAt(1.0, QColor(120, 90, 50, 40));
    p.fillRect(0, 0, w, h, vignette);

    // The name in green lettering at the lower right.
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(30);
    font.setItalic(true);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    p.setFont(font);
    const QRect text(w - 230, h - 56, 212, 40);
    p.setPen(QColor(255, 255, 250, 200));
    p.drawText(text.translated(1, 1), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Kwintor"));
    p.setPen(QColor(46, 118, 58));
    p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Kwintor"));
    p.end();

    // A little grain, the same on every run.
    std::mt19937 rng(1986);
    std::uniform_int_distribution<int> grain(-3, 3);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = grain(rng);
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }

    // A thin brown frame: dark outer line, warm band, light inner line.
    QPainter f(&img);
    f.setPen(QColor(86, 54, 30));
    f.drawRect(0, 0, w - 1, h - 1);
    f.setPen(QColor(140, 94, 56));
    f.drawRect(1, 1, w - 3, h - 3);
    f.setPen(QColor(122, 80, 46));
    f.drawRect(2, 2, w - 5, h - 5);
    f.setPen(QColor(226, 204, 172));
    f.drawRect(3, 3, w - 7, h - 7);
    f.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

} // namespace kwintor
