#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>

#include <array>

class QWidget;

namespace kwintor {

// The picture store: die faces, throw counter and blank form, drawn in code on first use.
// The counters are drawn when the store is created; a set of die faces when one of its
// faces is first asked for, and the form only when printing asks for it. The store is used
// from the window's thread only.
class Plaatjes {
public:
    static constexpr int FaceSize = 50;  // die faces are 50 x 50 pixels
    static constexpr int FaceCount = 18; // Img(1..18): grey 1..6, red 7..12, green 13..18
    static constexpr int WorpWidth = 75; // throw counter, 75 x 20 pixels
    static constexpr int WorpHeight = 20;
    static constexpr int FormWidth = 551; // blank score form, 551 x 696 pixels
    static constexpr int FormHeight = 696;
    static constexpr int TitleWidth = 500; // title window picture, 500 x 320 pixels
    static constexpr int TitleHeight = 320;

    // The set's mid shade: the colour of the pixels outside a face's outline.
    static QRgb cornerShade(int index);

    static const Plaatjes& instance();  // created on first use
    const QImage& Img(int index) const; // 1..18: 50x50, 24 bits; 1-6 grey, 7-12 red, 13-18 green; index 1..6 within a
                                        // set = that many pips; out of range -> a null QImage
    const QImage&
    Worp(int count) const; // 0..3: 75x20, 24 bits; the first `count` of three cells lit; out of range -> a null QImage
    const QImage&
    Formulier() const; // 551x696 blank score form for ten games, drawn on first request only (not at start-up)
    const QImage& sampleDie() const; // the settings dialog's own light grey die showing one pip (not one of Img)
    static QImage titlePicture(qreal ratio = 1); // 500x320 points, the title window's picture
    static QIcon windowIcon();                   // a grey die showing five, 16/24/32/48/64/128/256 px sizes
    static QCursor handCursor();                 // a hand, 32x32, hot spot (7,7)
    // Gives `window` the window icon once its first frame has been painted: the seven sizes take
    // longer to draw than the rest of the frame, and the window stands before its icon in any case.
    static void setWindowIconAfterFirstFrame(QWidget& window);

    Plaatjes(const Plaatjes&) = delete;
    Plaatjes& operator=(const Plaatjes&) = delete;

private:
    Plaatjes();

    mutable std::array<QImage, FaceCount + 1> m_img; // element 0 stays null
    std::array<QImage, 4> m_worp;
    mutable QImage m_sampleDie;
    mutable QImage m_formulier; // drawn on first request
};

} // namespace kwintor
