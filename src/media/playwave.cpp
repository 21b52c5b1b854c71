#include "playwave.h"

#include "app/program.h"

namespace kvizar {

bool PlaySoundFile(Program &program, const QString &path, bool async)
{
    return program.services().sound.play(path, async);
}

}  // namespace kvizar
