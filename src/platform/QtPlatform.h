#pragma once

#include "platform/Platform.h"

#include <random>

namespace kwintor {

// The platform on Qt: real message boxes, the real clock, a local event loop for waits.
class QtPlatform : public Platform {
public:
    QtPlatform();

    Answer messageBox(QWidget* parent, const QString& text, Buttons buttons, const QString& title = {},
                      const QString& spokenFirst = {}) override;
    QString programDirectory() const override;
    QString dataDirectory() const override;
    QString documentsDirectory() const override;
    double clockSeconds() const override;
    QDateTime now() const override;
    bool processEventsFor(double seconds) override;
    int randomFace() override;
    void play(Sound sound) override;
    bool openWithShell(QWidget* owner, const QString& target) override;
    QSize screenPixels() const override;
    int screenDpi() const override;
    void setBusyCursor(bool busy) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;

private:
    std::mt19937_64 m_generator;
    std::uniform_int_distribution<int> m_face{1, 6};
    mutable QString m_dataDirectory;
    bool m_busy = false;
};

} // namespace kwintor
