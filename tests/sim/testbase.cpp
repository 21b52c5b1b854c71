#include "testbase.h"

#include "questions/mainmodule.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace kvizar::sim::test {

QString testBaseText()
{
    const QStringList records = {
        QStringLiteral("Столица России?|Москва||Казань|||Самара||||Пермь|||||"),
        QStringLiteral("Дней в неделе?|Семь||Пять|||Шесть||||Восемь|||||"),
        QStringLiteral("Цвет неба днём?|Голубой||Зелёный|||Красный||||Чёрный|||||"),
        QStringLiteral("Самая длинная река Европы?|Волга||Дон|||Днепр||||Урал|||||"),
        QStringLiteral("Сколько лап у кошки?|Четыре||Три|||Две||||Пять|||||"),
        QStringLiteral("Автор «Евгения Онегина»?|Пушкин||Толстой|||Гоголь||||Чехов|||||"),
        QStringLiteral("Химический символ золота?|Au||Ag|||Fe||||Cu|||||"),
        QStringLiteral("Сколько планет у Солнца?|Восемь||Семь|||Девять||||Десять|||||"),
        QStringLiteral("Столица Японии?|Токио||Осака|||Киото||||Пекин|||||"),
        QStringLiteral("Кто написал «Войну и мир»?|Толстой||Пушкин|||Лермонтов||||Гоголь|||||"),
        QStringLiteral("Год полёта Гагарина?|1961||1957|||1965||||1969|||||"),
        QStringLiteral("Самая большая планета?|Юпитер||Сатурн|||Марс||||Земля|||||"),
        QStringLiteral("Струн у балалайки?|Три||Четыре|||Пять||||Шесть|||||"),
        QStringLiteral("Столица Австралии?|Канберра||Сидней|||Мельбурн||||Перт|||||"),
        QStringLiteral("Кто открыл Америку?|Колумб||Магеллан|||Кук||||Васко да Гама|||||"),
    };
    QString text = QStringLiteral("#@");
    for (const QString &r : records)
        text += r + QLatin1Char('@');
    return text;
}

QByteArray testBase()
{
    const std::optional<QByteArray> bytes = EncodeBase(testBaseText());
    if (!bytes)
        throw std::logic_error("the test base has a character outside the code page");
    return *bytes;
}

QString writeTestBase(const QString &dir)
{
    const QString path = QDir(dir).filePath(QStringLiteral("base.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(testBase()) != testBase().size())
        throw std::runtime_error("cannot write the test base");
    return path;
}

SimOptions testOptions(std::uint64_t seed)
{
    SimOptions o;
    o.seed = seed;
    o.base = testBase();
    return o;
}

ScriptRun runScriptText(const QString &script, const SimOptions &options)
{
    ScriptRun run;
    const QStringList lines = script.split(QLatin1Char('\n'));
    qsizetype next = 0;
    Simulator simulator(options, [&run](QByteArrayView lines) {
        run.lines << QString::fromUtf8(lines).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    });
    const ScriptIo io{[&]() -> std::optional<QString> {
                          if (next >= lines.size())
                              return std::nullopt;
                          return lines[next++];
                      },
                      [] {}, [&run](const QString &message) { run.errors << message; }};
    run.status = runScript(simulator, io);
    return run;
}

QStringList grep(const QStringList &lines, const QString &part)
{
    QStringList out;
    for (const QString &l : lines)
        if (l.contains(part))
            out << l;
    return out;
}

}  // namespace kvizar::sim::test
