#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Writes `bytes` to `path` through a temporary file in the same directory, renamed into
// place only when complete. False, with `error` set, when that failed.
bool writeWhole(const QString &path, const QByteArray &bytes, QString *error);

// A seed that differs from one start of the program to the next.
std::uint64_t seedFromTime();

// The no-argument mode: base.dat of questions not yet met, from the bank beside the program.
// Returns the exit code.
int makeBaseFile();
