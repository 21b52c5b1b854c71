#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// Text for the terminal, always UTF-8.
inline void printOut(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

inline void printError(const QString &text)
{
    const QByteArray bytes = (QStringLiteral("base: ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}
