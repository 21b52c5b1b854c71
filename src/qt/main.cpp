#include "frontend.h"

int main(int argc, char *argv[])
{
    return kvizar::gui::runGame(argc, argv);
}
