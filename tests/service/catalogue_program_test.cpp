// The vexo-catalogue program serving a music folder: started once on a free
// port, asked like the player asks, stopped with SIGTERM.
#include <gtest/gtest.h>
#include <id3v2tag.h>
#include <mpegfile.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include "player_view.h"
#include "raw_http.h"
#include "service/cli_options.h"
#include "test_library.h"

namespace vexo::service {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Reads from `fd` until `done` says the text is complete, the stream ends or
// the deadline passes.
template <typename Done>
std::string ReadUntil(int fd, Clock::time_point deadline, Done done) {
  std::string text;
  while (!done(text) && Clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (::poll(&p, 1, static_cast<int>(std::max<long>(left, 0))) <= 0) break;
    char buffer[4096];
    const auto n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

// vexo-catalogue started with `args`, its output and error streams read
// through pipes.
struct Program {
  pid_t pid = -1;
  int out = -1;
  int err = -1;

  explicit Program(const std::vector<std::string>& args) {
    int out_pipe[2];
    int err_pipe[2];
    if (::pipe(out_pipe) != 0 || ::pipe(err_pipe) != 0) return;
    std::vector<char*> argv{const_cast<char*>(VEXO_CATALOGUE_EXE)};
    for (const auto& arg : args)
      argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid = ::fork();
    if (pid == 0) {
      ::dup2(out_pipe[1], 1);
      ::dup2(err_pipe[1], 2);
      ::execv(VEXO_CATALOGUE_EXE, argv.data());
      ::_exit(127);
    }
    ::close(out_pipe[1]);
    ::close(err_pipe[1]);
    out = out_pipe[0];
    err = err_pipe[0];
  }
  ~Program() {
    if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
    ::close(out);
    ::close(err);
  }

  // Waits for the program to end on its own; its exit status, -1 when it
  // did not end by `deadline`.
  int ExitStatus(Clock::time_point deadline) {
    int status = 0;
    while (Clock::now() < deadline) {
      if (::waitpid(pid, &status, WNOHANG) == pid) {
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
      pollfd p{err, POLLIN, 0};
      ::poll(&p, 1, 50);  // wake for output or recheck the child
    }
    return -1;
  }
};

TEST(CatalogueProgram, ServesAMusicFolderAndLogsEachRequest) {
  const auto folder = testing::MakeTempFolder("vexo-program-library");
  testing::WriteShortMp3(folder / "周杰 - 晴天.mp3");
  std::ofstream(folder / "周杰 - 晴天.lrc") << "[00:01.00]晴天的歌\n";
  testing::WriteShortMp3(folder / "tagless.mp3");
  std::ofstream(folder / "broken.mp3") << std::string(2048, 'x');

  Program program({"--library", folder.string(), "--listen", "127.0.0.1:0", "--index",
                   (folder / "index.sqlite").string()});
  ASSERT_GT(program.pid, 0);
  const auto deadline = Clock::now() + std::chrono::seconds(20);
  const auto banner =
      ReadUntil(program.out, deadline, [](const std::string& t) { return t.find('\n') != t.npos; });
  const auto at = banner.find("http://127.0.0.1:");
  ASSERT_NE(at, std::string::npos) << banner;
  std::string host;
  int port = 0;
  ASSERT_TRUE(SplitListenAddress(banner.substr(at + 7, banner.find(' ', at) - at - 7), host, port));

  const auto search = testing::Get(port, "/s/song_with_out?q=%E6%99%B4%E5%A4%A9&callback=cb");
  const auto rows = testing::MatchSongRows(search.body);
  ASSERT_EQ(rows.size(), 1u) << search.body;
  EXPECT_EQ(rows[0].name, "晴天");
  EXPECT_EQ(rows[0].singer, "周杰");
  const auto lyrics =
      testing::Get(port, "/lrc/down?artist=&title=&song_id=" + rows[0].id + "&callback=cb");
  EXPECT_NE(lyrics.body.find("{\"lrc\":\"[00:01.00]晴天的歌\\n好音质,天天动听!"),
            std::string::npos);
  const auto chart = testing::MatchSongRows(
      testing::DecodeChartAnswer(testing::Get(port, "/ajax/h/ttpod?id=112").body));
  EXPECT_EQ(chart.size(), 2u);
  EXPECT_EQ(testing::Get(port, "/s/song_with_out?q=%zz").status, 400);

  ::kill(program.pid, SIGTERM);
  EXPECT_EQ(program.ExitStatus(deadline), 0) << "vexo-catalogue did not stop on SIGTERM";
  const auto log = ReadUntil(program.err, deadline, [](const std::string&) { return false; });
  EXPECT_NE(log.find("warning: skipped"), std::string::npos) << log;
  EXPECT_NE(log.find("broken.mp3"), std::string::npos) << log;
  EXPECT_NE(log.find("\"GET /s/song_with_out?q=%zz\" 400"), std::string::npos) << log;
  EXPECT_NE(log.find("library scanned: 3 read"), std::string::npos) << log;
  fs::remove_all(folder);
}

TEST(CatalogueProgram, ADamagedIndexIsReportedAtStartAndReindexRebuildsIt) {
  const auto folder = testing::MakeTempFolder("vexo-program-damaged");
  const auto index = folder / "index.sqlite";
  std::ofstream(index, std::ios::binary) << std::string(4096, '\x7f');
  const auto deadline = Clock::now() + std::chrono::seconds(20);
  {
    Program program({"--library", testing::SmallLibrary().string(), "--listen", "127.0.0.1:0",
                     "--index", index.string()});
    EXPECT_EQ(program.ExitStatus(deadline), 1);
    const auto log = ReadUntil(program.err, deadline, [](const std::string&) { return false; });
    EXPECT_NE(log.find(index.string()), std::string::npos) << log;
    EXPECT_NE(log.find("--reindex"), std::string::npos) << log;
  }
  Program program({"--library", testing::SmallLibrary().string(), "--listen", "127.0.0.1:0",
                   "--index", index.string(), "--reindex", "--quiet"});
  const auto banner =
      ReadUntil(program.out, deadline, [](const std::string& t) { return t.find('\n') != t.npos; });
  EXPECT_NE(banner.find("listening on http://127.0.0.1:"), std::string::npos) << banner;
  EXPECT_NE(banner.find("SQLite index file"), std::string::npos) << banner;
  fs::remove_all(folder);
}

TEST(CatalogueProgram, CommandLineIsChecked) {
  std::string error;
  const auto defaults = ParseCliOptions({}, error);
  ASSERT_TRUE(defaults);
  EXPECT_EQ(defaults->host, "127.0.0.1");
  EXPECT_EQ(defaults->port, 8917);
  EXPECT_TRUE(defaults->library.empty());
  const auto given =
      ParseCliOptions({"--library", "/music", "--listen", "[::1]:0", "--quiet"}, error);
  ASSERT_TRUE(given);
  EXPECT_EQ(given->host, "::1");
  EXPECT_EQ(given->port, 0);
  EXPECT_EQ(given->library, "/music");
  EXPECT_TRUE(given->quiet);
  const auto stores = ParseCliOptions({"--database", "postgresql:///c", "--reindex"}, error);
  ASSERT_TRUE(stores);
  EXPECT_EQ(stores->database_url, "postgresql:///c");
  EXPECT_TRUE(stores->reindex);
  for (const std::vector<std::string>& bad :
       std::vector<std::vector<std::string>>{{"--index", "a", "--database", "b"},
                                             {"--index"},
                                             {"--listen", "nohost"},
                                             {"--listen", "h:99999"},
                                             {"--library"},
                                             {"--bogus"},
                                             {"--listen", "::1:80"}}) {
    EXPECT_FALSE(ParseCliOptions(bad, error)) << bad[0];
  }
}

}  // namespace
}  // namespace vexo::service
