// The game, started as usual, printing the time (ns since the epoch) once its first window
// has been painted, and ending there: what the start-up benchmark times. Copied into the
// program directory, where the game looks for its companion and sounds.
#include "qt/frontend.h"

#include <QCoreApplication>

#include <chrono>
#include <cstdio>

int main(int argc, char *argv[])
{
    return kvizar::gui::runGame(argc, argv, [] {
        std::printf("%lld\n", (long long)std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch()).count());
        QCoreApplication::exit(0);
    });
}
