// Every line the host and the friend can say, each reached by dictating the draw that picks it,
// compared with its text as a player reads it.
#include "support/harness.h"

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

namespace {

const QString kSite = QStringLiteral("http://www.kvizar.ru");

// The value that makes a draw among n come out as `row` (1 to n).
double pick(int row, int n)
{
    return (row - 0.5) / n;
}

QString letterOf(const GameScreen &g, int i)
{
    return g.Label2(i).caption.left(1);
}

// A line as the player reads it: the marks {L}, {other}, ... of `text` replaced.
QString filled(QString text, std::initializer_list<std::pair<const char *, QString>> holes)
{
    for (const auto &[mark, value] : holes)
        text.replace(QLatin1Char('{') + QLatin1String(mark) + QLatin1Char('}'), value);
    return text;
}

}  // namespace

TEST(HostLines, EveryConfirmationRemarkAndTheTeaser)
{
    // Question 10 starts the reveal at 100: remarks at 100, 60 and 20, 4 s apart.
    const QStringList at100 = {"Значит Ваш ответ {L}, я правильно понял?", "Проверяем вариант {L}?", "{L}.",
                               "Проверяем вариант {L}?", "Проверяем вариант {L}?"};
    const QStringList at60 = {"Не забывайте об оставшихся подсказках", "Значит Ваш ответ {L}, я правильно понял?",
                              "Все больше передумывать не будете.", "Вы говорите{L}.", "{L}."};
    const QStringList at20 = {"Вы выбрали вариант {L}.", "Ваш вариант {L}.", "Итак, Вы сказали {L}.",
                              "{L} - окончательный вариант.", "Значит {L}.",
                              "Вот если бы Вы сказали {other}, то Вы бы проиграли."};
    for (int row = 1; row <= 6; ++row) {
        SCOPED_TRACE(row);
        Harness h(3);
        h.toQuestion(10);
        GameScreen &g = h.game();
        const int chosen = h.rightIndex(), other = h.wrongIndex();
        const QString L = letterOf(g, chosen);
        const int early = row <= 5 ? row : 1;
        h.rnd.queue = {pick(early, 5), pick(early, 5), pick(row, 6), pick(other, 4)};
        h.answer(chosen);
        h.wait(100);
        EXPECT_EQ(g.tablo.caption, filled(at100[early - 1], {{"L", L}}));
        h.wait(4000);
        EXPECT_EQ(g.tablo.caption, filled(at60[early - 1], {{"L", L}}));
        h.wait(4000);
        EXPECT_EQ(g.tablo.caption, filled(at20[row - 1], {{"L", L}, {"other", g.answer(other).caption}}));
    }
}

TEST(HostLines, EveryRightVerdict)
{
    struct Case {
        int question;
        QStringList lines;
    };
    const Case cases[] = {
        {3, {"Да! Верно!", "Правильно!", "Да! Это, конечно, {chosen}", "Вы выбрали {chosen}, и Вы не ошиблись", "Как Вам везет. Верно!"}},
        {5, {"Итак, Вы достигли первой несгораемой суммы в 1000 рублей!", "Несгораемая 1000 Ваша!",
             "Эту 1000 рублей Вы уже не потеряете"}},
        {10, {"32000 - вторая несгораемая сумма Ваша!", "Вторая несгораемая сумма. Теперь Вы в пяти шагах от 1000000 рублей",
              "32000! Я чувствую Вы волнуетесь. Давайте попьем водички."}},
        {15, {"И Вы забираете 1,000,000 рублей! Поздравляю Вас! Великолепная игра! Ваша эрудиция заставит нас долго "
              "помнить эту игру. До новых встреч! Играйте и выигрывайте! Посетите сайт {site}",
              "Да! Да! Верно! 1,000,000 Ваш! Примите мои поздравления! Ваша игра надолго запомнится нам. До свидания! "
              "Посетите сайт {site}",
              "Штурм 1,000,000 состоялся! Потрясающе! Вы ответили на все 15 вопросов! До скорых встреч! И не "
              "забывайте про сайт {site}"}},
    };
    for (const Case &c : cases)
        for (int row = 1; row <= c.lines.size(); ++row) {
            SCOPED_TRACE(c.question * 10 + row);
            Harness h(6);
            h.toQuestion(c.question);
            GameScreen &g = h.game();
            const int right = h.rightIndex();
            const int remarks = c.question <= 5 ? 1 : 3;  // each drawn as its first, plain row
            h.rnd.queue.assign(std::size_t(remarks), 0.01);
            h.rnd.queue.push_back(pick(row, int(c.lines.size())));
            h.answer(right);
            h.wait(c.question <= 5 ? 3600 : 13600);
            EXPECT_EQ(g.tablo.caption, filled(c.lines[row - 1], {{"chosen", g.answer(right).caption}, {"site", kSite}}));
            EXPECT_EQ(g.state().GameFinished, c.question == 15);
        }
}

