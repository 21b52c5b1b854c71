#include "basefile.h"

#include "core/random.h"
#include "questions/bank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kvizar::sim {

std::optional<QByteArray> readBaseFile(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("cannot read base file %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}

QString findBank(const QString &executableDir, QString *problem)
{
    const QString beside = QDir(executableDir).filePath(QStringLiteral("bank.txt"));
    const QString inSources = QStringLiteral(KVIZAR_SOURCE_BANK);
    for (const QString &path : {beside, inSources})
        if (QFileInfo(path).isFile())
            return path;
    *problem = QStringLiteral("no question bank at %1 or %2 (give a base file with --base)").arg(beside, inSources);
    return {};
}

std::optional<QByteArray> baseFromBank(const QString &bankPath, std::uint64_t seed, QString *problem)
{
    QStringList problems;
    const std::optional<Bank> bank = loadBank(bankPath, &problems);
    if (!bank) {
        *problem = QStringLiteral("cannot use the question bank %1: %2").arg(bankPath, problems.join(QStringLiteral("; ")));
        return std::nullopt;
    }
    Generator random(seed);
    const QByteArray base = encodeGame(*bank, random);
    if (base.isEmpty()) {
        *problem = QStringLiteral("the question bank %1 has too few questions for a game").arg(bankPath);
        return std::nullopt;
    }
    return base;
}

}  // namespace kvizar::sim
