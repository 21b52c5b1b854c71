#include "fonts.h"

#include <QHash>

#include <cmath>

namespace kvizar {

namespace {

// Comic Neue, the free face most like Comic Sans MS, has no Cyrillic; Comfortaa has.
QString standIn(const QString &designed)
{
    static const QHash<QString, QString> standIns = {
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comfortaa")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Lucida Sans"), QStringLiteral("DejaVu Sans")},
    };
    return standIns.value(designed, designed);
}

}  // namespace

Face faceOf(const Look &look)
{
    return {standIn(look.font), int(std::lround(look.pointSize * 96 / 72)), look.bold, look.italic};
}

}  // namespace kvizar
