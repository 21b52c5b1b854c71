#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace kvizar::sim {

// The bytes of a base file named on the command line; nullopt, with `problem` set, if unreadable.
std::optional<QByteArray> readBaseFile(const QString &path, QString *problem);

// The shipped question bank: bank.txt beside the executable, else the source tree's
// data/bank.txt. Empty, with `problem` set, when neither is there.
QString findBank(const QString &executableDir, QString *problem);

// A base.dat for one game drawn from the bank at `bankPath` with a generator seeded with `seed`.
std::optional<QByteArray> baseFromBank(const QString &bankPath, std::uint64_t seed, QString *problem);

}  // namespace kvizar::sim
