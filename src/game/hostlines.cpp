#include "hostlines.h"

namespace kvizar {

namespace {

const QString *hole(QStringView name, const Holes &h)
{
    static const struct {
        QStringView name;
        QString Holes::*field;
    } kHoles[] = {
        {u"L", &Holes::L},         {u"chosen", &Holes::chosen}, {u"right", &Holes::right}, {u"letter", &Holes::letter},
        {u"other", &Holes::other}, {u"site", &Holes::site},     {u"sum", &Holes::sum},     {u"prize", &Holes::prize},
        {u"loss", &Holes::loss},   {u"name", &Holes::name},     {u"guess", &Holes::guess},
    };
    for (const auto &entry : kHoles)
        if (entry.name == name)
            return &(h.*entry.field);
    return nullptr;
}

}  // namespace

QString fill(QStringView line, const Holes &holes)
{
    QString out;
    out.reserve(line.size() + 32);
    qsizetype from = 0;
    while (from < line.size()) {
        const qsizetype open = line.indexOf(u'{', from);
        const qsizetype close = open < 0 ? -1 : line.indexOf(u'}', open);
        if (close < 0)
            break;
        if (const QString *value = hole(line.mid(open + 1, close - open - 1), holes)) {
            out += line.mid(from, open - from);
            out += *value;
        } else {
            out += line.mid(from, close + 1 - from);  // not a hole: kept as written
        }
        from = close + 1;
    }
    out += line.mid(from);
    return out;
}

bool hasHole(QStringView line, QStringView name)
{
    return line.contains(QStringLiteral("{%1}").arg(name));
}

}  // namespace kvizar
