#include "startscreen.h"

#include "core/paths.h"
#include "screens/program.h"
#include "game/gamescreen.h"
#include "game/hostlines.h"
#include "lifelines/telscreen.h"
#include "media/playwave.h"
#include "questions/mainmodule.h"
#include "screens/designs.h"

namespace kvizar {

StartScreen::StartScreen(Program &program)
    : Screen(program, startDesign()), waiting_(program.scheduler, QStringLiteral("waiting"), kCompanionLookMs, false)
{
    timer(QStringLiteral("Timer1")).onTick = [this] { blink(); };
    waiting_.onTick = [this] { lookForBase(); };
    Control &start = ctl(QStringLiteral("continue"));
    start.input.press = [this, &start](int) { start.picture = ctl(QStringLiteral("loading")).picture; };
    start.input.release = [this](int) { released(); };
    ctl(QStringLiteral("exitfromgame")).input.click = [this] { exitGame(); };
}

const std::vector<KeyBinding> &StartScreen::keyBindings()
{
    static const std::vector<KeyBinding> keys = {
        {{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}, QStringLiteral("continue"), -1, QStringLiteral("Enter, пробел"),
         QStringLiteral("«Начать игру»")},
        {{Qt::Key_Escape}, QStringLiteral("exitfromgame"), -1, QStringLiteral("Esc"), QStringLiteral("«Выход»")},
    };
    return keys;
}

void StartScreen::load()
{
    const Services &services = program_.services();
    PlaySoundFile(program_, programPath(services.programDir, QStringLiteral("\\begin.wav")), true);
    if (program_.tel)
        program_.unload(program_.tel);  // a dialog left open goes with its game
    if (program_.game)
        program_.unload(program_.game);
    ctl(QStringLiteral("continue")).picture = ctl(QStringLiteral("imgbegin")).picture;
    GameScreen &game = program_.createGame();
    game.teleph.enabled = false;
    game.zal.enabled = false;
    game.fifty.enabled = false;
    for (int i = 1; i <= 4; ++i)
        game.answer(i).enabled = false;
    ctl(QStringLiteral("basestring")).text = programPath(services.programDir, QStringLiteral("\\base") + executableSuffix());
    ctl(QStringLiteral("basedatstring")).text = programPath(services.baseDir, QStringLiteral("\\base.dat"));
    program_.questions.AppDir = services.programDir;
    const QString companion = ctl(QStringLiteral("basestring")).text;
    if (!services.starter.startDetached(companion)) {
        const QString why = services.starter.lastOutcome().errorOutput.trimmed();
        program_.fail(QStringLiteral("Не удалось запустить программу подготовки вопросов «%1»%2. Игра будет закрыта.")
                          .arg(companion, why.isEmpty() ? QString() : QStringLiteral(": ") + why));
        return;
    }
    show();
    services.windows.makeTopMostAtOrigin(*this);
}

// A companion still at work when the button is released is given a few seconds to finish its
// file, the loading picture staying up meanwhile; then the game goes on as the file says.
void StartScreen::released()
{
    if (waiting_.enabled())
        return;
    const Services &services = program_.services();
    const QString path = ctl(QStringLiteral("basedatstring")).text;
    if (!services.files.exists(path) && services.starter.lastOutcome().state == ProgramOutcome::State::Running) {
        waited_ = 0;
        ctl(QStringLiteral("continue")).picture = ctl(QStringLiteral("loading")).picture;
        waiting_.setEnabled(true);
        return;
    }
    startGame();
}

void StartScreen::lookForBase()
{
    const Services &services = program_.services();
    waited_ += kCompanionLookMs;
    if (!services.files.exists(ctl(QStringLiteral("basedatstring")).text) &&
        services.starter.lastOutcome().state == ProgramOutcome::State::Running && waited_ < kCompanionWaitMs)
        return;
    waiting_.setEnabled(false);
    startGame();
}

void StartScreen::startGame()
{
    if (!program_.game)
        return;
    GameScreen &game = *program_.game;
    for (int i = 1; i <= 4; ++i) {
        game.otvet(i).picture = game.simpleanswer.picture;
        game.bar(i).tag.clear();
    }
    for (int i = 1; i <= 15; ++i) {
        game.pimpa(i).picture = game.pimpanow.picture;
        game.pimpa(i).visible = false;
    }
    game.used(1).picture = game.used(3).picture;
    game.used(2).picture = game.used(3).picture;
    if (!loadBase(game))
        return;
    game.Timer3.setEnabled(false);
    game.AlreadyPressed = false;
    game.show();
    game.tablo.caption = fill(lines::kGreeting, {});
    program_.unload(this);
}

// Reads, checks, decodes and deletes base.dat. A file that cannot be used ends the program
// with a message naming the fault, and is left in place for a look.
bool StartScreen::loadBase(GameScreen &game)
{
    const QString path = ctl(QStringLiteral("basedatstring")).text;
    FileStore &files = program_.services().files;
    const std::optional<QByteArray> bytes = files.readAll(path);
    if (!bytes) {
        program_.fail((files.exists(path) ? QStringLiteral("Не удалось прочитать файл вопросов «%1».").arg(path) : missingBase(path)) +
                      QStringLiteral(" Игра будет закрыта."));
        return false;
    }
    DecodedBase decoded;
    if (const std::optional<QString> fault = checkBaseFile(*bytes, path, &decoded)) {
        program_.fail(*fault + QStringLiteral(" Игра будет закрыта."));
        return false;
    }
    game.InData.text = QString::fromLatin1(*bytes);
    // The check has decoded the text already, into holders as empty as a fresh game screen's.
    if (!game.adcoder.text.isEmpty() || !game.forcoder.text.isEmpty()) {
        decoded = {game.adcoder.text, game.forcoder.text};
        DecodeBase(game.InData.text, decoded.adcoder, decoded.forcoder);
    }
    game.adcoder.text = decoded.adcoder;
    game.forcoder.text = decoded.forcoder;
    game.InData.text = game.forcoder.text;
    if (!files.remove(path)) {
        program_.fail(QStringLiteral("Не удалось удалить прочитанный файл вопросов «%1». Игра будет закрыта.").arg(path));
        return false;
    }
    return true;
}

// Why base.dat is not there: what became of the companion that was to write it.
QString StartScreen::missingBase(const QString &path)
{
    const QString companion = ctl(QStringLiteral("basestring")).text;
    const ProgramOutcome outcome = program_.services().starter.lastOutcome();
    QString said = outcome.errorOutput.simplified();
    if (said.size() > 300)
        said = said.left(300) + QStringLiteral("…");
    const QString saying = said.isEmpty() ? QString() : QStringLiteral(" Она сообщила: «%1».").arg(said);
    switch (outcome.state) {
    case ProgramOutcome::State::Exited:
        if (outcome.code != 0)
            return QStringLiteral("Программа подготовки вопросов «%1» завершилась с ошибкой (код %2) и не записала файл вопросов «%3».%4")
                .arg(companion).arg(outcome.code).arg(path, saying);
        return QStringLiteral("Программа подготовки вопросов «%1» завершилась, но не записала файл вопросов «%2».%3")
            .arg(companion, path, saying);
    case ProgramOutcome::State::Crashed:
        return QStringLiteral("Программа подготовки вопросов «%1» аварийно прервалась (сигнал %2) и не записала файл вопросов «%3».%4")
            .arg(companion).arg(outcome.code).arg(path, saying);
    case ProgramOutcome::State::Running:
        return QStringLiteral("Программа подготовки вопросов «%1» за %2 секунд так и не записала файл вопросов «%3».%4")
            .arg(companion).arg(kCompanionWaitMs / 1000).arg(path, saying);
    case ProgramOutcome::State::Unknown:
        break;
    }
    return QStringLiteral("Не найден файл вопросов «%1».").arg(path);
}

void StartScreen::exitGame()
{
    program_.quit();
}

void StartScreen::blink()
{
    Control &image2 = ctl(QStringLiteral("Image2"));
    image2.visible = !image2.visible;
}

}  // namespace kvizar
