#include "desktop/mpris_object.h"

#include <QApplication>
#include <QDBusObjectPath>
#include <QTimer>
#include <array>
#include <limits>

#include "desktop/bus_signals.h"
#include "desktop/change_watch.h"
#include "desktop/metadata.h"
#include "desktop/mpris_actions.h"
#include "desktop/mpris_introspection.h"
#include "desktop/mpris_names.h"
#include "desktop/mpris_properties.h"

namespace vexo::desktop {
namespace {

// How long Quit waits for its own reply to leave before the program ends.
constexpr int kQuitFlushTimeoutMs = 1000;

// a + b, held within the range of the type.
std::int64_t SaturatingAdd(std::int64_t a, std::int64_t b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum))
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
  return sum;
}

}  // namespace

struct MprisObject::Method {
  QLatin1StringView interface;
  QLatin1StringView name;
  QLatin1StringView signature;
  void (MprisObject::*run)(const QDBusMessage&);
};

const MprisObject::Method* MprisObject::FindMethod(const QString& interface,
                                                   const QString& member) {
  static const std::array<Method, 11> kMethods = {{
      {kRootInterface, QLatin1StringView("Raise"), QLatin1StringView(""), &MprisObject::Raise},
      {kRootInterface, QLatin1StringView("Quit"), QLatin1StringView(""), &MprisObject::Quit},
      {kPlayerInterface, QLatin1StringView("Next"), QLatin1StringView(""), &MprisObject::Next},
      {kPlayerInterface, QLatin1StringView("Previous"), QLatin1StringView(""),
       &MprisObject::Previous},
      {kPlayerInterface, QLatin1StringView("Pause"), QLatin1StringView(""), &MprisObject::Pause},
      {kPlayerInterface, QLatin1StringView("PlayPause"), QLatin1StringView(""),
       &MprisObject::PlayPause},
      {kPlayerInterface, QLatin1StringView("Stop"), QLatin1StringView(""), &MprisObject::Stop},
      {kPlayerInterface, QLatin1StringView("Play"), QLatin1StringView(""), &MprisObject::Play},
      {kPlayerInterface, QLatin1StringView("Seek"), QLatin1StringView("x"), &MprisObject::Seek},
      {kPlayerInterface, QLatin1StringView("SetPosition"), QLatin1StringView("ox"),
       &MprisObject::SetPosition},
      {kPlayerInterface, QLatin1StringView("OpenUri"), QLatin1StringView("s"),
       &MprisObject::OpenUri},
  }};
  for (const Method& m : kMethods) {
    // A call that names no interface finds the method in either.
    if (m.name == member && (interface.isEmpty() || m.interface == interface)) return &m;
  }
  return nullptr;
}

bool MprisObject::MessageBoxOpen() {
  return QApplication::activeModalWidget() != nullptr;
}

MprisObject::MprisObject(QDBusConnection bus, QString artFolder)
    : bus_(std::move(bus)), artFolder_(std::move(artFolder)) {}

MprisObject::~MprisObject() = default;

void MprisObject::Attach(DesktopView view) {
  watch_.reset();
  view_ = std::make_unique<DesktopView>(std::move(view));
  watch_ = std::make_unique<ChangeWatch>(*view_, bus_, artFolder_);
}

QString MprisObject::introspect(const QString&) const {
  return MprisInterfacesXml();
}

void MprisObject::Reply(const QDBusMessage& call, const QVariantList& arguments) const {
  bus_.send(call.createReply(arguments));
}

void MprisObject::Fail(const QDBusMessage& call, QLatin1StringView error,
                       const QString& text) const {
  bus_.send(call.createErrorReply(QString(error), text));
}

