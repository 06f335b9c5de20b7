#pragma once
// The bus clients the desktop tests drive the player with: the real playerctl,
// dbus-send for the calls playerctl does not make, and dbus-monitor to see the
// signals the player sends. Each runs as a program while this thread goes on
// processing events, so a player in this process answers meanwhile.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <ostream>

// Test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace vexo::test {

inline constexpr int kBusCallDeadlineMs = 30000;

struct CommandResult {
  bool finished = false;
  int exitCode = -1;
  QString out;  // trimmed
  QString err;
  bool Succeeded() const { return finished && exitCode == 0; }
};

// Runs `program` to its end or the deadline, in `environment` (else the
// test's own).
CommandResult RunWithEvents(const QString& program, const QStringList& args,
                            int deadlineMs = kBusCallDeadlineMs,
                            const std::optional<QProcessEnvironment>& environment = std::nullopt);

// playerctl -p vexo <args>.
CommandResult Playerctl(const QStringList& args);
// Asks the player over the bus for the next song until it plays (nothing
// happens before a chart's rows are in the song list); false when it does not
// by the deadline.
bool PlayerctlNextUntilPlaying(int deadlineMs);
// One metadata field of the player as playerctl prints it.
QString PlayerctlMetadata(const QString& key);

// A method call to the player's object: dbus-send --print-reply with
// "interface.member" and typed arguments ("int64:5", "string:Track" ...).
CommandResult CallPlayer(const QString& interfaceMember, const QStringList& args = {});
// Properties.Set on the player interface with a typed variant ("string:Track").
CommandResult SetPlayerProperty(const QString& name, const QString& typedValue);

// True when a session bus answers.
bool SessionBusAnswers();

// Prints the signals of the player's object as they come (dbus-monitor).
class SignalMonitor {
 public:
  SignalMonitor();
  ~SignalMonitor();
  // Waits until the output since the last Forget holds `text`.
  bool WaitFor(const QString& text, int deadlineMs = kBusCallDeadlineMs);
  // Waits until a Seeked signal has come and answers its position; -1 when none came.
  qint64 WaitForSeeked(int deadlineMs = kBusCallDeadlineMs);
  void Forget();
  const QString& Output();

 private:
  std::unique_ptr<QProcess> monitor_;
  QString output_;
};

}  // namespace vexo::test
