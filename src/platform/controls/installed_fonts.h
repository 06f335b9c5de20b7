#pragma once
// Font families narrowed to those installed. A family the system lacks sends
// the font database through the system's whole font list in search of a
// stand-in, for every size a window uses; asking only for installed
// families finds the face at once and draws the same text.
#include <QStringList>

namespace vexo {

// The families of `wanted` that are installed, in their order; `wanted` as it
// is when none of them is (the platform then picks its closest match).
QStringList InstalledFamilies(const QStringList& wanted);

}  // namespace vexo
