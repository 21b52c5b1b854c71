#include "gameonwindows.h"

#include "geometry.h"

#include "app/startscreen.h"
#include "questions/mainmodule.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace kvizar::test {

namespace {

QByteArray questionBase()
{
    QString text = QStringLiteral("#@");
    for (int k = 1; k <= 15; ++k)
        text += QStringLiteral("Вопрос %1?|Верно %1||Неверно %1-1|||Неверно %1-2||||Неверно %1-3|||||@").arg(k);
    return *EncodeBase(text);
}

// The application object lives from before the first test to after the last. Its windows are
// never put on a screen, unless a platform is asked for.
class Application : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            argc_ = 1;
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 3;
    char name_[9] = "qt_tests", platform_[10] = "-platform", offscreen_[10] = "offscreen";
    char *argv_[4] = {name_, platform_, offscreen_, nullptr};
    std::unique_ptr<QApplication> app_;
};

const ::testing::Environment *const application = ::testing::AddGlobalTestEnvironment(new Application);

}  // namespace

GameOnWindows::GameOnWindows() : recorded(random, questionBase(), &windows)
{
    windows.attach(*program);
    program->afterEvent = [this] { windows.refresh(); };
    program->run();
}

GameOnWindows::~GameOnWindows() = default;

gui::ScreenWindow &GameOnWindows::window(const Screen &screen) const
{
    return *windows.windowOf(screen);
}

QPoint GameOnWindows::centreOf(const Control &control)
{
    return gui::controlRect(control).center();
}

void GameOnWindows::press(const Screen &screen, QPoint at, Qt::MouseButton button)
{
    QTest::mousePress(&window(screen), button, {}, at);
}

void GameOnWindows::release(const Screen &screen, QPoint at, Qt::MouseButton button)
{
    QTest::mouseRelease(&window(screen), button, {}, at);
}

void GameOnWindows::click(const Screen &screen, const Control &control)
{
    gui::ScreenWindow &target = window(screen);
    QTest::mousePress(&target, Qt::LeftButton, {}, centreOf(control));
    QTest::mouseRelease(&target, Qt::LeftButton, {}, centreOf(control));
}

QImage GameOnWindows::grab(const Screen &screen) const
{
    return window(screen).grab().toImage();
}

void GameOnWindows::toQuestion1()
{
    click(*program->start, program->start->ctl(QStringLiteral("continue")));
    click(game(), game().begin);
    wait(28 * 200);
}

}  // namespace kvizar::test