TEST(HostLines, EveryPromptOfTheClock)
{
    // Question 11 has every mark: 70, 40, 20 and 10 seconds left. With every lifeline at hand
    // the lifeline rows name fifty-fifty; each lifeline used on one question leaves the next
    // question's rows to the one before it in the order phone, audience, fifty-fifty.
    const QStringList at70 = {"Вы еще можете воспользоваться подсказками.", "Не спешите, у Вас еще есть время подумать.",
                              "Я буду рад за Вас если Вы получите {prize}рублей."};
    const QStringList at40 = {"Можно убрать два неврных варианта.", "Если Вы ответите правильно, то вы выиграете {prize}рублей.",
                              "Если Вы ошибетесь, то Вы потеряете {loss} рублей."};
    const QStringList at20 = {"Может воспользуемся подсказкой 50/50", "Какой вариант Вы предлагаете?",
                              "Так какой вариант Вы хотите предложить?"};
    const QStringList at10 = {"Короче, какой вариант?", "Ну, решайтесь.", "Итак, каков Ваш ответ?"};
    const QStringList secondRow = {"Поинтересуемся мнением зала?", "Может узнаем мнение зала?"};  // fifty-fifty used
    const QStringList thirdRow = {"Еще можно позвонить.", "Может быть позвоним другу?"};         // and the audience
    for (int row = 1; row <= 3; ++row) {
        SCOPED_TRACE(row);
        Harness h(8);
        h.toQuestion(11);
        GameScreen &g = h.game();
        const QString prize = g.denga(11).caption, loss = QStringLiteral("0");  // 32000 won, all of it safe
        h.rnd.queue.assign(4, pick(row, 3));
        QStringList said;
        for (int wait : {21000, 30000, 20000, 10000}) {
            h.wait(wait);
            said << g.tablo.caption;
        }
        const auto holes = {std::pair<const char *, QString>{"prize", prize}, {"loss", loss}};
        EXPECT_EQ(said, (QStringList{filled(at70[row - 1], holes), filled(at40[row - 1], holes), at20[row - 1], at10[row - 1]}));
    }
    for (const QStringList &expected : {secondRow, thirdRow}) {
        Harness h(8);
        h.toQuestion(12);
        GameScreen &g = h.game();
        g.fifty.enabled = false;
        g.zal.enabled = expected == secondRow;
        h.rnd.queue.assign(4, pick(1, 3));
        h.wait(51000);
        EXPECT_EQ(g.tablo.caption, expected[0]);
        h.wait(20000);
        EXPECT_EQ(g.tablo.caption, expected[1]);
    }
}

TEST(HostLines, BothFarewellsAtTheTimeout)
{
    const QStringList farewells = {
        "К сожалению, Вы не успели ответить. Попробуйте свои силы еще раз. И не забывайте посещать сайт {site}",
        "Все! Время вышло. Попробуйте еще раз, только будьте, пожалуйста, порасторопнее и у Вас все получится. И не "
        "забывайте про сайт в Интернете {site}"};
    for (int row = 1; row <= 2; ++row) {
        Harness h(4);
        h.toQuestion1();
        h.rnd.queue = {0.5, 0.5, pick(row, 2)};  // the prompts at 20 and 10, then the farewell
        h.wait(31000);
        EXPECT_EQ(h.game().tablo.caption, filled(farewells[row - 1], {{"site", kSite}})) << row;
    }
}

