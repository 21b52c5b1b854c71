// The game, started as usual, ending as soon as its first window has been painted: what the
// start-up benchmark times. Copied into the program directory, where the game looks for its
// companion and sounds.
#include "qt/frontend.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    return kvizar::gui::runGame(argc, argv, [] { QCoreApplication::exit(0); });
}
