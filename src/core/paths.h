#pragma once

#include <QString>

namespace kvizar {

// File names in the game are written as literals that begin with a backslash ("\base.dat");
// this joins such a literal to a directory with the platform's separator.
inline QString programPath(const QString &dir, const QString &literal)
{
#ifdef Q_OS_WIN
    const QChar sep = QLatin1Char('\\');
#else
    const QChar sep = QLatin1Char('/');
#endif
    QString name = literal;
    if (name.startsWith(QLatin1Char('\\')))
        name.remove(0, 1);
    QString base = dir;
    while (base.endsWith(sep) && base.size() > 1)
        base.chop(1);
    return base + sep + name;
}

inline QString executableSuffix()
{
#ifdef Q_OS_WIN
    return QStringLiteral(".exe");
#else
    return QString();
#endif
}

}  // namespace kvizar
