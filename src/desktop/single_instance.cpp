#include "desktop/single_instance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include "desktop/mpris_names.h"

namespace vexo::desktop {
namespace {

constexpr QLatin1StringView kNoOwnerErrors[] = {
    QLatin1StringView("org.freedesktop.DBus.Error.ServiceUnknown"),
    QLatin1StringView("org.freedesktop.DBus.Error.NameHasNoOwner"),
};

enum class RaiseResult { kRaised, kOwnerGone, kNoAnswer };

RaiseResult RaiseRunningPlayer(const QDBusConnection& bus) {
  QDBusMessage raise =
      QDBusMessage::createMethodCall(QString(kMprisBusName), QString(kMprisObjectPath),
                                     QString(kRootInterface), QStringLiteral("Raise"));
  const QDBusMessage answer = bus.call(raise, QDBus::Block, kRaiseTimeoutMs);
  if (answer.type() == QDBusMessage::ReplyMessage) return RaiseResult::kRaised;
  for (QLatin1StringView gone : kNoOwnerErrors)
    if (answer.errorName() == gone) return RaiseResult::kOwnerGone;
  return RaiseResult::kNoAnswer;
}

}  // namespace

InstanceClaim ClaimPlayerName(const QDBusConnection& bus) {
  QDBusConnectionInterface* daemon = bus.interface();
  if (!daemon) return InstanceClaim::kOtherSilent;
  for (int attempt = 0; attempt < kClaimAttempts; ++attempt) {
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> claim =
        daemon->registerService(QString(kMprisBusName), QDBusConnectionInterface::DontQueueService,
                                QDBusConnectionInterface::DontAllowReplacement);
    if (!claim.isValid()) return InstanceClaim::kOtherSilent;
    if (claim.value() == QDBusConnectionInterface::ServiceRegistered) return InstanceClaim::kOwned;
    switch (RaiseRunningPlayer(bus)) {
      case RaiseResult::kRaised:
        return InstanceClaim::kOtherRaised;
      case RaiseResult::kOwnerGone:
        continue;  // it ended between the claim and the call: claim again
      case RaiseResult::kNoAnswer:
        return InstanceClaim::kOtherSilent;
    }
  }
  return InstanceClaim::kOtherSilent;
}

}  // namespace vexo::desktop
