// base: the game's companion. Started by the game without arguments, it writes base.dat,
// the fifteen questions of the next game, beside itself. With a command, it helps to keep
// the question bank.

#include "commands.h"
#include "companion.h"
#include "output.h"

#include <QCoreApplication>

#include <exception>

namespace {

const char *const kHelp = R"(Usage:
  base                       Write base.dat: fifteen questions from bank.txt beside this
                             program, question n from level n, none met before until its
                             class has been gone through. Run by the game when its start
                             screen loads. base.dat goes beside this program when that
                             directory can be written, otherwise into the user's data
                             directory (Kvizar/base.dat); the questions met are kept there
                             too (Kvizar/asked.txt).
  base check FILE            List every problem of a bank with its line; exit 1 if any.
  base stats FILE            Count a bank's questions by class, level and topic, and more.
  base encode FILE [-o OUT] [--seed N]
                             Make base.dat content from a bank (one game, no record kept)
                             or, when FILE is not a bank, from its UTF-8 text taken as the
                             decoded base. Written to standard output, or to OUT.
  base decode FILE           Show a base.dat as text: fifteen questions, each with its
                             answers, the right one marked "+".
  base --help                This text.

A bank is a UTF-8 text: "#" comment lines, blank lines and one question per line:
  LEVEL TOPIC [TAGS] | Question | Right answer | Wrong | Wrong | Wrong
LEVEL is 1 to 15 (1-5 SIMPLE, 6-10 MEDIUM, 11-15 HARD); TOPIC is one of geography,
history, literature, language, science, nature, arts, cinema, sport, everyday; TAGS,
optional: new (about the years since 1991), fun (playful).
)";

int run(const QStringList &args)
{
    if (args.isEmpty())
        return makeBaseFile();
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        printOut(QString::fromUtf8(kHelp));
        return 0;
    }
    if (command == QLatin1String("check"))
        return checkCommand(rest);
    if (command == QLatin1String("stats"))
        return statsCommand(rest);
    if (command == QLatin1String("encode"))
        return encodeCommand(rest);
    if (command == QLatin1String("decode"))
        return decodeCommand(rest);
    printError(QStringLiteral("unknown command «%1» (see base --help)").arg(command));
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    try {
        QCoreApplication app(argc, argv);
        return run(app.arguments().mid(1));
    } catch (const std::exception &e) {
        printError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        printError(QStringLiteral("unexpected failure"));
    }
    return 3;
}
