#include "resources/Plaatjes.h"

#include "resources/TitlePicture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace kwintor {

namespace {

// The colours of one dice set. `mid` is the set's mid shade, which also fills the
// pixels outside the outline, so that rounding the corners on screen never shows a seam.
struct DiePalette {
    QColor light;  // the middle of the face
    QColor edge;   // the face just inside the outline
    QColor mid;    // the corner pixels outside the outline
    QColor pip;    // the pips' darkest tone
    QColor pipRim; // the pips' lit lower rim
};

const DiePalette greyDice{{246, 246, 246}, {150, 150, 150}, {128, 128, 128}, {22, 22, 24}, {70, 70, 72}};
const DiePalette redDice{{240, 160, 150}, {172, 72, 68}, {169, 79, 79}, {44, 8, 8}, {92, 30, 30}};
const DiePalette greenDice{{168, 232, 158}, {72, 154, 72}, {79, 169, 79}, {8, 40, 10}, {28, 84, 32}};
// The settings dialog's own sample die: paler than the grey set.
const DiePalette sampleDice{{255, 255, 255}, {196, 196, 196}, {192, 192, 192}, {40, 40, 40}, {96, 96, 96}};

QRgb mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int from, int to) { return int(from + (to - from) * t + 0.5); };
    return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)), channel(qBlue(a), qBlue(b)));
}

// Pip centres for one to six pips on a face of `size` pixels, as fractions of the size.
std::vector<QPointF> pipCentres(int pips, double size) {
    const double lo = size * 0.26, mid = size * 0.5, hi = size * 0.74;
    switch (pips) {
    case 1: return {{mid, mid}};
    case 2: return {{lo, lo}, {hi, hi}};
    case 3: return {{lo, lo}, {mid, mid}, {hi, hi}};
    case 4: return {{lo, lo}, {hi, lo}, {lo, hi}, {hi, hi}};
    case 5: return {{lo, lo}, {hi, lo}, {mid, mid}, {lo, hi}, {hi, hi}};
    case 6: return {{lo, lo}, {hi, lo}, {lo, mid}, {hi, mid}, {lo, hi}, {hi, hi}};
    default: return {};
    }
}

