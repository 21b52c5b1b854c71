#pragma once

#include <QString>

namespace kvizar {

class Program;

// The one sound procedure: plays a wave file, asynchronously when `async` is true. A new
// request stops a sound still playing; a missing file or device plays nothing and reports
// nothing but the result.
bool PlaySoundFile(Program &program, const QString &path, bool async);

}  // namespace kvizar
