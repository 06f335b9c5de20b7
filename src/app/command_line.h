#pragma once
// The player's command line, read before the application connects to the
// display: --help and --version answer on a machine without one, and a
// mistyped option is reported instead of starting a player.
#include <QString>
#include <QStringList>
#include <optional>

namespace vexo {

// Exit status of a command line the player does not understand.
inline constexpr int kUsageErrorStatus = 2;

// What the command line asks for: to run the player, or to answer at once
// with `text` on standard output (status 0) or standard error (a usage error).
struct CommandLineAnswer {
  QString text;
  bool toStandardError = false;
  int status = 0;
};

// Reads the arguments after the program name; nothing when the player is to
// run.
std::optional<CommandLineAnswer> ReadCommandLine(const QStringList& arguments);

// Reads the process's command line and, when it asks for an answer, prints it
// and gives the exit status.
std::optional<int> AnswerCommandLine(int argc, char** argv);

}  // namespace vexo
