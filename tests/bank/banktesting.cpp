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
    for (int c = 0; c < 3; ++c)
        for (int i = 1; i <= 6; ++i)
            lines << QStringLiteral("%1 %2 | Вопрос %3.%4 «№ %4»? | Верно €%4 | Неверно %4а | Неверно %4б | Неверно %4в")
                         .arg(c * 5 + (i - 1) % 5 + 1)
                         .arg(kTopics[(c * 6 + i) % kTopics.size()])
                         .arg(c)
                         .arg(i);
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
