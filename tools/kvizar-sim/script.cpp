#include "script.h"

#include "screens/designs.h"

#include <QRegularExpression>

namespace kvizar::sim {

namespace {

constexpr std::int64_t kLongestWait = 1'000'000'000'000;  // ms; keeps the clock far from overflow

ParsedLine failure(const QString &message)
{
    ParsedLine p;
    p.error = message;
    return p;
}

ParsedLine success(const Command &c)
{
    ParsedLine p;
    p.command = c;
    return p;
}

bool designHas(const ScreenDesign &design, const QString &name, int index)
{
    for (const ControlDesign &d : design.controls)
        if (d.name == name && d.index == index)
            return true;
    return false;
}

bool designHasArray(const ScreenDesign &design, const QString &name)
{
    for (const ControlDesign &d : design.controls)
        if (d.name == name && d.index >= 0)
            return true;
    return false;
}

std::optional<Target> parseTarget(const QString &word, QString *error)
{
    static const QRegularExpression shape(
        QStringLiteral(R"(^([A-Za-z_][A-Za-z0-9_]*)\.([A-Za-z_][A-Za-z0-9_]*)(?:\(([0-9]{1,4}|right|wrong)\))?$)"));
    const QRegularExpressionMatch m = shape.match(word);
    if (!m.hasMatch()) {
        *error = QStringLiteral("bad target \"%1\" (expected SCREEN.CONTROL or SCREEN.CONTROL(INDEX))").arg(word);
        return std::nullopt;
    }
    Target t;
    t.screen = m.captured(1);
    t.control = m.captured(2);
    const QString index = m.captured(3);
    const ScreenDesign *design = designNamed(t.screen);
    if (!design) {
        *error = QStringLiteral("no screen \"%1\" (start, game or tel)").arg(t.screen);
        return std::nullopt;
    }
    if (index == QLatin1String("right") || index == QLatin1String("wrong")) {
        if (t.screen != QLatin1String("game") || t.control != QLatin1String("answer")) {
            *error = QStringLiteral("\"%1\" is only an index of game.answer").arg(index);
            return std::nullopt;
        }
        t.pick = index == QLatin1String("right") ? Pick::Right : Pick::Wrong;
        return t;
    }
    if (!index.isEmpty())
        t.index = index.toInt();
    if (!designHas(*design, t.control, t.index)) {
        if (t.index < 0 && designHasArray(*design, t.control))
            *error = QStringLiteral("%1.%2 is a control array: give an index").arg(t.screen, t.control);
        else
            *error = QStringLiteral("no control %1 on screen %2").arg(t.text(), t.screen);
        return std::nullopt;
    }
    return t;
}

// The words of a line, split at any run of blanks.
QStringList words(QStringView text)
{
    QStringList out;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        const qsizetype from = i;
        while (i < text.size() && !text[i].isSpace())
            ++i;
        if (i > from)
            out << text.mid(from, i - from).toString();
    }
    return out;
}

std::optional<int> parseButton(const QString &word)
{
    if (word == QLatin1String("left"))
        return 1;
    if (word == QLatin1String("right"))
        return 2;
    if (word == QLatin1String("middle"))
        return 4;
    return std::nullopt;
}

}  // namespace

QString Target::text() const
{
    QString s = screen + QLatin1Char('.') + control;
    switch (pick) {
    case Pick::Right: return s + QStringLiteral("(right)");
    case Pick::Wrong: return s + QStringLiteral("(wrong)");
    case Pick::Index: break;
    }
    return index < 0 ? s : s + QStringLiteral("(%1)").arg(index);
}

const ScreenDesign *designNamed(const QString &screen)
{
    for (const ScreenDesign *d : {&startDesign(), &gameDesign(), &telDesign()})
        if (d->name == screen)
            return d;
    return nullptr;
}

ParsedLine parseLine(const QString &line)
{
    const qsizetype hash = line.indexOf(QLatin1Char('#'));
    const QStringList all = words(QStringView(line).left(hash >= 0 ? hash : line.size()));
    if (all.isEmpty())
        return {};
    const QString &verb = all[0];
    const QStringList args = all.mid(1);
    Command c;

    if (verb == QLatin1String("quit")) {
        if (!args.isEmpty())
            return failure(QStringLiteral("quit takes nothing after it"));
        c.action = Action::Quit;
        return success(c);
    }
    if (verb == QLatin1String("wait")) {
        bool ok = false;
        const qlonglong ms = args.size() == 1 ? args[0].toLongLong(&ok) : 0;
        if (!ok || ms < 0 || ms > kLongestWait || args[0].startsWith(QLatin1Char('+')))
            return failure(QStringLiteral("wait needs one number of milliseconds (0 or more)"));
        c.action = Action::Wait;
        c.ms = ms;
        return success(c);
    }

    const bool withButton = verb == QLatin1String("press") || verb == QLatin1String("release");
    if (!withButton && verb != QLatin1String("click"))
        return failure(QStringLiteral("unknown command \"%1\" (wait, press, release, click, quit)").arg(verb));
    if (args.isEmpty() || args.size() > (withButton ? 2 : 1))
        return failure(withButton ? QStringLiteral("%1 needs a target and, optionally, left, right or middle").arg(verb)
                                  : QStringLiteral("click needs one target"));
    QString error;
    const std::optional<Target> target = parseTarget(args[0], &error);
    if (!target)
        return failure(error);
    c.target = *target;
    if (args.size() == 2) {
        const std::optional<int> button = parseButton(args[1]);
        if (!button)
            return failure(QStringLiteral("bad button \"%1\" (left, right or middle)").arg(args[1]));
        c.button = *button;
    }
    c.action = verb == QLatin1String("press") ? Action::Press
             : verb == QLatin1String("release") ? Action::Release
                                                : Action::Click;
    return success(c);
}

}  // namespace kvizar::sim
