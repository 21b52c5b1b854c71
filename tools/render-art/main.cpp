// Renders the game's vector artwork at the device pixel ratios most screens have, so that the
// first paint of a window copies pictures instead of rendering or decoding them. The pictures
// are raw: "KVZA", width and height (32 bits each, little-endian), then the premultiplied ARGB32
// pixels as QImage holds them; compiled in uncompressed, they are used where they lie.
//
//   render-art OUTDIR FILE.svg...          writes OUTDIR/NAME@1x.argb and OUTDIR/NAME@2x.argb
//   render-art --square N OUTDIR FILE.svg  writes OUTDIR/NAME-N.png, N pixels square (icons)

#include <QFile>
#include <QFileInfo>
#include "../offscreenargs.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>
#include <vector>

static bool saveRaw(const QImage &image, const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray header("KVZA");
    for (quint32 v : {quint32(image.width()), quint32(image.height())})
        for (int i = 0; i < 4; ++i)
            header += char((v >> (8 * i)) & 0xFF);
    const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return file.write(header) == header.size() && file.write(pixels) == pixels.size();
}

int main(int argc, char **argv)
{
    OffscreenArgs args(argc, argv);  // no window is ever shown: render without a display
    QGuiApplication app(args.count, args.argv());
    QStringList files = app.arguments().mid(1);
    int square = 0;
    if (files.size() > 1 && files.first() == QStringLiteral("--square")) {
        square = files.at(1).toInt();
        files = files.mid(2);
    }
    if (files.size() < 2 || square < 0) {
        std::fprintf(stderr, "usage: render-art [--square N] OUTDIR FILE.svg...\n");
        return 2;
    }
    const QString out = files.first();
    for (const QString &file : files.mid(1)) {
        QSvgRenderer svg(file);
        if (!svg.isValid()) {
            std::fprintf(stderr, "render-art: cannot read %s\n", qPrintable(file));
            return 1;
        }
        for (int ratio : square ? std::vector<int>{0} : std::vector<int>{1, 2}) {
            const QSize size = square ? QSize(square, square) : svg.defaultSize() * ratio;
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
            painter.end();
            const QString base = QFileInfo(file).completeBaseName();
            const QString name = square ? QStringLiteral("%1/%2-%3.png").arg(out, base).arg(square)
                                        : QStringLiteral("%1/%2@%3x.argb").arg(out, base).arg(ratio);
            if (square ? !image.save(name) : !saveRaw(image, name)) {
                std::fprintf(stderr, "render-art: cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    return 0;
}
