#include "frontend.h"

#include "helpwindow.h"
#include "singleinstance.h"
#include "timedriver.h"

#include "app/kvizar.h"
#include "core/basefiledir.h"
#include "core/paths.h"
#include "core/random.h"
#include "screens/keys.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>

namespace kvizar::gui {

FrontEnd::FrontEnd(QString programDir)
    : programDir_(std::move(programDir)), baseDir_(baseFileDirectory(programDir_)),
      sound_(programPath(programDir_, QStringLiteral("\\kvizar-sound")))
{
    if (baseDir_.isEmpty())  // nowhere to be written: the companion says so, the game looks where it always did
        baseDir_ = programDir_;
    starter_.holdUntilBegun();
    sound_.setMuted(preferences_.muted());
    windows_.setZoom(preferences_.zoom());
    windows_.ownKeys = [this](const QKeyEvent &event) { return ownKey(event); };
}

bool FrontEnd::ownKey(const QKeyEvent &event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers held = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: zoom(Preferences::zoomIn(preferences_.zoom())); return true;
        case Qt::Key_Minus: zoom(Preferences::zoomOut(preferences_.zoom())); return true;
        case Qt::Key_0: zoom(100); return true;
        default: return false;
        }
    }
    if (held)
        return false;
    if (key == Qt::Key_F1) {
        if (!help_)
            help_ = std::make_unique<HelpWindow>();
        help_->setVisible(!help_->isVisible());
        if (help_->isVisible())
            help_->activateWindow();
        return true;
    }
    if (key == Qt::Key_M || key == russianOnKey('M')) {
        preferences_.setMuted(!preferences_.muted());
        sound_.setMuted(preferences_.muted());
        return true;
    }
    return false;
}

void FrontEnd::zoom(int percent)
{
    preferences_.setZoom(percent);
    windows_.setZoom(preferences_.zoom());
}

FrontEnd::~FrontEnd() = default;

Services FrontEnd::services(const QString &exeName)
{
    return Services{sound_, starter_, opener_, settings_, files_, clock_, windows_, programDir_, exeName, baseDir_};
}

void FrontEnd::painted()
{
    starter_.begin();
    sound_.begin();
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
            qApp->removeEventFilter(this);
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
    QGuiApplication::setDesktopFileName(QStringLiteral("ru.kvizar.Kvizar"));  // its menu entry and icon
    QApplication::setQuitOnLastWindowClosed(false);  // the game says when it ends
    FrontEnd frontEnd(QCoreApplication::applicationDirPath());
    SingleInstance single;
    if (!single.claim(frontEnd.baseDir())) {
        std::fputs("Квизар уже запущен: его окно выведено на передний план.\n", stderr);
        return 0;
    }
    single.onAsked = [&frontEnd] { frontEnd.windows().comeToFront(); };
    FirstPaint painted([&frontEnd, firstPaint] {
        frontEnd.painted();
        if (firstPaint)
            firstPaint();
    });
    app.installEventFilter(&painted);
    Generator random(std::uint64_t(QDateTime::currentMSecsSinceEpoch()));
    Kvizar program(frontEnd.services(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()), random);
    frontEnd.attach(program);
    program.run();
    return app.exec();
}

}  // namespace kvizar::gui
