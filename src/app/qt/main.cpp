#include "frontend.h"

#include "app/program.h"
#include "app/random.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvizar"));
    QApplication::setQuitOnLastWindowClosed(false);  // the game says when it ends

    kvizar::gui::FrontEnd frontEnd;
    kvizar::Generator random(std::uint64_t(QDateTime::currentMSecsSinceEpoch()));
    kvizar::Program program(
        frontEnd.services(QCoreApplication::applicationDirPath(),
                          QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()),
        random);
    frontEnd.attach(program);
    program.run();
    return app.exec();
}
