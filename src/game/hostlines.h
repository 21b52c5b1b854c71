#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace kvizar {

// Everything the host and the friend say, as data. A line is a text with holes in braces,
// filled when it is said: {L} the chosen answer's letter, {chosen} its text, {right} the right
// answer, {letter} the right answer's letter, {other} another wrong answer, {site} the
// website, {sum} the safe sum, {prize} the ladder's caption of the question, {loss} what a
// wrong answer would lose, {name} the friend, {guess} the friend's guess. A table of n lines
// is indexed by a draw among n, from 1.
using Line = const char16_t *;

struct Holes {
    QString L{}, chosen{}, right{}, letter{}, other{}, site{}, sum{}, prize{}, loss{}, name{}, guess{};
};

// The line with its holes filled. Text put into a hole is not looked at again.
QString fill(QStringView line, const Holes &holes);

namespace lines {

inline constexpr Line kGreeting = u"Итак приступим к завоеванию миллиона. Вы готовы? Тогда";

// The confirmation remarks while the answer is weighed: at 100, 60 and 20 ticks before the
// counter's zero. A null line at 20 is the teaser (kTeaser).
inline constexpr std::array<Line, 5> kRemark100 = {
    u"Значит Ваш ответ {L}, я правильно понял?", u"Проверяем вариант {L}?", u"{L}.", u"Проверяем вариант {L}?",
    u"Проверяем вариант {L}?"};
inline constexpr std::array<Line, 5> kRemark60 = {
    u"Не забывайте об оставшихся подсказках", u"Значит Ваш ответ {L}, я правильно понял?",
    u"Все больше передумывать не будете.", u"Вы говорите{L}.", u"{L}."};
inline constexpr std::array<Line, 6> kRemark20 = {
    u"Вы выбрали вариант {L}.", u"Ваш вариант {L}.", u"Итак, Вы сказали {L}.", u"{L} - окончательный вариант.",
    u"Значит {L}.", nullptr};
// The teaser: its first line, replaced in the same tick by the second when there is another
// wrong answer to name.
inline constexpr std::array<Line, 2> kTeaser = {u"Значит {L}.", u"Вот если бы Вы сказали {other}, то Вы бы проиграли."};

// The verdict on a right answer: at the safe sums, at the top prize, and otherwise.
inline constexpr std::array<Line, 3> kRightAtFirstSafeSum = {
    u"Итак, Вы достигли первой несгораемой суммы в 1000 рублей!", u"Несгораемая 1000 Ваша!",
    u"Эту 1000 рублей Вы уже не потеряете"};
inline constexpr std::array<Line, 3> kRightAtSecondSafeSum = {
    u"32000 - вторая несгораемая сумма Ваша!", u"Вторая несгораемая сумма. Теперь Вы в пяти шагах от 1000000 рублей",
    u"32000! Я чувствую Вы волнуетесь. Давайте попьем водички."};
inline constexpr std::array<Line, 3> kRightAtTheTop = {
    u"И Вы забираете 1,000,000 рублей! Поздравляю Вас! Великолепная игра! Ваша эрудиция заставит нас долго помнить "
    u"эту игру. До новых встреч! Играйте и выигрывайте! Посетите сайт {site}",
    u"Да! Да! Верно! 1,000,000 Ваш! Примите мои поздравления! Ваша игра надолго запомнится нам. До свидания! "
    u"Посетите сайт {site}",
    u"Штурм 1,000,000 состоялся! Потрясающе! Вы ответили на все 15 вопросов! До скорых встреч! И не забывайте про "
    u"сайт {site}"};
inline constexpr std::array<Line, 5> kRight = {u"Да! Верно!", u"Правильно!", u"Да! Это, конечно, {chosen}",
                                                u"Вы выбрали {chosen}, и Вы не ошиблись", u"Как Вам везет. Верно!"};

// The verdict on a wrong answer. The first line has two forms: with nothing won, and with the
// safe sum.
inline constexpr Line kWrongNothingWon =
    u"К сожаленю, вариант {chosen} оказался неверным. Правильный ответ это - {right}. Вы ошиблись на первых пяти "
    u"вопросах. Вs ничего не выиграли. До скорых встреч! Посетите сайт {site}";
inline constexpr std::array<Line, 3> kWrong = {
    u"К сожаленю, вариант {chosen} оказался неверным. Правильный ответ это - {right}, но тем не менее Вы получаете "
    u"свои деньги - {sum}рублей. До скорых встреч! Посетите сайт {site}",
    u"Это конечно же {right}, но не отчаивайтесь. Вы можете попробовать свои силы еще раз. До встречи на сайте{site}",
    u"Нет. Ваше предположение неверно. Верный ответ был {letter}-{right}. Ваш выигрыш составил {sum} рублей."};

// The clock's prompts at 70, 40, 20 and 10 seconds left. A row either sets its line, or, for
// the lifelines still at hand, the line of each available one in the order phone, audience,
// fifty-fifty, so that the last of them stands; with none at hand it sets nothing. Either way
// the host then talks over whatever line is shown.
struct Prompt {
    Line line;  // null: a lifeline row
    Line phone, audience, fifty;
};
inline constexpr std::array<Prompt, 3> kPrompt70 = {{
    {nullptr, u"Вы еще можете воспользоваться подсказками.", u"Вы еще можете воспользоваться подсказками.",
     u"Вы еще можете воспользоваться подсказками."},
    {u"Не спешите, у Вас еще есть время подумать.", nullptr, nullptr, nullptr},
    {u"Я буду рад за Вас если Вы получите {prize}рублей.", nullptr, nullptr, nullptr},
}};
inline constexpr std::array<Prompt, 3> kPrompt40 = {{
    {nullptr, u"Еще можно позвонить.", u"Поинтересуемся мнением зала?", u"Можно убрать два неврных варианта."},
    {u"Если Вы ответите правильно, то вы выиграете {prize}рублей.", nullptr, nullptr, nullptr},
    {u"Если Вы ошибетесь, то Вы потеряете {loss} рублей.", nullptr, nullptr, nullptr},
}};
inline constexpr std::array<Prompt, 3> kPrompt20 = {{
    {nullptr, u"Может быть позвоним другу?", u"Может узнаем мнение зала?", u"Может воспользуемся подсказкой 50/50"},
    {u"Какой вариант Вы предлагаете?", nullptr, nullptr, nullptr},
    {u"Так какой вариант Вы хотите предложить?", nullptr, nullptr, nullptr},
}};
inline constexpr std::array<Prompt, 3> kPrompt10 = {{
    {u"Короче, какой вариант?", nullptr, nullptr, nullptr},
    {u"Ну, решайтесь.", nullptr, nullptr, nullptr},
    {u"Итак, каков Ваш ответ?", nullptr, nullptr, nullptr},
}};

// The farewell when the clock has run out.
inline constexpr std::array<Line, 2> kTimeout = {
    u"К сожалению, Вы не успели ответить. Попробуйте свои силы еще раз. И не забывайте посещать сайт {site}",
    u"Все! Время вышло. Попробуйте еще раз, только будьте, пожалуйста, порасторопнее и у Вас все получится. И не "
    u"забывайте про сайт в Интернете {site}"};

inline constexpr Line kFifty = u"Мы просим компьютер убрать два заведомо неверных варианта.";
inline constexpr Line kAudience = u"Мнение зала распределилось так: ";

// The friend's answer: on the first five questions always the easy line; later by the verdict
// (0 to 6) and the mode (1 or 2).
inline constexpr Line kFriendEasy = u"{name} говорит, что это простейший вопрос и уверен(а), что правильный ответ это - {right}";
inline constexpr std::array<std::array<Line, 2>, 7> kFriend = {{
    {u"{name} оказался настоящим эрудитом, и он(а) полностью уверен(а), что правильный ответ {right}.",
     u"{name} оказался настоящим эрудитом, и он(а) полностью уверен(а), что правильный ответ {right}."},
    {u"{name}, конечно, не профессионал в данном вопросе, но абсолютно уверена, что верный ответ это {right}.",
     u"{name}, конечно не профессионал в данном вопросе, но уверена, что верный ответ это {guess}."},
    {u"{name}, конечно, не профессионал в данном вопросе, но уверена, что верный ответ это {right}.",
     u"{name}, конечно не профессионал в данном вопросе, но уверена, что верный ответ это {guess}."},
    {u"{name} затруднился(лась) ответить на этот вопрос. Так и промолчал(а) все отведенное время.",
     u"{name} затруднился(лась) ответить на этот вопрос. Так и промолчал(а) все отведенное время."},
    {u"{name} говорит, что это {guess}.", u"{name} утверждает, что это {right}."},
    {u"{name} оказался(лась) полным неучем, и ничего вразумительного не сказал(а).",
     u"{name} оказался(лась) полным неучем, и ничего вразумительного не сказал(а)."},
    {u"{name} сказал(а), что ничего лучше чем {guess} он(а) придумать не может.",
     u"{name} сказал(а), что ничего лучше чем {guess} он(а) придумать не может."},
}};

}  // namespace lines

// Whether a line has the hole {name} (the friend's lines ask for a guess only when they use it).
bool hasHole(QStringView line, QStringView hole);

}  // namespace kvizar
