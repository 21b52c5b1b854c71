#pragma once

#include "screens/screen.h"

#include <cstdint>

namespace kvizar {

// The game screen: owns the state of a running game and the controls it is played on.
class GameScreen : public Screen {
public:
    explicit GameScreen(Program &program);

    // Public state, read by the other screens.
    std::int16_t Motions = 0;
    std::int16_t QuestionNow = 0;
    QString RightAnswer;
    bool AlreadyPressed = false;

    void load() override;
    // The keys of this screen (see keys.h).
    static const std::vector<KeyBinding> &keyBindings();
    const std::vector<KeyBinding> &keys() const override { return keyBindings(); }
    void Bazar(int NumberOfMovements);
    void SaveUsed();
    void Navigate(Screen &frm, const QString &NavTo);

    // The private state, for tests and the simulator to read.
    struct State {
        std::int16_t Motions, QuestionNow;
        QString RightAnswer;
        bool AlreadyPressed, LifelineBusy, GameFinished;
        std::int16_t TimeLimit, SafeSum, ChosenAnswer;
        int TalkTicks;
        std::int32_t RevealTick;
        QString SiteAddress;
    };
    State state() const;

    // Controls, named as designed.
    const ControlArray answer, otvet, Label2, bar, pimpa, denga, used, velmar;
    Control &tablo, &display, &fifty, &zal, &teleph, &chart, &begin, &banner, &clocktablo, &timebar,
        &videlenie, &InData, &adcoder, &forcoder, &simpleanswer, &answerpress, &trueanswer, &pimpanow;
    Timer &forclock, &Timer1, &Timer2, &Timer3;

private:
    friend class TelScreen;

    // Says a host line: the caption of tablo, then the talking animation over it.
    void say(const QString &line);
    QString letter(int i);
    // A press held on an answer or a lifeline acts at its release only if the press itself
    // acted, on the question still being played: a press ignored during the reveal, or one
    // that outlives its question (the next question, the timeout), releases nothing.
    void pressActed() { pressedOn_ = questionSerial_; }
    void pressIgnored() { pressedOn_ = -1; }
    bool releaseActs()
    {
        const bool acts = pressedOn_ == questionSerial_;
        pressedOn_ = -1;
        return acts;
    }

    void beginClick();
    void introTick();
    void StartQuestionClock();
    void talkTick();

    void answerDown(int i);
    void answerUp();
    void StartReveal();
    void revealTick();
    void confirmationRemark(int v);
    void teaser(const QString &L);
    void verdict();
    void rightVerdict();
    void wrongVerdict();
    void nextQuestion();
    void returnToStart();

    void clockTick();
    void prompt(int mark);
    void timeout();

    void fiftyDown();
    void fiftyUp();
    void zalDown();
    void zalUp();
    void telephDown();
    void telephUp();
    void hangUp();
    void hidePoll();

    bool LifelineBusy = false;
    bool GameFinished = false;
    QString SiteAddress;
    std::int16_t TimeLimit = 0;
    std::int16_t SafeSum = 0;
    int TalkTicks = 0;
    std::int16_t ChosenAnswer = 0;
    std::int32_t RevealTick = 0;

    int questionSerial_ = 0;  // raised when a question starts and when its time runs out
    int pressedOn_ = -1;      // the question a held press acted on
};

// The game's website: opened by the banner and named in the host's farewells.
inline const QString kSiteAddress = QStringLiteral("http://www.kvizar.ru");

}  // namespace kvizar
