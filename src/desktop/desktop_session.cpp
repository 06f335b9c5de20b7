#include "desktop/desktop_session.h"

#include <QDBusMessage>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

#include "desktop/mpris_names.h"
#include "desktop/mpris_object.h"

namespace vexo::desktop {
namespace {

constexpr QLatin1StringView kArtFolderName{"singer-pictures"};

}  // namespace

QString ArtFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
      .filePath(QString(kArtFolderName));
}

DesktopSession::DesktopSession() {
  QGuiApplication::setDesktopFileName(QString(kDesktopEntryId));
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  // The object stands before the name is claimed, so a player that starts at
  // the same moment and finds the name taken reaches it.
  object_ = std::make_unique<MprisObject>(bus, ArtFolder());
  if (!bus.registerVirtualObject(QString(kMprisObjectPath), object_.get())) {
    object_.reset();
    return;
  }
  switch (ClaimPlayerName(bus)) {
    case InstanceClaim::kOwned:
      outcome_ = Outcome::kFirst;
      return;
    case InstanceClaim::kOtherRaised:
      outcome_ = Outcome::kOtherRaised;
      break;
    case InstanceClaim::kOtherSilent:
      outcome_ = Outcome::kOtherSilent;
      break;
  }
  bus.unregisterObject(QString(kMprisObjectPath));
  object_.reset();
}

DesktopSession::~DesktopSession() {
  if (!object_) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.unregisterObject(QString(kMprisObjectPath));
  // Sent without waiting for the answer: ending never waits for the bus, and
  // the name is free at the latest when the program's connection closes.
  if (outcome_ == Outcome::kFirst) {
    QDBusMessage release = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ReleaseName"));
    release << QString(kMprisBusName);
    bus.send(release);
  }
}

void DesktopSession::Attach(DesktopView view) {
  if (object_ && outcome_ == Outcome::kFirst) object_->Attach(std::move(view));
}

}  // namespace vexo::desktop
