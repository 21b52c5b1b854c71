#pragma once

#include <QString>

namespace kvizar {

// Where the companion writes base.dat and the game reads it, one rule for both: the program
// directory when the player can write it (a build tree, an unpacked copy), otherwise the
// game's own directory in the user's data directory (~/.local/share/Kvizar), made when it is
// missing. Empty when neither can be had.
QString baseFileDirectory(const QString &programDir);

}  // namespace kvizar
