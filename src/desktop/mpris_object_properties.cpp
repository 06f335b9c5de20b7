#include "desktop/mpris_object.h"

#include <QDBusVariant>

#include "desktop/change_watch.h"
#include "desktop/mpris_actions.h"
#include "desktop/mpris_names.h"
#include "desktop/mpris_properties.h"
#include "desktop/player_snapshot.h"

// The player's properties over org.freedesktop.DBus.Properties: Get, GetAll
// and Set, each answered with the values or a bus error that names the fault.
namespace vexo::desktop {
namespace {

constexpr QLatin1StringView kGet{"Get"};
constexpr QLatin1StringView kGetAll{"GetAll"};
constexpr QLatin1StringView kSet{"Set"};

}  // namespace

bool MprisObject::IsPropertiesMember(const QString& member) {
  return member == kGet || member == kGetAll || member == kSet;
}

void MprisObject::HandleProperties(const QDBusMessage& call) {
  const QString member = call.member();
  const QString signature = call.signature();
  if (member == kGet && signature == QLatin1StringView("ss")) {
    GetProperty(call);
  } else if (member == kGetAll && signature == QLatin1StringView("s")) {
    GetAllProperties(call);
  } else if (member == kSet && signature == QLatin1StringView("ssv")) {
    SetProperty(call);
  } else if (IsPropertiesMember(member)) {
    Fail(call, kErrorInvalidArgs,
         QStringLiteral("Wrong arguments \"%1\" for %2").arg(signature, member));
  } else {
    Fail(call, kErrorUnknownMethod,
         QStringLiteral("No method %1 in %2").arg(member, QString(kPropertiesInterface)));
  }
}

bool MprisObject::PropertiesOf(const QString& interface, QVariantMap& out) {
  if (interface == kRootInterface) {
    out = RootProperties();
    return true;
  }
  if (interface != kPlayerInterface) return false;
  watch_->Check();
  out = PlayerProperties(watch_->Current(), watch_->ArtUrl(), PositionUs(*view_));
  return true;
}

bool MprisObject::PropertiesFor(const QDBusMessage& call, const QString& interface,
                                QVariantMap& out) {
  if (interface == kPlayerInterface && !view_) {
    Fail(call, kErrorStarting, QStringLiteral("Vexo is starting"));
    return false;
  }
  if (!PropertiesOf(interface, out)) {
    Fail(call, kErrorUnknownInterface, QStringLiteral("No interface %1 here").arg(interface));
    return false;
  }
  return true;
}

void MprisObject::GetProperty(const QDBusMessage& call) {
  const QString interface = call.arguments().at(0).toString();
  const QString name = call.arguments().at(1).toString();
  QVariantMap properties;
  if (!PropertiesFor(call, interface, properties)) return;
  auto found = properties.constFind(name);
  if (found == properties.constEnd()) {
    Fail(call, kErrorUnknownProperty, QStringLiteral("No property %1 in %2").arg(name, interface));
    return;
  }
  Reply(call, {QVariant::fromValue(QDBusVariant(found.value()))});
}

void MprisObject::GetAllProperties(const QDBusMessage& call) {
  const QString interface = call.arguments().at(0).toString();
  QVariantMap properties;
  if (!PropertiesFor(call, interface, properties)) return;
  Reply(call, {properties});
}

void MprisObject::SetProperty(const QDBusMessage& call) {
  const QString interface = call.arguments().at(0).toString();
  const QString name = call.arguments().at(1).toString();
  const QVariant value = qvariant_cast<QDBusVariant>(call.arguments().at(2)).variant();
  if (interface == kRootInterface) {
    if (RootProperties().contains(name)) {
      Fail(call, kErrorReadOnly, QStringLiteral("%1 is read-only").arg(name));
    } else {
      Fail(call, kErrorUnknownProperty,
           QStringLiteral("No property %1 in %2").arg(name, interface));
    }
    return;
  }
  if (interface != kPlayerInterface) {
    Fail(call, kErrorUnknownInterface, QStringLiteral("No interface %1 here").arg(interface));
    return;
  }
  if (!view_) {
    Fail(call, kErrorStarting, QStringLiteral("Vexo is starting"));
    return;
  }
  if (!IsWritablePlayerProperty(name)) {
    QVariantMap properties;
    PropertiesOf(interface, properties);
    if (properties.contains(name)) {
      Fail(call, kErrorReadOnly, QStringLiteral("%1 is read-only").arg(name));
    } else {
      Fail(call, kErrorUnknownProperty,
           QStringLiteral("No property %1 in %2").arg(name, interface));
    }
    return;
  }
  if (MessageBoxOpen()) {
    Fail(call, kErrorBusy, QStringLiteral("Vexo waits for an answer in a message box"));
    return;
  }
  SetPlayerProperty(call, name, value);
}

void MprisObject::SetPlayerProperty(const QDBusMessage& call, const QString& name,
                                    const QVariant& value) {
  const int type = value.metaType().id();
  auto wrongType = [&](const char* wanted) {
    Fail(call, kErrorInvalidArgs,
         QStringLiteral("%1 takes %2").arg(name, QLatin1StringView(wanted)));
  };
  if (name == kLoopStatus) {
    if (type != QMetaType::QString) return wrongType("a string");
    const QString loop = value.toString();
    if (loop == kLoopPlaylist) {
      return Fail(call, kErrorNotSupported,
                  QStringLiteral("Vexo plays its list through once; it repeats single songs only"));
    }
    if (loop != kLoopTrack && loop != kLoopNone)
      return Fail(call, kErrorInvalidArgs, QStringLiteral("LoopStatus is None, Track or Playlist"));
    SetLoopTrack(*view_, loop == kLoopTrack);
  } else if (name == kShuffle) {
    if (type != QMetaType::Bool) return wrongType("a boolean");
    SetShuffle(*view_, value.toBool());
  } else if (name == kRate || name == kVolume) {
    if (type != QMetaType::Double) return wrongType("a double");
    const double fixed = name == kRate ? kPlayRate : kFullVolume;
    // A rate of 0 asks for a pause, which has no effect here.
    const bool noChange = value.toDouble() == fixed || (name == kRate && value.toDouble() == 0.0);
    if (!noChange) {
      return Fail(call, kErrorNotSupported,
                  name == kRate ? QStringLiteral("Vexo plays at one rate only")
                                : QStringLiteral("Vexo keeps no volume of its own; its volume "
                                                 "keys step the system volume"));
    }
  }
  Reply(call);
  watch_->Check();
}

}  // namespace vexo::desktop