// A sunken pip: dark, lit a little at its lower right rim by light from the upper left.
void paintPip(QPainter& p, QPointF c, double r, const DiePalette& pal) {
    QRadialGradient g(c + QPointF(-r * 0.25, -r * 0.25), r * 1.25, c + QPointF(-r * 0.45, -r * 0.45));
    g.setColorAt(0.0, pal.pip);
    g.setColorAt(0.72, pal.pip);
    g.setColorAt(1.0, pal.pipRim);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// One pip of the set, antialiased, centred at (PipSprite / 2, PipSprite / 2) of a small
// transparent picture: drawn once per set and stamped onto the faces.
constexpr int PipSprite = 12;
constexpr double PipRadius = 4.7;

QImage drawPip(const DiePalette& pal) {
    QImage img(PipSprite, PipSprite, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintPip(p, QPointF(PipSprite / 2.0, PipSprite / 2.0), PipRadius, pal);
    return img;
}

// One 50 x 50 face, pixel by pixel for the body (exact corner pixels, crisp outline),
// antialiased pips on top. The pip centres fall on whole pixels at this size.
QImage drawFace(const DiePalette& pal, const QImage& pip, int pips) {
    constexpr int n = Plaatjes::FaceSize;
    QImage img(n, n, QImage::Format_RGB32);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb light = pal.light.rgb(), edge = pal.edge.rgb(), outside = pal.mid.rgb();
    // How far each pixel has gone from the light middle to the darker edge, the same for every face.
    static const std::array<double, n* n> shading = [] {
        std::array<double, n * n> t{};
        const double centre = n / 2.0;
        const double reach = (n / 2.0 - 1.0) * std::sqrt(2.0);
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                t[size_t(y * n + x)] = std::pow(std::hypot(x + 0.5 - centre, y + 0.5 - centre) / reach, 1.6);
        return t;
    }();
    for (int y = 0; y < n; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < n; ++x) {
            const bool edgeX = x == 0 || x == n - 1;
            const bool edgeY = y == 0 || y == n - 1;
            const bool innerX = x == 1 || x == n - 2;
            const bool innerY = y == 1 || y == n - 2;
            if ((edgeX && (edgeY || innerY)) || (edgeY && innerX)) {
                line[x] = outside; // outside the rounded outline
            } else if (edgeX || edgeY || (innerX && innerY)) {
                line[x] = black; // the outline, one step in at the corners
            } else {
                QRgb c = mix(light, edge, shading[size_t(y * n + x)]);
                if (x == 1 || y == 1) // a faint bevel: lit top and left
                    c = mix(c, qRgb(255, 255, 255), 0.35);
                else if (x == n - 2 || y == n - 2) // shaded bottom and right
                    c = mix(c, qRgb(0, 0, 0), 0.22);
                line[x] = c;
            }
        }
    }
    QPainter p(&img);
    for (const QPointF& c : pipCentres(pips, n))
        p.drawImage(QPointF(c.x() - PipSprite / 2.0, c.y() - PipSprite / 2.0), pip);
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

// Three cells in a frame: a 2-pixel border, 1-pixel dividers, cells of 23 x 16 pixels.
QImage drawWorp(int lit) {
    QImage img(Plaatjes::WorpWidth, Plaatjes::WorpHeight, QImage::Format_RGB888);
    img.fill(QColor(52, 52, 52));
    for (int cell = 0; cell < 3; ++cell) {
        const QColor fill = cell < lit ? QColor(255, 80, 167) : QColor(222, 222, 222);
        const int left = 2 + cell * 24;
        for (int y = 2; y < Plaatjes::WorpHeight - 2; ++y) {
            uchar* rgb = img.scanLine(y) + left * 3;
            for (int x = 0; x < 23; ++x, rgb += 3) {
                rgb[0] = uchar(fill.red());
                rgb[1] = uchar(fill.green());
                rgb[2] = uchar(fill.blue());
            }
        }
    }
    return img;
}

// The blank score form: a label column and ten game columns, one row per line of the sheet.
QImage drawFormulier() {
    constexpr int left = 12, labelWidth = 167, gameWidth = 36, games = 10;
    constexpr int top = 18, headRow = 40, rowHeight = 31;
    constexpr int right = left + labelWidth + games * gameWidth; // 539
    const QColor shade(217, 217, 217);

    struct Row {
        const char* label;
        bool shaded;
        bool small;
    };
    static const Row rows[] = {
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Spel"), true, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Totaal enen"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Totaal tweeen"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Totaal drieen"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Totaal vieren"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Totaal vijven"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Totaal zessen"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Subtotaal"), true, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "35 punten bij 63 of meer"), false, true},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Totaal A"), true, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "3 dezelfde"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "4 dezelfde"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Kleine straat"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Grote straat"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Full House"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Kans"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Kwintor"), false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Totaal B"), true, false},
        {"", false, false},
        {QT_TRANSLATE_NOOP("kwintor::Plaatjes", "Totaal A + B"), true, false},
    };
    constexpr int rowCount = int(std::size(rows));
    constexpr int bottom = top + headRow + rowCount * rowHeight; // 678

    QImage img(Plaatjes::FormWidth, Plaatjes::FormHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);

    auto rowTop = [&](int i) { return top + headRow + i * rowHeight; };
    for (int i = 0; i < rowCount; ++i)
        if (rows[i].shaded)
            p.fillRect(left, rowTop(i), right - left, rowHeight, shade);

    // Rules as filled rectangles, so that every line is whole pixels wide.
    const QColor ink(0, 0, 0);
    for (int i = 0; i <= rowCount; ++i)
        p.fillRect(left, rowTop(i), right - left, i == 0 ? 2 : 1, ink);
    for (int g = 1; g < games; ++g)
        p.fillRect(left + labelWidth + g * gameWidth, top + headRow, 1, bottom - top - headRow, ink);
    p.fillRect(left + labelWidth - 1, top, 2, bottom - top, ink);
    p.fillRect(left, top, right - left, 2, ink);
    p.fillRect(left, bottom - 1, right - left, 2, ink);
    p.fillRect(left, top, 2, bottom - top + 1, ink);
    p.fillRect(right - 1, top, 2, bottom - top + 1, ink);

    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(22);
    title.setBold(true);
    QFont label(QStringLiteral("Arial"));
    label.setPixelSize(14);
    label.setBold(true);
    QFont small(label);
    small.setPixelSize(10);

    p.setPen(ink);
    p.setFont(title);
    p.drawText(QRect(left + 9, top, labelWidth - 12, headRow), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("kwintor::Plaatjes", "Kwintor"));
    p.setFont(label);
    p.drawText(QRect(left + labelWidth + 8, top, games * gameWidth - 12, headRow), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("kwintor::Plaatjes", "Naam :"));
    for (int i = 0; i < rowCount; ++i) {
        p.setFont(rows[i].small ? small : label);
        p.drawText(QRect(left + 9, rowTop(i), labelWidth - 12, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   *rows[i].label ? QCoreApplication::translate("kwintor::Plaatjes", rows[i].label) : QString());
    }
    p.setFont(label);
    for (int g = 0; g < games; ++g)
        p.drawText(QRect(left + labelWidth + g * gameWidth, rowTop(0), gameWidth, rowHeight), Qt::AlignCenter,
                   QString::number(g + 1));
    p.end();
    return img.convertToFormat(QImage::Format_RGB888);
}

