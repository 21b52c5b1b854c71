#pragma once

#include <QStringList>

// The editing commands; each returns the exit code. `args` follow the command's name.
int checkCommand(const QStringList &args);
int statsCommand(const QStringList &args);
int encodeCommand(const QStringList &args);
int decodeCommand(const QStringList &args);
