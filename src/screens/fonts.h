#pragma once

#include "control.h"

#include <QString>

namespace kvizar {

// The font a design's look is drawn in: the designs name Windows fonts, and free fonts stand
// in for them, at the point size turned into pixels at 96 dots per inch. The painter, the
// text-fit tables and the tool that measures them all take their faces from here.
struct Face {
    QString family;
    int pixelSize = 0;
    bool bold = false;
    bool italic = false;
    bool operator==(const Face &) const = default;
};

Face faceOf(const Look &look);

}  // namespace kvizar
