#include "recordedprogram.h"

#include "app/kvizar.h"
#include "core/paths.h"

namespace kvizar {

RecordedProgram::RecordedProgram(RandomSource &random, QByteArray b, WindowSystem *windows) : base(std::move(b))
{
    rec.elapsed = [this] { return program ? program->scheduler.now() : 0; };
    rec.onStart = [this](const QString &) { rec.files[basePath()] = base; };
    const Services s = rec.services();
    program = std::make_unique<Kvizar>(
        windows ? Services{s.sound, s.starter, s.opener, s.settings, s.files, s.clock, *windows, s.programDir, s.exeName, s.baseDir}
                : s,
        random);
}

RecordedProgram::~RecordedProgram()
{
    program.reset();
}

QString RecordedProgram::basePath() const
{
    return programPath(rec.baseDir, QStringLiteral("\\base.dat"));
}

}  // namespace kvizar
