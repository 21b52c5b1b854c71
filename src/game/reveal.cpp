#include "gamescreen.h"

#include "core/paths.h"
#include "screens/program.h"
#include "media/playwave.h"
#include "questions/questions.h"

namespace kvizar {

void GameScreen::revealTick()
{
    const std::int32_t v = RevealTick;
    if (v == 20 || v == 60 || v == 100)
        confirmationRemark(v);
    else if (v == -135 && GameFinished)
        returnToStart();
    else if (v == -60 && !GameFinished)
        nextQuestion();
    else if (v == -15)
        verdict();
    --RevealTick;
}

void GameScreen::confirmationRemark(int v)
{
    const QString L = letter(ChosenAnswer);
    if (v == 100) {
        switch (program_.draw(5)) {
        case 1: say(QStringLiteral("Значит Ваш ответ ") + L + QStringLiteral(", я правильно понял?")); break;
        case 3: say(L + QStringLiteral(".")); break;
        default: say(QStringLiteral("Проверяем вариант ") + L + QStringLiteral("?")); break;
        }
    } else if (v == 60) {
        switch (program_.draw(5)) {
        case 1: say(QStringLiteral("Не забывайте об оставшихся подсказках")); break;
        case 2: say(QStringLiteral("Значит Ваш ответ ") + L + QStringLiteral(", я правильно понял?")); break;
        case 3: say(QStringLiteral("Все больше передумывать не будете.")); break;
        case 4: say(QStringLiteral("Вы говорите") + L + QStringLiteral(".")); break;
        default: say(L + QStringLiteral(".")); break;
        }
    } else {
        switch (program_.draw(6)) {
        case 1: say(QStringLiteral("Вы выбрали вариант ") + L + QStringLiteral(".")); break;
        case 2: say(QStringLiteral("Ваш вариант ") + L + QStringLiteral(".")); break;
        case 3: say(QStringLiteral("Итак, Вы сказали ") + L + QStringLiteral(".")); break;
        case 4: say(L + QStringLiteral(" - окончательный вариант.")); break;
        case 5: say(QStringLiteral("Значит ") + L + QStringLiteral(".")); break;
        default: teaser(L); break;
        }
    }
}

void GameScreen::teaser(const QString &L)
{
    say(QStringLiteral("Значит ") + L + QStringLiteral("."));
    const QString chosen = ChosenAnswer >= 1 && ChosenAnswer <= 4 ? answer(ChosenAnswer).caption : QString();
    const int t = program_.drawUntil(4, true, [&](int k) {
        const QString &c = answer(k).caption;
        return c != RightAnswer && !c.isEmpty() && c != chosen;
    });
    if (t == 0)
        return;  // nothing else to tease with (two answers removed): the plain line stands
    say(QStringLiteral("Вот если бы Вы сказали ") + answer(t).caption + QStringLiteral(", то Вы бы проиграли."));
}

void GameScreen::verdict()
{
    const QString chosen = ChosenAnswer >= 1 && ChosenAnswer <= 4 ? answer(ChosenAnswer).caption : QString();
    if (ChosenAnswer >= 1 && ChosenAnswer <= 4 && chosen == RightAnswer)
        rightVerdict();
    else
        wrongVerdict();
}

void GameScreen::rightVerdict()
{
    const QString chosen = answer(ChosenAnswer).caption;
    otvet(ChosenAnswer).picture = trueanswer.picture;
    PlaySoundFile(program_, programPath(program_.services().programDir, QStringLiteral("\\true.wav")), true);
    if (QuestionNow == 5) {
        switch (program_.draw(3)) {
        case 1: say(QStringLiteral("Итак, Вы достигли первой несгораемой суммы в 1000 рублей!")); break;
        case 2: say(QStringLiteral("Несгораемая 1000 Ваша!")); break;
        default: say(QStringLiteral("Эту 1000 рублей Вы уже не потеряете")); break;
        }
    } else if (QuestionNow == 10) {
        switch (program_.draw(3)) {
        case 1: say(QStringLiteral("32000 - вторая несгораемая сумма Ваша!")); break;
        case 2: say(QStringLiteral("Вторая несгораемая сумма. Теперь Вы в пяти шагах от 1000000 рублей")); break;
        default: say(QStringLiteral("32000! Я чувствую Вы волнуетесь. Давайте попьем водички.")); break;
        }
    } else if (QuestionNow == 15) {
        switch (program_.draw(3)) {
        case 1:
            say(QStringLiteral("И Вы забираете 1,000,000 рублей! Поздравляю Вас! Великолепная игра! Ваша эрудиция "
                               "заставит нас долго помнить эту игру. До новых встреч! Играйте и выигрывайте! Посетите сайт ") +
                SiteAddress);
            break;
        case 2:
            say(QStringLiteral("Да! Да! Верно! 1,000,000 Ваш! Примите мои поздравления! Ваша игра надолго запомнится "
                               "нам. До свидания! Посетите сайт ") +
                SiteAddress);
            break;
        default:
            say(QStringLiteral("Штурм 1,000,000 состоялся! Потрясающе! Вы ответили на все 15 вопросов! До скорых "
                               "встреч! И не забывайте про сайт ") +
                SiteAddress);
            break;
        }
        GameFinished = true;
    } else {
        switch (program_.draw(5)) {
        case 1: say(QStringLiteral("Да! Верно!")); break;
        case 2: say(QStringLiteral("Правильно!")); break;
        case 3: say(QStringLiteral("Да! Это, конечно, ") + chosen); break;
        case 4: say(QStringLiteral("Вы выбрали ") + chosen + QStringLiteral(", и Вы не ошиблись")); break;
        default: say(QStringLiteral("Как Вам везет. Верно!")); break;
        }
    }
}

void GameScreen::wrongVerdict()
{
    const QString chosen = ChosenAnswer >= 1 && ChosenAnswer <= 4 ? answer(ChosenAnswer).caption : QString();
    PlaySoundFile(program_, programPath(program_.services().programDir, QStringLiteral("\\false.wav")), true);
    int k = 0;
    for (int i = 1; i <= 4 && k == 0; ++i)
        if (answer(i).caption == RightAnswer)
            k = i;
    if (k != 0)
        otvet(k).picture = trueanswer.picture;
    const QString sum = QString::number(SafeSum);
    switch (program_.draw(3)) {
    case 1:
        if (SafeSum == 0)
            tablo.caption = QStringLiteral("К сожаленю, вариант ") + chosen +
                            QStringLiteral(" оказался неверным. Правильный ответ это - ") + RightAnswer +
                            QStringLiteral(". Вы ошиблись на первых пяти вопросах. Вs ничего не выиграли. До скорых "
                                           "встреч! Посетите сайт ") +
                            SiteAddress;
        else
            tablo.caption = QStringLiteral("К сожаленю, вариант ") + chosen +
                            QStringLiteral(" оказался неверным. Правильный ответ это - ") + RightAnswer +
                            QStringLiteral(", но тем не менее Вы получаете свои деньги - ") + sum +
                            QStringLiteral("рублей. До скорых встреч! Посетите сайт ") + SiteAddress;
        break;
    case 2:
        tablo.caption = QStringLiteral("Это конечно же ") + RightAnswer +
                        QStringLiteral(", но не отчаивайтесь. Вы можете попробовать свои силы еще раз. До встречи на сайте") +
                        SiteAddress;
        break;
    default:
        tablo.caption = QStringLiteral("Нет. Ваше предположение неверно. Верный ответ был ") + letter(k) +
                        QStringLiteral("-") + RightAnswer + QStringLiteral(". Ваш выигрыш составил ") + sum +
                        QStringLiteral(" рублей.");
        break;
    }
    forclock.setEnabled(false);
    GameFinished = true;
}

void GameScreen::nextQuestion()
{
    PlaySoundFile(program_, programPath(program_.questions.AppDir, QStringLiteral("\\change.wav")), true);
    QuestionNow = std::int16_t(QuestionNow + 1);
    if (QuestionNow < 2 || QuestionNow > 15)
        return;
    pimpa(QuestionNow - 1).visible = true;
    videlenie.top = denga(QuestionNow).top;
    for (int i = 1; i <= 4; ++i) {
        answer(i).caption.clear();
        otvet(i).picture = simpleanswer.picture;
    }
    for (int i = 1; i <= 4; ++i)
        answer(i).enabled = true;
    LifelineBusy = false;
    AlreadyPressed = false;
    RightAnswer = ShowQuestion(program_, QuestionNow);
    tablo.caption.clear();
    Bazar(int(display.caption.size()) / 5);
    StartQuestionClock();
}

void GameScreen::returnToStart()
{
    program_.unload(this);
    program_.loadStart();
}

}  // namespace kvizar
