#pragma once
// The signals the player's object sends on the bus.
#include <QDBusConnection>
#include <QString>
#include <QVariantMap>
#include <cstdint>

namespace vexo::desktop {

// org.freedesktop.DBus.Properties.PropertiesChanged for `interface`, with the
// new values; nothing is sent for an empty map.
void SendPropertiesChanged(const QDBusConnection& bus, const QString& interface,
                           const QVariantMap& changed);

// org.mpris.MediaPlayer2.Player.Seeked with the new position.
void SendSeeked(const QDBusConnection& bus, std::int64_t positionUs);

// Returns once every message sent so far on `bus` has gone out: the bus
// answers messages in order, so its answer to a ping comes after them. Waits
// at most `timeoutMs`.
void FlushBus(const QDBusConnection& bus, int timeoutMs);

}  // namespace vexo::desktop
