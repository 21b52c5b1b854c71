#include "gamescreen.h"

#include "core/ladder.h"
#include "screens/program.h"
#include "questions/questions.h"
#include "questions/usedquestions.h"
#include "screens/designs.h"

namespace kvizar {

GameScreen::GameScreen(Program &program)
    : Screen(program, gameDesign()),
      answer(array(QStringLiteral("answer"))),
      otvet(array(QStringLiteral("otvet"))),
      Label2(array(QStringLiteral("Label2"))),
      bar(array(QStringLiteral("bar"))),
      pimpa(array(QStringLiteral("pimpa"))),
      denga(array(QStringLiteral("denga"))),
      used(array(QStringLiteral("used"))),
      velmar(array(QStringLiteral("velmar"))),
      tablo(ctl(QStringLiteral("tablo"))),
      display(ctl(QStringLiteral("display"))),
      fifty(ctl(QStringLiteral("fifty"))),
      zal(ctl(QStringLiteral("zal"))),
      teleph(ctl(QStringLiteral("teleph"))),
      chart(ctl(QStringLiteral("chart"))),
      begin(ctl(QStringLiteral("begin"))),
      banner(ctl(QStringLiteral("banner"))),
      clocktablo(ctl(QStringLiteral("clocktablo"))),
      timebar(ctl(QStringLiteral("timebar"))),
      videlenie(ctl(QStringLiteral("videlenie"))),
      InData(ctl(QStringLiteral("InData"))),
      adcoder(ctl(QStringLiteral("adcoder"))),
      forcoder(ctl(QStringLiteral("forcoder"))),
      simpleanswer(ctl(QStringLiteral("simpleanswer"))),
      answerpress(ctl(QStringLiteral("answerpress"))),
      trueanswer(ctl(QStringLiteral("trueanswer"))),
      pimpanow(ctl(QStringLiteral("pimpanow"))),
      forclock(timer(QStringLiteral("forclock"))),
      Timer1(timer(QStringLiteral("Timer1"))),
      Timer2(timer(QStringLiteral("Timer2"))),
      Timer3(timer(QStringLiteral("Timer3")))
{
    Timer1.onTick = [this] { talkTick(); };
    Timer2.onTick = [this] { revealTick(); };
    Timer3.onTick = [this] { introTick(); };
    forclock.onTick = [this] { clockTick(); };
    for (int i = 1; i <= 4; ++i) {
        answer(i).input.press = [this, i](int) { answerDown(i); };
        answer(i).input.release = [this](int) { answerUp(); };
    }
    fifty.input = {[this](int) { fiftyDown(); }, [this](int) { fiftyUp(); }, {}};
    zal.input = {[this](int) { zalDown(); }, [this](int) { zalUp(); }, {}};
    teleph.input = {[this](int) { telephDown(); }, [this](int) { telephUp(); }, {}};
    banner.input.press = [this](int) { Navigate(*this, SiteAddress); };
    begin.input.click = [this] { beginClick(); };
}

const std::vector<KeyBinding> &GameScreen::keyBindings()
{
    static const std::vector<KeyBinding> keys = [] {
        std::vector<KeyBinding> k = {{{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}, QStringLiteral("begin"), -1,
                                      QStringLiteral("Enter, пробел"), QStringLiteral("«начинаем!»")}};
        for (int i = 1; i <= 4; ++i) {
            const char letter = char('A' + i - 1);
            std::vector<int> codes = letterKeys(letter);
            codes.push_back(Qt::Key_0 + i);
            k.push_back({codes, QStringLiteral("answer"), i,
                         QStringLiteral("%1 (%2), %3").arg(QChar(letter), QChar(russianOnKey(letter))).arg(i),
                         QStringLiteral("ответ %1").arg(QChar(letter))});
        }
        const auto lifeline = [&k](char letter, const char16_t *control, const char16_t *what) {
            k.push_back({letterKeys(letter), QString::fromUtf16(control), -1,
                         QStringLiteral("%1 (%2)").arg(QChar(letter), QChar(russianOnKey(letter))), QString::fromUtf16(what)});
        };
        lifeline('F', u"fifty", u"подсказка «50 на 50»");
        lifeline('Z', u"zal", u"помощь зала");
        lifeline('T', u"teleph", u"звонок другу");
        return k;
    }();
    return keys;
}

GameScreen::State GameScreen::state() const
{
    return {Motions,      QuestionNow, RightAnswer, AlreadyPressed, LifelineBusy, GameFinished, TimeLimit,
            SafeSum,      ChosenAnswer, TalkTicks,  RevealTick,     SiteAddress};
}

void GameScreen::load()
{
    GameFinished = false;
    SiteAddress = kSiteAddress;
    forclock.setEnabled(false);
    QuestionNow = 0;
    for (Control *c : {&zal, &fifty, &banner})
        c->pointer = teleph.pointer;
    for (int i = 1; i <= 4; ++i)
        answer(i).pointer = teleph.pointer;
}

void GameScreen::beginClick()
{
    LifelineBusy = false;
    begin.enabled = false;
    Timer3.setEnabled(true);
    Motions = 28;
}

void GameScreen::introTick()
{
    Motions = std::int16_t(Motions - 1);
    if (Motions > 13)
        videlenie.top -= 318;
    if (Motions < 14)
        videlenie.top += 318;
    if (Motions != 0)
        return;
    Timer3.setEnabled(false);
    for (int i = 1; i <= 4; ++i)
        answer(i).enabled = true;
    teleph.enabled = true;
    zal.enabled = true;
    fifty.enabled = true;
    RightAnswer = ShowQuestion(program_, 1);
    tablo.caption.clear();
    begin.visible = false;
    QuestionNow = 1;
    Bazar(int(display.caption.size()) / 5);
    StartQuestionClock();
}

void GameScreen::StartQuestionClock()
{
    ++questionSerial_;
    if (const Rung *rung = rungOf(QuestionNow)) {
        SafeSum = std::int16_t(rung->safeSum);
        timebar.width = rung->seconds * kBarPixelsPerSecond;
        TimeLimit = std::int16_t(rung->seconds);
    }
    clocktablo.caption = QString::number(TimeLimit);
    forclock.setEnabled(true);
}

void GameScreen::Navigate(Screen & /*frm*/, const QString &NavTo)
{
    program_.services().opener.open(NavTo);
}

void GameScreen::SaveUsed()
{
    countAnsweredQuestion(program_.services().settings, program_.services().exeName, QuestionNow);
}

void GameScreen::say(const QString &line)
{
    tablo.caption = line;
    Bazar(int(tablo.caption.size()) / 5);
}

QString GameScreen::letter(int i)
{
    if (i < 1 || i > 4)
        return {};
    return Label2(i).caption.left(1);
}

}  // namespace kvizar
