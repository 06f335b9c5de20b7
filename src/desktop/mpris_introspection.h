#pragma once
// How the player's object describes itself to a bus client that asks
// (org.freedesktop.DBus.Introspectable): the two media player interfaces.
#include <QString>

namespace vexo::desktop {

QString MprisInterfacesXml();

}  // namespace vexo::desktop
