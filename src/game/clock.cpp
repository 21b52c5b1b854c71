#include "gamescreen.h"

#include "screens/program.h"
#include "core/ladder.h"

namespace kvizar {

void GameScreen::clockTick()
{
    const int c = TimeLimit;
    if (c == -15) {
        program_.loadStart();  // start-up discards this screen, which stops the clock
        return;
    }
    if (!LifelineBusy && (c == 70 || c == 40 || c == 20 || c == 10))
        prompt(c);
    TimeLimit = std::int16_t(TimeLimit - 1);
    const int n = TimeLimit;
    if (n == -1)
        timeout();
    if (n >= 0) {
        timebar.width -= kBarPixelsPerSecond;
        clocktablo.caption = QString::number(n);
    } else {
        clocktablo.caption.clear();
    }
}

void GameScreen::prompt(int mark)
{
    const int row = program_.draw(3);
    const QString prize = QuestionNow >= 1 && QuestionNow <= 15 ? denga(QuestionNow).caption : QString();
    auto lifelineRow = [this](const QString &phone, const QString &audience, const QString &half) {
        if (teleph.enabled)
            tablo.caption = phone;
        if (zal.enabled)
            tablo.caption = audience;
        if (fifty.enabled)
            tablo.caption = half;
    };
    switch (mark) {
    case 70:
        if (row == 1) {
            if (teleph.enabled || zal.enabled || fifty.enabled)
                tablo.caption = QStringLiteral("Вы еще можете воспользоваться подсказками.");
        } else if (row == 2) {
            tablo.caption = QStringLiteral("Не спешите, у Вас еще есть время подумать.");
        } else {
            tablo.caption = QStringLiteral("Я буду рад за Вас если Вы получите ") + prize + QStringLiteral("рублей.");
        }
        break;
    case 40:
        if (row == 1) {
            lifelineRow(QStringLiteral("Еще можно позвонить."), QStringLiteral("Поинтересуемся мнением зала?"),
                        QStringLiteral("Можно убрать два неврных варианта."));
        } else if (row == 2) {
            tablo.caption = QStringLiteral("Если Вы ответите правильно, то вы выиграете ") + prize + QStringLiteral("рублей.");
        } else {
            const Rung *won = rungOf(QuestionNow - 1);
            const int below = won ? won->amount : 0;
            tablo.caption = QStringLiteral("Если Вы ошибетесь, то Вы потеряете ") + QString::number(below - SafeSum) +
                            QStringLiteral(" рублей.");
        }
        break;
    case 20:
        if (row == 1)
            lifelineRow(QStringLiteral("Может быть позвоним другу?"), QStringLiteral("Может узнаем мнение зала?"),
                        QStringLiteral("Может воспользуемся подсказкой 50/50"));
        else if (row == 2)
            tablo.caption = QStringLiteral("Какой вариант Вы предлагаете?");
        else
            tablo.caption = QStringLiteral("Так какой вариант Вы хотите предложить?");
        break;
    default:
        if (row == 1)
            tablo.caption = QStringLiteral("Короче, какой вариант?");
        else if (row == 2)
            tablo.caption = QStringLiteral("Ну, решайтесь.");
        else
            tablo.caption = QStringLiteral("Итак, каков Ваш ответ?");
        break;
    }
    Bazar(int(tablo.caption.size()) / 5);
}

void GameScreen::timeout()
{
    chart.visible = false;
    for (int i = 1; i <= 4; ++i) {
        answer(i).enabled = false;
        bar(i).visible = false;
    }
    zal.enabled = false;
    teleph.enabled = false;
    fifty.enabled = false;
    program_.randomize();
    if (int(2 * program_.rnd.next() + 1) == 1)
        tablo.caption = QStringLiteral("К сожалению, Вы не успели ответить. Попробуйте свои силы еще раз. И не забывайте "
                                       "посещать сайт ") +
                        SiteAddress;
    else
        tablo.caption = QStringLiteral("Все! Время вышло. Попробуйте еще раз, только будьте, пожалуйста, порасторопнее и "
                                       "у Вас все получится. И не забывайте про сайт в Интернете ") +
                        SiteAddress;
    Bazar(int(tablo.caption.size()) / 5);
}

}  // namespace kvizar
