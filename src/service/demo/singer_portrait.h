#pragma once
// The generated picture of a demo singer: a stylised figure against a
// coloured backdrop, its colours and pattern taken from the singer's number.
#include "service/demo/png_writer.h"

namespace vexo::service::demo {

RgbImage SingerPortrait(int singer_number, int size);

}  // namespace vexo::service::demo
