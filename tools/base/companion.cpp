#include "companion.h"

#include "output.h"

#include "core/basefiledir.h"
#include "core/paths.h"
#include "core/random.h"
#include "questions/bank.h"
#include "questions/mainmodule.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <chrono>

bool writeWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *error = QStringLiteral("не удалось записать «%1»: %2").arg(path, file.errorString());
    return false;
}

std::uint64_t seedFromTime()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())
           ^ (std::uint64_t(QCoreApplication::applicationPid()) << 40);
}

// The player reads these messages in the game's own, so they are in Russian; the bank's
// problems stay as its checker words them, for the bank's authors.
int makeBaseFile()
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString bankPath = kvizar::programPath(dir, QStringLiteral("\\bank.txt"));
    const QString baseDir = kvizar::baseFileDirectory(dir);
    if (baseDir.isEmpty()) {
        printError(QStringLiteral("некуда записать base.dat: папка «%1» закрыта для записи, а папки данных пользователя нет").arg(dir));
        return 1;
    }
    const QString basePath = kvizar::programPath(baseDir, QStringLiteral("\\base.dat"));

    QStringList problems;
    const std::optional<kvizar::Bank> bank = kvizar::loadBank(bankPath, &problems);
    if (!bank) {
        printError(QStringLiteral("банк вопросов «%1» не годится:\n  %2").arg(bankPath, problems.join(QStringLiteral("\n  "))));
        return 1;
    }

    const QString recordPath = kvizar::askedRecordPath();
    kvizar::AskedRecord record = kvizar::readAskedRecord(recordPath);
    kvizar::Generator random(seedFromTime());
    const std::optional<kvizar::GameQuestions> game = kvizar::chooseUnserved(*bank, record, random);
    const std::optional<QByteArray> bytes = game ? kvizar::EncodeBase(kvizar::gameText(*game)) : std::nullopt;
    if (!bytes) {
        printError(QStringLiteral("из банка «%1» не собрать игру").arg(bankPath));
        return 1;
    }
    if (const std::optional<QString> fault = kvizar::checkBaseFile(*bytes, basePath)) {
        printError(*fault);
        return 1;
    }
    QString error;
    if (!writeWhole(basePath, *bytes, &error)) {
        printError(error);
        return 1;
    }
    if (!kvizar::writeAskedRecord(recordPath, record))
        printError(QStringLiteral("предупреждение: не удалось сохранить список заданных вопросов в «%1»").arg(recordPath));
    return 0;
}
