#include "banktesting.h"

#include "questions/mainmodule.h"
#include "questions/records.h"

#include <QFile>

namespace kvizar::test {

QString shippedBankPath()
{
    return QStringLiteral(KVIZAR_SOURCE_DIR "/data/bank.txt");
}

QString writeLines(const QString &path, const QStringList &lines)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return path;
}

QStringList sixPerClass()
{
    QStringList lines;
    const QStringList sections = {QStringLiteral("[SIMPLE]"), QStringLiteral("[MEDIUM]"), QStringLiteral("[HARD]")};
    for (int c = 0; c < 3; ++c) {
        lines << sections[c];
        for (int i = 1; i <= 6; ++i)
            lines << QStringLiteral("Вопрос %1.%2 «№ %2»? | Верно €%2 | Неверно %2а | Неверно %2б | Неверно %2в").arg(c).arg(i);
    }
    return lines;
}

std::vector<DecodedQuestion> decodeBaseFile(const QByteArray &bytes)
{
    if (checkBaseFile(bytes, QStringLiteral("base.dat")))
        return {};
    QString codes, text;
    DecodeBase(QString::fromLatin1(bytes), codes, text);
    const QStringList records = cutRecords(text);
    std::vector<DecodedQuestion> out;
    for (int k = 1; k <= kQuestionsPerGame; ++k) {
        const RecordParts parts = splitRecord(records[k]);
        out.push_back({parts.question, parts.answers});
    }
    return out;
}

int classOf(const Bank &bank, const QString &question)
{
    for (int c = 0; c < kClassCount; ++c)
        for (const BankQuestion &q : bank.classes[std::size_t(c)])
            if (q.question == question)
                return c;
    return -1;
}

}  // namespace kvizar::test
