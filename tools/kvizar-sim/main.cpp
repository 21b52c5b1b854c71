// kvizar-sim: the whole game on a script, headless and reproducible.

#include "basefile.h"
#include "commandline.h"
#include "runner.h"
#include "simulator.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

using namespace kvizar::sim;

namespace {

void printError(const QString &message)
{
    std::fprintf(stderr, "kvizar-sim: %s\n", message.toUtf8().constData());
}

void print(QByteArrayView lines)
{
    std::fwrite(lines.data(), 1, std::size_t(lines.size()), stdout);
}

std::optional<QString> nextLine(std::istream &in)
{
    std::string line;
    if (!std::getline(in, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromUtf8(line.data(), qsizetype(line.size()));
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString error;
    const std::optional<CommandLine> cl = parseCommandLine(app.arguments().mid(1), &error);
    if (!cl) {
        printError(error);
        std::fputs(usage().toUtf8().constData(), stderr);
        return kExitUsage;
    }
    if (cl->help) {
        std::fputs(usage().toUtf8().constData(), stdout);
        return kExitOk;
    }

    SimOptions options;
    options.seed = cl->seed;
    options.settings = cl->settings;
    options.state = cl->state;
    std::optional<QByteArray> base;
    if (cl->basePath) {
        base = readBaseFile(*cl->basePath, &error);
    } else {
        const QString bank = findBank(QCoreApplication::applicationDirPath(), &error);
        if (!bank.isEmpty())
            base = baseFromBank(bank, cl->seed, &error);
    }
    if (!base) {
        printError(error);
        return kExitUsage;
    }
    options.base = *base;

    std::ifstream file;
    const bool fromFile = cl->scriptPath && *cl->scriptPath != QLatin1String("-");
    if (fromFile) {
        file.open(QFile::encodeName(*cl->scriptPath).toStdString());
        if (!file) {
            printError(QStringLiteral("cannot read script %1").arg(*cl->scriptPath));
            return kExitUsage;
        }
    }
    std::istream &script = fromFile ? static_cast<std::istream &>(file) : std::cin;

    Simulator simulator(options, print);
    const ScriptIo io{[&script] { return nextLine(script); }, [] { std::fflush(stdout); }, printError};
    return runScript(simulator, io);
}
