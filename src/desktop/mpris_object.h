#pragma once
// The player's object on the session bus, /org/mpris/MediaPlayer2 with the
// interfaces org.mpris.MediaPlayer2 and org.mpris.MediaPlayer2.Player. Every
// message is answered: a request the player serves gets its reply, anything
// else a bus error that says why. Requests that press the window's controls
// are answered first and carried out right after, on the user-interface
// thread, so a message box they bring up never holds the caller.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <functional>
#include <memory>

#include "desktop/desktop_view.h"

namespace vexo::desktop {

class ChangeWatch;

class MprisObject : public QDBusVirtualObject {
 public:
  // Until Attach, the object answers Raise (the window is about to show) and
  // the constant properties; other requests get kErrorStarting.
  MprisObject(QDBusConnection bus, QString artFolder);
  ~MprisObject() override;

  // From now on the player answers through these controls.
  void Attach(DesktopView view);

  QString introspect(const QString& path) const override;
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

 private:
  struct Method;
  static const Method* FindMethod(const QString& interface, const QString& member);
  static bool IsPropertiesMember(const QString& member);
  // While a message box waits for the user the window takes no input.
  static bool MessageBoxOpen();

  void Reply(const QDBusMessage& call, const QVariantList& arguments = {}) const;
  void Fail(const QDBusMessage& call, QLatin1StringView error, const QString& text) const;

  // Answers the call, then runs `action` on the window's controls. While a
  // message box waits for the user, the window takes no input and neither do
  // its media controls (kErrorBusy), unless `evenWhileBoxOpen`.
  void Carry(const QDBusMessage& call, std::function<void(DesktopView&)> action,
             bool evenWhileBoxOpen = false);

  // org.freedesktop.DBus.Properties (mpris_object_properties.cpp).
  void HandleProperties(const QDBusMessage& call);
  void GetProperty(const QDBusMessage& call);
  void GetAllProperties(const QDBusMessage& call);
  void SetProperty(const QDBusMessage& call);
  void SetPlayerProperty(const QDBusMessage& call, const QString& name, const QVariant& value);
  // The properties of `interface`, read now; false for an unknown interface.
  bool PropertiesOf(const QString& interface, QVariantMap& out);
  // The same for a Get or GetAll call; false, with the call answered by an
  // error, while the player is starting or for an interface not here.
  bool PropertiesFor(const QDBusMessage& call, const QString& interface, QVariantMap& out);

  // The methods of both interfaces.
  void Raise(const QDBusMessage& call);
  void Quit(const QDBusMessage& call);
  void Next(const QDBusMessage& call);
  void Previous(const QDBusMessage& call);
  void Pause(const QDBusMessage& call);
  void PlayPause(const QDBusMessage& call);
  void Stop(const QDBusMessage& call);
  void Play(const QDBusMessage& call);
  void Seek(const QDBusMessage& call);
  void SetPosition(const QDBusMessage& call);
  void OpenUri(const QDBusMessage& call);

  QDBusConnection bus_;
  QString artFolder_;
  std::unique_ptr<DesktopView> view_;
  std::unique_ptr<ChangeWatch> watch_;
};

}  // namespace vexo::desktop
