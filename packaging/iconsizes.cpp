// Renders the scalable icon at the usual sizes of the hicolor theme, so that
// the menus and file managers that want a bitmap get a sharp one.
// usage: ovra_icon_sizes ICON.svg OUTPUT_DIR SIZE...
// writes OUTPUT_DIR/SIZExSIZE/ovraview2.png

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fputs("usage: ovra_icon_sizes ICON.svg OUTPUT_DIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "ovra_icon_sizes: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (const QString& text : args.mid(3)) {
        const int size = text.toInt();
        const QString folder = QStringLiteral("%1/%2x%2").arg(args.at(2)).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        // Whole or not at all: a half-written icon would be installed as is.
        QSaveFile file(folder + QStringLiteral("/ovraview2.png"));
        if (size <= 0 || !QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
            !image.save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "ovra_icon_sizes: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
