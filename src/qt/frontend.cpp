#include "frontend.h"

#include "timedriver.h"

#include "screens/program.h"

namespace kvizar::gui {

FrontEnd::FrontEnd() = default;
FrontEnd::~FrontEnd() = default;

Services FrontEnd::services(const QString &programDir, const QString &exeName)
{
    return Services{sound_, starter_, opener_, settings_, files_, clock_, windows_, programDir, exeName};
}

void FrontEnd::attach(Program &program)
{
    windows_.attach(program);
    time_ = std::make_unique<TimeDriver>(program.scheduler);
    program.afterEvent = [this] {
        windows_.refresh();
        time_->aim();
    };
}

}  // namespace kvizar::gui
