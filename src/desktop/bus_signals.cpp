#include "desktop/bus_signals.h"

#include <QDBusMessage>
#include <QStringList>

#include "desktop/mpris_names.h"

namespace vexo::desktop {

void SendPropertiesChanged(const QDBusConnection& bus, const QString& interface,
                           const QVariantMap& changed) {
  if (changed.isEmpty()) return;
  QDBusMessage signal =
      QDBusMessage::createSignal(QString(kMprisObjectPath), QString(kPropertiesInterface),
                                 QStringLiteral("PropertiesChanged"));
  signal << interface << changed << QStringList();
  bus.send(signal);
}

void SendSeeked(const QDBusConnection& bus, std::int64_t positionUs) {
  QDBusMessage signal = QDBusMessage::createSignal(
      QString(kMprisObjectPath), QString(kPlayerInterface), QStringLiteral("Seeked"));
  signal << qlonglong{positionUs};
  bus.send(signal);
}

void FlushBus(const QDBusConnection& bus, int timeoutMs) {
  QDBusMessage ping = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
      QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
  bus.call(ping, QDBus::Block, timeoutMs);
}

}  // namespace vexo::desktop
