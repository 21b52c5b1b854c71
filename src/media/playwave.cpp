#include "playwave.h"

#include "screens/program.h"

namespace kvizar {

bool PlaySoundFile(Program &program, const QString &path, bool async)
{
    return program.services().sound.play(path, async);
}

}  // namespace kvizar
