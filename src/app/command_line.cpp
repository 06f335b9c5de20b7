#include "app/command_line.h"

#include <QCommandLineParser>
#include <cstdio>

#include "service/service_constants.h"
#include "vexo_version.h"

namespace vexo {
namespace {

constexpr QLatin1StringView kProgramName{"vexo"};
// Width of the first column of the help's tables.
constexpr int kNameColumn = 16;

struct OptionText {
  QStringList names;
  QString description;
};

struct EnvironmentText {
  const char* name;
  QString description;
};

// The options the player takes, as the help lists them.
const OptionText kHelpOption{{QStringLiteral("h"), QStringLiteral("help")},
                             QStringLiteral("显示本帮助并退出")};
const OptionText kVersionOption{{QStringLiteral("v"), QStringLiteral("version")},
                                QStringLiteral("显示版本并退出")};

// The environment variables the player reads, as the help lists them.
const EnvironmentText kEnvironment[] = {
    {service::kServiceEnv,
     QStringLiteral("使用已在运行的曲库服务（如 http://127.0.0.1:8917），不启动内置服务")},
    {service::kLibraryEnv, QStringLiteral("内置曲库服务提供此文件夹中的音乐（默认：示例曲库）")},
};

QString OptionNames(const QStringList& names) {
  QStringList shown;
  for (const QString& name : names)
    shown << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
  return shown.join(QStringLiteral(", "));
}

QString TableRow(const QString& name, const QString& description) {
  return QStringLiteral("  ") + name.leftJustified(kNameColumn - 1) + QLatin1Char(' ') +
         description + QLatin1Char('\n');
}

QString HelpText() {
  QString text = QStringLiteral("用法：") + kProgramName + QStringLiteral(" [选项]\n\n") +
                 QStringLiteral(
                     "Vexo 播放器：从曲库服务列出歌曲并播放，逐行显示歌词和歌手图片。\n"
                     "未设置 %1 时，播放器在本机启动内置曲库服务。\n\n选项：\n")
                     .arg(QLatin1StringView(service::kServiceEnv));
  for (const OptionText* option : {&kHelpOption, &kVersionOption})
    text += TableRow(OptionNames(option->names), option->description);
  text += QStringLiteral("\n环境变量：\n");
  for (const EnvironmentText& variable : kEnvironment)
    text += TableRow(QLatin1StringView(variable.name), variable.description);
  return text + QStringLiteral("\n详见 man ") + kProgramName + QLatin1Char('\n');
}

// The argument the user typed for an option the parser did not know (the
// parser gives its name without the dashes).
QString TypedOption(const QStringList& arguments, const QString& name) {
  for (const QString& argument : arguments) {
    QString bare = argument.section(QLatin1Char('='), 0, 0);
    while (bare.startsWith(QLatin1Char('-')))
      bare.remove(0, 1);
    if (bare == name && argument.startsWith(QLatin1Char('-')))
      return argument.section(QLatin1Char('='), 0, 0);
  }
  return name;
}

CommandLineAnswer UsageError(const QString& problem) {
  return {kProgramName + QStringLiteral(": ") + problem + QStringLiteral("\n\n") + HelpText(), true,
          kUsageErrorStatus};
}

}  // namespace

std::optional<CommandLineAnswer> ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // "-version" is the option "version", never the letters v, e, r ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(kHelpOption.names);
  const QCommandLineOption version(kVersionOption.names);
  parser.addOption(help);
  parser.addOption(version);
  // The parser expects the program's name first.
  if (!parser.parse(QStringList{kProgramName} + arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
      return UsageError(QStringLiteral("未知选项 ") + TypedOption(arguments, unknown.front()));
    // The player's options take no value: the one failure left is a value
    // given to one ("--help=yes").
    for (const QString& argument : arguments)
      if (argument.startsWith(QLatin1Char('-')) && argument.contains(QLatin1Char('=')))
        return UsageError(QStringLiteral("选项 ") + argument.section(QLatin1Char('='), 0, 0) +
                          QStringLiteral(" 不带值"));
    return UsageError(parser.errorText());
  }
  if (!parser.positionalArguments().isEmpty())
    return UsageError(QStringLiteral("多余的参数 ") + parser.positionalArguments().front());
  if (parser.isSet(help)) return CommandLineAnswer{HelpText()};
  if (parser.isSet(version))
    return CommandLineAnswer{kProgramName + QLatin1Char(' ') + QLatin1StringView(kVersion) +
                             QLatin1Char('\n')};
  return std::nullopt;
}

std::optional<int> AnswerCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  const std::optional<CommandLineAnswer> answer = ReadCommandLine(arguments);
  if (!answer) return std::nullopt;
  std::FILE* stream = answer->toStandardError ? stderr : stdout;
  std::fputs(answer->text.toUtf8().constData(), stream);
  std::fflush(stream);
  return answer->status;
}

}  // namespace vexo
