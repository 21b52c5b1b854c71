#include "kvizar.h"

#include "app/startscreen.h"
#include "game/gamescreen.h"
#include "lifelines/telscreen.h"

namespace kvizar {

void Kvizar::loadStart()
{
    if (ended())
        return;
    if (!start)
        start = &adopt(std::make_unique<StartScreen>(*this));
    start->load();
}

GameScreen &Kvizar::createGame()
{
    game = &adopt(std::make_unique<GameScreen>(*this));
    game->load();
    return *game;
}

TelScreen &Kvizar::openTel()
{
    if (!tel)
        tel = &adopt(std::make_unique<TelScreen>(*this));
    tel->load();
    tel->show();
    return *tel;
}

void Kvizar::released(Screen &screen)
{
    if (start == &screen)
        start = nullptr;
    if (game == &screen)
        game = nullptr;
    if (tel == &screen)
        tel = nullptr;
}

}  // namespace kvizar
