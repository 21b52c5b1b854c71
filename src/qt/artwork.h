#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <map>
#include <memory>
#include <utility>

class QPainter;
class QSvgRenderer;

namespace kvizar::gui {

// The game's pictures, by id (the file name in assets/art without ".svg"), drawn at the device
// pixel ratio they are shown at: copied from the build's renderings at 1x and 2x, rendered
// from the vector art at any other ratio.
class Artwork {
public:
    Artwork();
    ~Artwork();

    // The picture's size as drawn, in logical pixels; empty for an unknown id.
    QSize size(const QString &id);
    // Draws the picture at its own size with its top-left corner at `at`.
    void draw(QPainter &painter, const QString &id, QPoint at);

    // The mean colour of the picture within `area` (picture pixels), transparent parts left
    // out; invalid when nothing of it is there.
    QColor meanColour(const QString &id, QRect area);

    QCursor handCursor();
    QIcon windowIcon();

private:
    QSvgRenderer *renderer(const QString &id);
    QPixmap pixmap(const QString &id, qreal ratio);
    static QImage rendered(const QString &id, int ratio);
    QPixmap render(const QString &id, QSize logical, qreal ratio);

    std::map<QString, std::unique_ptr<QSvgRenderer>> renderers_;
    std::map<std::pair<QString, qreal>, QPixmap> pixmaps_;
    std::map<QString, QImage> images_;  // at their own size, for their colours
    std::map<QString, QSize> sizes_;
};

}  // namespace kvizar::gui
