#include "frontend.h"

#include "timedriver.h"

#include "app/kvizar.h"
#include "core/random.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>

namespace kvizar::gui {

FrontEnd::FrontEnd() = default;
FrontEnd::~FrontEnd() = default;

Services FrontEnd::services(const QString &programDir, const QString &exeName)
{
    return Services{sound_, starter_, opener_, settings_, files_, clock_, windows_, programDir, exeName};
}

void FrontEnd::attach(Program &program)
{
    windows_.attach(program);
    time_ = std::make_unique<TimeDriver>(program.scheduler);
    program.afterEvent = [this] {
        windows_.refresh();
        time_->aim();
    };
}

namespace {

// Calls its function once, after the first paint of any window.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && then_) {
            QTimer::singleShot(0, qApp, std::exchange(then_, nullptr));
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

int runGame(int argc, char *argv[], const std::function<void()> &firstPaint)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvizar"));
    QApplication::setQuitOnLastWindowClosed(false);  // the game says when it ends
    FirstPaint painted(firstPaint);
    if (firstPaint)
        app.installEventFilter(&painted);

    FrontEnd frontEnd;
    Generator random(std::uint64_t(QDateTime::currentMSecsSinceEpoch()));
    Kvizar program(frontEnd.services(QCoreApplication::applicationDirPath(),
                                     QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()),
                   random);
    frontEnd.attach(program);
    program.run();
    return app.exec();
}

}  // namespace kvizar::gui