TEST(HostLines, EveryAnswerOfTheFriend)
{
    const QStringList byVerdict[7] = {
        {"{name} оказался настоящим эрудитом, и он(а) полностью уверен(а), что правильный ответ {right}.",
         "{name} оказался настоящим эрудитом, и он(а) полностью уверен(а), что правильный ответ {right}."},
        {"{name}, конечно, не профессионал в данном вопросе, но абсолютно уверена, что верный ответ это {right}.",
         "{name}, конечно не профессионал в данном вопросе, но уверена, что верный ответ это {guess}."},
        {"{name}, конечно, не профессионал в данном вопросе, но уверена, что верный ответ это {right}.",
         "{name}, конечно не профессионал в данном вопросе, но уверена, что верный ответ это {guess}."},
        {"{name} затруднился(лась) ответить на этот вопрос. Так и промолчал(а) все отведенное время.",
         "{name} затруднился(лась) ответить на этот вопрос. Так и промолчал(а) все отведенное время."},
        {"{name} говорит, что это {guess}.", "{name} утверждает, что это {right}."},
        {"{name} оказался(лась) полным неучем, и ничего вразумительного не сказал(а).",
         "{name} оказался(лась) полным неучем, и ничего вразумительного не сказал(а)."},
        {"{name} сказал(а), что ничего лучше чем {guess} он(а) придумать не может.",
         "{name} сказал(а), что ничего лучше чем {guess} он(а) придумать не может."},
    };
    const QString easy = QStringLiteral("{name} говорит, что это простейший вопрос и уверен(а), что правильный ответ это - {right}");
    for (int question : {5, 6})
        for (int verdict = 0; verdict < 7; ++verdict)
            for (int mode = 1; mode <= 2; ++mode)
                for (int form = 1; form <= 2; ++form) {
                    SCOPED_TRACE(QStringLiteral("question %1 verdict %2 mode %3 form %4").arg(question).arg(verdict).arg(mode).arg(form).toStdString());
                    Harness h(12);
                    h.toQuestion(question);
                    GameScreen &g = h.game();
                    h.press(g, g.teleph);
                    h.release(&g.teleph);
                    TelScreen &tel = *h.program->tel;
                    const int guessed = h.wrongIndex();
                    h.rnd.queue = {(verdict + 0.5) / 7, pick(mode, 2), pick(form, 2), pick(guessed, 4)};
                    const QString name = tel.friendsi(2).caption;
                    h.click(tel, tel.friendsi(2));
                    const QString guess = form == 1 ? g.answer(guessed).caption.get() : letterOf(g, guessed);
                    const QString expected = filled(question < 6 ? easy : byVerdict[verdict][mode - 1],
                                                    {{"name", name}, {"right", g.RightAnswer}, {"guess", guess}});
                    EXPECT_EQ(g.tablo.caption, expected);
                }
}

TEST(HostLines, EveryNameOfAFriend)
{
    const QStringList given[2] = {
        {"Алексей", "Борис", "Виталий", "Григорий", "Дмитрий", "Иван", "Константин", "Николай", "Олег", "Петр", "Роман", "Сергей"},
        {"Вера", "Галина", "Елена", "Зинаида", "Екатерина", "Наталья", "Ольга", "Светлана", "Юлия", "Евгения", "Ирина", "Надежда"}};
    const QStringList patronymic[2] = {
        {"Сергеевич", "Алексеевич", "Борисович", "Витальевич", "Григорьевич", "Дмитриевич", "Иванович", "Константинович",
         "Николаевич", "Олегович", "Петрович", "Романович"},
        {"Сергеевна", "Алексеевна", "Борисовна", "Витальевна", "Григорьевна", "Дмитриевна", "Ивановна", "Константиновна",
         "Николаевна", "Олеговна", "Петровна", "Романовна"}};
    // Four dialogs of seven friends walk every (gender, position) pair; the patronymic runs
    // backwards through the table meanwhile.
    for (int dialog = 0; dialog < 4; ++dialog) {
        Harness h(5);
        h.toQuestion1();
        GameScreen &g = h.game();
        h.press(g, g.teleph);
        std::deque<double> draws;
        QStringList expected;
        for (int i = 0; i < 7; ++i) {
            const int n = std::min(dialog * 7 + i, 23), gender = n / 12, p = n % 12, q = 11 - p;
            draws.insert(draws.end(), {pick(gender + 1, 2), (p + 0.5) / 12, (q + 0.5) / 12});
            expected << given[gender][p] + QLatin1Char(' ') + patronymic[gender][q];
        }
        h.rnd.queue = draws;
        h.release(&g.teleph);
        QStringList shown;
        for (int i = 0; i <= 6; ++i)
            shown << h.program->tel->friendsi(i).caption;
        EXPECT_EQ(shown, expected) << dialog;
    }
}