// The window icon: a grey die showing five, drawn for one size with transparent corners.
QPixmap drawIconDie(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double line = std::max(1.0, std::round(size / 48.0));
    const QRectF body(line / 2, line / 2, size - line, size - line);
    const double radius = size * 0.16;
    QRadialGradient g(body.center() - QPointF(size * 0.12, size * 0.12), size * 0.78);
    g.setColorAt(0.0, QColor(250, 250, 250));
    g.setColorAt(0.55, QColor(214, 214, 214));
    g.setColorAt(1.0, QColor(140, 140, 140));
    p.setBrush(g);
    p.setPen(QPen(QColor(30, 30, 30), line));
    p.drawRoundedRect(body, radius, radius);

    // Pip centres sit on pixel centres at small sizes, so that 16 and 32 pixels stay sharp.
    const double r = std::max(1.1, size * 0.095);
    for (QPointF c : pipCentres(5, size)) {
        if (size <= 48)
            c = QPointF(std::floor(c.x()) + (size % 2 ? 0.5 : 0.0), std::floor(c.y()) + (size % 2 ? 0.5 : 0.0));
        p.setPen(Qt::NoPen);
        if (size >= 24) {
            paintPip(p, c, r, greyDice);
        } else {
            p.setBrush(QColor(20, 20, 20));
            p.drawEllipse(c, r, r);
        }
    }
    p.end();
    return QPixmap::fromImage(img);
}

// The hand of the mail link, pixel by pixel: X outline, . fill, blank transparent.
// The hot spot (7, 7) is the fingertip's first white row.
constexpr const char* handShape[32] = {
    "                                ", "                                ", "                                ",
    "                                ", "                                ", "                                ",
    "      XXXX                      ", "     X....X                     ", "     X....X                     ",
    "     X....X                     ", "     X....X                     ", "     X....X                     ",
    "     X....XXXXX                 ", "     X....X....XXXXX            ", "     X....X....X....XXXX        ",
    "     X....X....X....X...X       ", "     X....X....X....X...X       ", " XXXXX....X....X....X...X       ",
    "X....X....X....X....X...X       ", "X....X....X....X....X...X       ", "X.......................X       ",
    " X......................X       ", " X......................X       ", "  X.....................X       ",
    "   X....................X       ", "    X..................X        ", "     X.................X        ",
    "      X...............X         ", "       X..............X         ", "       X..............X         ",
    "       XXXXXXXXXXXXXXXX         ", "                                ",
};

} // namespace

QRgb Plaatjes::cornerShade(int index) {
    if (index >= 13)
        return greenDice.mid.rgb();
    if (index >= 7)
        return redDice.mid.rgb();
    return greyDice.mid.rgb();
}

Plaatjes::Plaatjes() {
    for (int n = 0; n <= 3; ++n)
        m_worp[n] = drawWorp(n);
}

const Plaatjes& Plaatjes::instance() {
    static const Plaatjes store;
    return store;
}

const QImage& Plaatjes::Img(int index) const {
    static const QImage none;
    if (index < 1 || index > FaceCount)
        return none;
    // A set of six is drawn when one of its faces is first asked for: the first throw, not the start.
    if (m_img[index].isNull()) {
        const DiePalette* sets[] = {&greyDice, &redDice, &greenDice};
        const int set = (index - 1) / 6;
        const QImage pip = drawPip(*sets[set]);
        for (int pips = 1; pips <= 6; ++pips)
            m_img[set * 6 + pips] = drawFace(*sets[set], pip, pips);
    }
    return m_img[index];
}

const QImage& Plaatjes::Worp(int count) const {
    static const QImage none;
    return count >= 0 && count <= 3 ? m_worp[count] : none;
}

const QImage& Plaatjes::Formulier() const {
    if (m_formulier.isNull())
        m_formulier = drawFormulier();
    return m_formulier;
}

const QImage& Plaatjes::sampleDie() const {
    if (m_sampleDie.isNull())
        m_sampleDie = drawFace(sampleDice, drawPip(sampleDice), 1);
    return m_sampleDie;
}

QImage Plaatjes::titlePicture(qreal ratio) { return drawTitlePicture(ratio); }

QIcon Plaatjes::windowIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(drawIconDie(size));
    return icon;
}

namespace {

// Watches a window for its first paint, then sets its icon and goes.
class IconAfterFirstFrame : public QObject {
public:
    explicit IconAfterFirstFrame(QWidget& window) : QObject(&window), m_window(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Queued, so that the frame is on the screen before the drawing starts.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_window.setWindowIcon(Plaatjes::windowIcon());
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_window;
    bool m_painted = false;
};

} // namespace

void Plaatjes::setWindowIconAfterFirstFrame(QWidget& window) { new IconAfterFirstFrame(window); }

QCursor Plaatjes::handCursor() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const char* row = handShape[y];
            const char c = x < int(std::strlen(row)) ? row[x] : ' ';
            if (c == 'X')
                img.setPixel(x, y, qRgba(0, 0, 0, 255));
            else if (c == '.')
                img.setPixel(x, y, qRgba(255, 255, 255, 255));
        }
    return QCursor(QPixmap::fromImage(img), 7, 7);
}

} // namespace kwintor
