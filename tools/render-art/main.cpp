// Renders the game's vector artwork to PNG at the device pixel ratios most screens have, so
// that the first paint of a window copies pictures instead of rendering them.
//
//   render-art OUTDIR FILE.svg...   writes OUTDIR/NAME@1x.png and OUTDIR/NAME@2x.png

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    // No window is ever shown: render without a display.
    std::vector<char *> args(argv, argv + argc);
    char platform[] = "-platform", offscreen[] = "offscreen";
    args.insert(args.begin() + 1, {platform, offscreen});
    int count = int(args.size());
    args.push_back(nullptr);
    QGuiApplication app(count, args.data());
    const QStringList files = app.arguments().mid(1);
    if (files.size() < 2) {
        std::fprintf(stderr, "usage: render-art OUTDIR FILE.svg...\n");
        return 2;
    }
    const QString out = files.first();
    for (const QString &file : files.mid(1)) {
        QSvgRenderer svg(file);
        if (!svg.isValid()) {
            std::fprintf(stderr, "render-art: cannot read %s\n", qPrintable(file));
            return 1;
        }
        for (int ratio : {1, 2}) {
            const QSize size = svg.defaultSize() * ratio;
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
            painter.end();
            const QString name = QStringLiteral("%1/%2@%3x.png").arg(out, QFileInfo(file).completeBaseName()).arg(ratio);
            if (!image.save(name)) {
                std::fprintf(stderr, "render-art: cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    return 0;
}
