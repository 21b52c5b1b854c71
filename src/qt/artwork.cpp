#include "artwork.h"

#include <QGuiApplication>
#include <QResource>
#include <QtEndian>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstring>

namespace kvizar::gui {

Artwork::Artwork() = default;
Artwork::~Artwork() = default;

QSvgRenderer *Artwork::renderer(const QString &id)
{
    auto it = renderers_.find(id);
    if (it == renderers_.end()) {
        auto svg = std::make_unique<QSvgRenderer>(QStringLiteral(":/art/%1.svg").arg(id));
        if (!svg->isValid())
            svg.reset();
        it = renderers_.emplace(id, std::move(svg)).first;
    }
    return it->second.get();
}

QSize Artwork::size(const QString &id)
{
    if (id.isEmpty())
        return {};
    const auto known = sizes_.find(id);
    if (known != sizes_.end())
        return known->second;
    // The picture rendered at 1x has the picture's own size: its header says it.
    QSize size = rendered(id, 1).size();
    if (!size.isValid())
        if (QSvgRenderer *svg = renderer(id))
            size = svg->defaultSize();
    sizes_.emplace(id, size);
    return size;
}

QPixmap Artwork::pixmap(const QString &id, qreal ratio)
{
    const auto key = std::make_pair(id, ratio);
    auto it = pixmaps_.find(key);
    if (it != pixmaps_.end())
        return it->second;
    QPixmap image;
    if (ratio == 1 || ratio == 2) {  // rendered by the build
        image = QPixmap::fromImage(rendered(id, int(ratio)));
        image.setDevicePixelRatio(ratio);
    }
    if (image.isNull())
        image = render(id, size(id), ratio);
    pixmaps_.emplace(key, image);
    return image;
}

// The build's rendering of a picture at 1x or 2x, over the resource's own bytes; null when
// there is none.
QImage Artwork::rendered(const QString &id, int ratio)
{
    const QResource raw(QStringLiteral(":/art/%1@%2x.argb").arg(id).arg(ratio));
    if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression || raw.size() < 12)
        return {};
    const uchar *bytes = raw.data();
    if (std::memcmp(bytes, "KVZA", 4) != 0)
        return {};
    const int width = int(qFromLittleEndian<quint32>(bytes + 4));
    const int height = int(qFromLittleEndian<quint32>(bytes + 8));
    if (width <= 0 || height <= 0 || raw.size() != 12 + qint64(width) * height * 4)
        return {};
    return QImage(bytes + 12, width, height, width * 4, QImage::Format_ARGB32_Premultiplied);
}

QPixmap Artwork::render(const QString &id, QSize logical, qreal ratio)
{
    QSvgRenderer *svg = logical.isEmpty() ? nullptr : renderer(id);
    if (!svg)
        return {};
    QPixmap image(int(std::ceil(logical.width() * ratio)), int(std::ceil(logical.height() * ratio)));
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg->render(&painter, QRectF(QPointF(0, 0), logical));
    return image;
}

void Artwork::draw(QPainter &painter, const QString &id, QPoint at)
{
    if (id.isEmpty())
        return;
    // Drawn at the pixels it covers on the device: the window's zoom is the painter's scale.
    const qreal scale = painter.device()->devicePixelRatioF() * painter.transform().m11();
    const QPixmap image = pixmap(id, std::round(scale * 100) / 100);
    if (!image.isNull())
        painter.drawPixmap(at, image);
}

QColor Artwork::meanColour(const QString &id, QRect area)
{
    auto it = images_.find(id);
    if (it == images_.end())
        it = images_.emplace(id, pixmap(id, 1).toImage().convertToFormat(QImage::Format_ARGB32)).first;
    const QImage &image = it->second;
    area &= image.rect();
    double r = 0, g = 0, b = 0, weight = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            const double a = qAlpha(p) / 255.0;
            r += qRed(p) * a, g += qGreen(p) * a, b += qBlue(p) * a, weight += a;
        }
    if (weight < 1)
        return {};
    return QColor(int(r / weight), int(g / weight), int(b / weight));
}

QCursor Artwork::handCursor()
{
    // The fingertip is the hot spot.
    return QCursor(pixmap(QStringLiteral("cursor"), qApp->devicePixelRatio()), 1, 0);
}

QIcon Artwork::windowIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64})
        icon.addPixmap(render(QStringLiteral("icon"), QSize(side, side), 1));
    return icon;
}

}  // namespace kvizar::gui
