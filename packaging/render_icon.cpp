// SPDX-License-Identifier: Apache-2.0
// Draws the program's SVG icon as a square PNG of one size, for the icon theme (run at build time).
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon ICON.svg SIZE OUTPUT.png\n");
        return 2;
    }
    const int size = QByteArray(argv[2]).toInt();
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (size <= 0 || image.isNull()) {
        std::fprintf(stderr, "render_icon: cannot draw %s at %s: %s\n", argv[1], argv[2],
                     qPrintable(reader.errorString()));
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
