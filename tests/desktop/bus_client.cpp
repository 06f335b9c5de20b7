#include "desktop/bus_client.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QRegularExpression>

#include "support/ui_wait.h"

namespace vexo::test {
namespace {

const QString kDestination = QStringLiteral("--dest=org.mpris.MediaPlayer2.vexo");
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");

}  // namespace

CommandResult RunWithEvents(const QString& program, const QStringList& args, int deadlineMs,
                            const std::optional<QProcessEnvironment>& environment) {
  QProcess process;
  if (environment) process.setProcessEnvironment(*environment);
  process.start(program, args);
  CommandResult result;
  if (!process.waitForStarted()) return result;
  result.finished = WaitUntil([&] { return process.state() == QProcess::NotRunning; }, deadlineMs);
  if (!result.finished) {
    process.kill();
    process.waitForFinished();
  }
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.out = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

CommandResult Playerctl(const QStringList& args) {
  return RunWithEvents(QStringLiteral("playerctl"),
                       QStringList{QStringLiteral("-p"), QStringLiteral("vexo")} + args);
}

bool PlayerctlNextUntilPlaying(int deadlineMs) {
  return WaitUntil(
      [] {
        if (Playerctl({QStringLiteral("status")}).out == QStringLiteral("Playing")) return true;
        Playerctl({QStringLiteral("next")});
        return false;
      },
      deadlineMs);
}

QString PlayerctlMetadata(const QString& key) {
  return Playerctl({QStringLiteral("metadata"), key}).out;
}

CommandResult CallPlayer(const QString& interfaceMember, const QStringList& args) {
  return RunWithEvents(QStringLiteral("dbus-send"),
                       QStringList{QStringLiteral("--session"), QStringLiteral("--print-reply"),
                                   kDestination, kObjectPath, interfaceMember} +
                           args);
}

CommandResult SetPlayerProperty(const QString& name, const QString& typedValue) {
  return CallPlayer(QStringLiteral("org.freedesktop.DBus.Properties.Set"),
                    {QStringLiteral("string:org.mpris.MediaPlayer2.Player"),
                     QStringLiteral("string:") + name, QStringLiteral("variant:") + typedValue});
}

bool SessionBusAnswers() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  return bus.isConnected() && bus.interface() &&
         bus.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.DBus"));
}

SignalMonitor::SignalMonitor() : monitor_(std::make_unique<QProcess>()) {
  monitor_->start(QStringLiteral("dbus-monitor"),
                  {QStringLiteral("--session"),
                   QStringLiteral("type='signal',path='/org/mpris/MediaPlayer2'")});
  monitor_->waitForStarted();
  // dbus-monitor prints the bus's answer to its match rule first: from then on
  // it sees every signal.
  WaitFor(QStringLiteral("NameAcquired"));
  Forget();
}

SignalMonitor::~SignalMonitor() {
  monitor_->kill();
  monitor_->waitForFinished();
}

const QString& SignalMonitor::Output() {
  output_ += QString::fromUtf8(monitor_->readAllStandardOutput());
  return output_;
}

void SignalMonitor::Forget() {
  Output();
  output_.clear();
}

bool SignalMonitor::WaitFor(const QString& text, int deadlineMs) {
  return WaitUntil([&] { return Output().contains(text); }, deadlineMs);
}

qint64 SignalMonitor::WaitForSeeked(int deadlineMs) {
  static const QRegularExpression kSeeked(QStringLiteral("member=Seeked\\s+int64 (-?\\d+)"));
  QRegularExpressionMatch match;
  WaitUntil([&] { return (match = kSeeked.match(Output())).hasMatch(); }, deadlineMs);
  return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

}  // namespace vexo::test
