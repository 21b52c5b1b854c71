#include "telscreen.h"

#include "screens/program.h"
#include "game/gamescreen.h"
#include "game/hostlines.h"
#include "screens/designs.h"

#include <cmath>

namespace kvizar {

const unsigned kPalette16[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                                 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

namespace {

struct NameTables {
    QStringList given[3], patronymic[3];  // by gender 1 (men) and 2 (women)
};

NameTables buildNameTables()
{
    NameTables t;
    t.given[1] = QStringList{QStringLiteral("Алексей"), QStringLiteral("Борис"), QStringLiteral("Виталий"),
                             QStringLiteral("Григорий"), QStringLiteral("Дмитрий"), QStringLiteral("Иван"),
                             QStringLiteral("Константин"), QStringLiteral("Николай"), QStringLiteral("Олег"),
                             QStringLiteral("Петр"), QStringLiteral("Роман"), QStringLiteral("Сергей")};
    t.patronymic[1] = QStringList{QStringLiteral("Сергеевич"), QStringLiteral("Алексеевич"), QStringLiteral("Борисович"),
                                  QStringLiteral("Витальевич"), QStringLiteral("Григорьевич"), QStringLiteral("Дмитриевич"),
                                  QStringLiteral("Иванович"), QStringLiteral("Константинович"), QStringLiteral("Николаевич"),
                                  QStringLiteral("Олегович"), QStringLiteral("Петрович"), QStringLiteral("Романович")};
    t.given[2] = QStringList{QStringLiteral("Вера"), QStringLiteral("Галина"), QStringLiteral("Елена"),
                             QStringLiteral("Зинаида"), QStringLiteral("Екатерина"), QStringLiteral("Наталья"),
                             QStringLiteral("Ольга"), QStringLiteral("Светлана"), QStringLiteral("Юлия"),
                             QStringLiteral("Евгения"), QStringLiteral("Ирина"), QStringLiteral("Надежда")};
    t.patronymic[2] = QStringList{QStringLiteral("Сергеевна"), QStringLiteral("Алексеевна"), QStringLiteral("Борисовна"),
                                  QStringLiteral("Витальевна"), QStringLiteral("Григорьевна"), QStringLiteral("Дмитриевна"),
                                  QStringLiteral("Ивановна"), QStringLiteral("Константиновна"), QStringLiteral("Николаевна"),
                                  QStringLiteral("Олеговна"), QStringLiteral("Петровна"), QStringLiteral("Романовна")};
    return t;
}

}  // namespace

TelScreen::TelScreen(Program &program)
    : Screen(program, telDesign()), friendsi(array(QStringLiteral("friendsi"))), Shape1(ctl(QStringLiteral("Shape1")))
{
    timer(QStringLiteral("Timer1")).onTick = [this] { flicker(); };
    for (int i = friendsi.lowerBound(); i <= friendsi.upperBound(); ++i)
        friendsi(i).input.click = [this, i] { friendAnswers(i); };
}

const std::vector<KeyBinding> &TelScreen::keyBindings()
{
    static const std::vector<KeyBinding> keys = [] {
        std::vector<KeyBinding> k;
        for (int i = 0; i <= 6; ++i)
            k.push_back({{Qt::Key_1 + i}, QStringLiteral("friendsi"), i, QString::number(i + 1),
                         QStringLiteral("позвонить %1-му другу в списке").arg(i + 1)});
        return k;
    }();
    return keys;
}

void TelScreen::load()
{
    if (program_.game)
        program_.game->setEnabled(false);
    const NameTables names = buildNameTables();
    for (int i = 0; i <= 6; ++i) {
        program_.randomize();
        const int g = int(std::floor(2 * program_.rnd.next() + 1));
        program_.randomize();
        const int p = int(std::floor(12 * program_.rnd.next()));
        const int q = int(std::floor(12 * program_.rnd.next()));
        friendsi(i).caption = names.given[g][p] + QLatin1Char(' ') + names.patronymic[g][q];
    }
}

void TelScreen::flicker()
{
    program_.randomize();
    const int n = int(std::nearbyint(15 * program_.rnd.next()));  // ties to even
    Shape1.borderColor = kPalette16[n];
}

void TelScreen::friendAnswers(int i)
{
    GameScreen *game = program_.game;
    if (!game) {
        program_.unload(this);
        return;
    }
    program_.randomize();
    const int verdict = int(std::floor(7 * program_.rnd.next()));
    const int mode = int(std::floor(2 * program_.rnd.next() + 1));
    Holes holes{.right = game->RightAnswer, .name = friendsi(i).caption};
    const Line line = game->QuestionNow < 6 ? lines::kFriendEasy : lines::kFriend[std::size_t(verdict)][std::size_t(mode - 1)];
    if (hasHole(line, u"guess"))
        holes.guess = GuessAnswer();
    game->tablo.caption = fill(line, holes);
    game->teleph.enabled = false;
    game->setEnabled(true);
    game->Bazar(int(game->tablo.caption.size()) / 5);
    program_.unload(this);
}

QString TelScreen::GuessAnswer()
{
    GameScreen &game = *program_.game;
    const int form = int(std::floor(2 * program_.rnd.next() + 1));
    const int k = program_.drawUntil(4, true, [&game](int j) { return !game.answer(j).caption.isEmpty(); });
    if (k == 0)
        return {};
    return form == 1 ? game.answer(k).caption : game.Label2(k).caption.left(1);
}

}  // namespace kvizar
