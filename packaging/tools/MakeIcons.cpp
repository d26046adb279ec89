// Renders the program's icon into PNG files for the desktop's icon theme:
// MakeIcons <output directory> <size>... writes <output directory>/<size>/kwintor.png.

#include "resources/Plaatjes.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output directory> <size>...\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QIcon icon = kwintor::Plaatjes::windowIcon();
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "%s: not a size: %s\n", argv[0], argv[i]);
            return 2;
        }
        QImage image = icon.pixmap(QSize(size, size)).toImage();
        if (image.size() != QSize(size, size))
            image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QString dir = QStringLiteral("%1/%2").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !image.save(dir + QStringLiteral("/kwintor.png"))) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
