#include "frontend.h"

#include "app/kvizar.h"
#include "core/random.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>

namespace {

// For the start-up benchmark: ends the program once the first window has been painted.
class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool quitting_ = false;
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvizar"));
    QApplication::setQuitOnLastWindowClosed(false);  // the game says when it ends
    QuitAfterFirstPaint benchmark;
    if (qEnvironmentVariableIsSet("KVIZAR_QUIT_AFTER_FIRST_PAINT"))
        app.installEventFilter(&benchmark);

    kvizar::gui::FrontEnd frontEnd;
    kvizar::Generator random(std::uint64_t(QDateTime::currentMSecsSinceEpoch()));
    kvizar::Kvizar program(
        frontEnd.services(QCoreApplication::applicationDirPath(),
                          QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()),
        random);
    frontEnd.attach(program);
    program.run();
    return app.exec();
}
