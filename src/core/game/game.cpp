#include "core/game/game.h"

namespace quillby {

Game::Game(Host& host, std::string appFolder) : host(host), paths{std::move(appFolder)}
{
}

}  // namespace quillby