bool MprisObject::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
  const QString interface = message.interface();
  const QString member = message.member();
  // Qt describes the object: its own interfaces with introspect()'s.
  if (member == QLatin1StringView("Introspect") &&
      (interface.isEmpty() || interface == kIntrospectableInterface))
    return false;
  if (interface == kPropertiesInterface || (interface.isEmpty() && IsPropertiesMember(member))) {
    HandleProperties(message);
    return true;
  }
  const Method* method = FindMethod(interface, member);
  if (!method) {
    const bool known = interface.isEmpty() || interface == kRootInterface ||
                       interface == kPlayerInterface || interface == kIntrospectableInterface;
    if (known) {
      Fail(message, kErrorUnknownMethod,
           QStringLiteral("No method %1 in %2").arg(member, interface));
    } else {
      Fail(message, kErrorUnknownInterface, QStringLiteral("No interface %1 here").arg(interface));
    }
    return true;
  }
  if (message.signature() != method->signature) {
    Fail(message, kErrorInvalidArgs,
         QStringLiteral("%1 takes the arguments \"%2\", not \"%3\"")
             .arg(member, QString(method->signature), message.signature()));
    return true;
  }
  (this->*method->run)(message);
  return true;
}

void MprisObject::Carry(const QDBusMessage& call, std::function<void(DesktopView&)> action,
                        bool evenWhileBoxOpen) {
  if (!view_) {
    Fail(call, kErrorStarting, QStringLiteral("Vexo is starting"));
    return;
  }
  if (!evenWhileBoxOpen && MessageBoxOpen()) {
    Fail(call, kErrorBusy, QStringLiteral("Vexo waits for an answer in a message box"));
    return;
  }
  Reply(call);
  QTimer::singleShot(0, this, [this, action = std::move(action), evenWhileBoxOpen] {
    // A box may have come up since the answer; the window takes no input then.
    if (!evenWhileBoxOpen && MessageBoxOpen()) return;
    action(*view_);
    watch_->Check();
  });
}

// The methods. Pause has no effect: the player cannot pause (CanPause is
// false); its stop rewinds.

void MprisObject::Raise(const QDBusMessage& call) {
  if (!view_) {
    Reply(call);  // the window shows as soon as start-up ends
    return;
  }
  Carry(
      call, [](DesktopView& v) { RaiseWindow(v.主窗口); }, true);
}

void MprisObject::Quit(const QDBusMessage& call) {
  Carry(
      call,
      [this](DesktopView& v) {
        FlushBus(bus_, kQuitFlushTimeoutMs);
        if (v.quit) v.quit();
      },
      true);
}

void MprisObject::Next(const QDBusMessage& call) {
  Carry(call, desktop::Next);
}

void MprisObject::Previous(const QDBusMessage& call) {
  Carry(call, desktop::Previous);
}

void MprisObject::Pause(const QDBusMessage& call) {
  Carry(call, [](DesktopView&) {});
}

void MprisObject::PlayPause(const QDBusMessage& call) {
  Carry(call, desktop::PlayPause);
}

void MprisObject::Stop(const QDBusMessage& call) {
  Carry(call, desktop::Stop);
}

void MprisObject::Play(const QDBusMessage& call) {
  Carry(call, desktop::Play);
}

void MprisObject::Seek(const QDBusMessage& call) {
  const std::int64_t offset = call.arguments().at(0).toLongLong();
  Carry(call, [this, offset](DesktopView& v) {
    const std::int64_t target = std::max<std::int64_t>(0, SaturatingAdd(PositionUs(v), offset));
    const std::int64_t sought = SeekTo(v, target);
    if (sought >= 0) watch_->AnnounceSeek(sought);
  });
}

void MprisObject::SetPosition(const QDBusMessage& call) {
  const QString track = qvariant_cast<QDBusObjectPath>(call.arguments().at(0)).path();
  const std::int64_t position = call.arguments().at(1).toLongLong();
  Carry(call, [this, track, position](DesktopView& v) {
    // A request for another song, or outside this one, is stale: ignored.
    const PlayerSnapshot now = ReadPlayer(v);
    if (track != TrackIdOf(now.song).path() || position < 0) return;
    if (now.song.lengthUs > 0 && position > now.song.lengthUs) return;
    const std::int64_t sought = SeekTo(v, position);
    if (sought >= 0) watch_->AnnounceSeek(sought);
  });
}

void MprisObject::OpenUri(const QDBusMessage& call) {
  Fail(call, kErrorNotSupported, QStringLiteral("Vexo plays the songs of its song list only"));
}

}  // namespace vexo::desktop
