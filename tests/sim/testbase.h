#pragma once

#include "runner.h"
#include "simulator.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kvizar::sim::test {

// A fixed small base, so that traces do not depend on the shipped bank: the decoded text,
// and the same encoded as a base.dat.
QString testBaseText();
QByteArray testBase();

// Writes testBase() as base.dat into `dir`; returns its path.
QString writeTestBase(const QString &dir);

SimOptions testOptions(std::uint64_t seed = 1);

// A script run in-process: the output lines, the exit status and what went to standard error.
struct ScriptRun {
    QStringList lines;
    int status = -1;
    QStringList errors;
};
ScriptRun runScriptText(const QString &script, const SimOptions &options = testOptions());

// The lines of `run` that contain `part`.
QStringList grep(const QStringList &lines, const QString &part);

}  // namespace kvizar::sim::test
