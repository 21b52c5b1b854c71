#include "commandline.h"

namespace kvizar::sim {

namespace {

bool isDecimal(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// "APP/SECTION/KEY=VALUE", the value possibly empty.
std::optional<std::pair<QString, QString>> parseSetting(const QString &text)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    const QString key = text.left(eq);
    const QStringList parts = key.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return std::nullopt;
    for (const QString &p : parts)
        if (p.isEmpty())
            return std::nullopt;
    return std::make_pair(key, text.mid(eq + 1));
}

}  // namespace

QString usage()
{
    return QStringLiteral(
        "usage: kvizar-sim [--seed N] [--base FILE] [--setting APP/SECTION/KEY=VALUE]... [--state] [SCRIPT]\n"
        "Runs the game headless on virtual time, one script command a line (from SCRIPT or standard input):\n"
        "  wait MS | press TARGET [left|right|middle] | release TARGET [left|right|middle] | click TARGET | quit\n"
        "TARGET is SCREEN.CONTROL or SCREEN.CONTROL(INDEX); game.answer also takes (right) and (wrong).\n");
}

std::optional<CommandLine> parseCommandLine(const QStringList &args, QString *error)
{
    CommandLine cl;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("%1 needs a value").arg(a);
                return std::nullopt;
            }
            return args[++i];
        };
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            cl.help = true;
        } else if (a == QLatin1String("--state")) {
            cl.state = true;
        } else if (a == QLatin1String("--seed")) {
            const std::optional<QString> v = value();
            if (!v)
                return std::nullopt;
            bool ok = false;
            cl.seed = v->toULongLong(&ok);
            if (!ok || !isDecimal(*v)) {
                *error = QStringLiteral("--seed needs a whole number from 0 to 18446744073709551615, not \"%1\"").arg(*v);
                return std::nullopt;
            }
        } else if (a == QLatin1String("--base")) {
            const std::optional<QString> v = value();
            if (!v)
                return std::nullopt;
            cl.basePath = *v;
        } else if (a == QLatin1String("--setting")) {
            const std::optional<QString> v = value();
            if (!v)
                return std::nullopt;
            const auto setting = parseSetting(*v);
            if (!setting) {
                *error = QStringLiteral("--setting needs APP/SECTION/KEY=VALUE, not \"%1\"").arg(*v);
                return std::nullopt;
            }
            cl.settings << *setting;
        } else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            *error = QStringLiteral("unknown option %1").arg(a);
            return std::nullopt;
        } else if (cl.scriptPath) {
            *error = QStringLiteral("only one script, please (\"%1\" and \"%2\")").arg(*cl.scriptPath, a);
            return std::nullopt;
        } else {
            cl.scriptPath = a;
        }
    }
    return cl;
}

}  // namespace kvizar::sim
