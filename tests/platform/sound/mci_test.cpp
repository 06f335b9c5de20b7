// The MCI command interpreter against songs served on loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "platform/sound/mci.h"
#include "tests/platform/sound/test_media.h"

namespace vexo {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;
using test::WaitUntil;

constexpr int kToneMs = 2500;
constexpr int kReplySize = 255;

long MsSince(steady_clock::time_point start) {
  return static_cast<long>(
      std::chrono::duration_cast<milliseconds>(steady_clock::now() - start).count());
}

class MciTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::EnsureCoreApplication();
    PreloadMediaLibrary();
    server_ = new test::TestMediaServer;
    server_->Serve("/tone.wav", test::MakeToneWav(kToneMs), "audio/wav");
    server_->Serve("/tone.mp3", test::MakeToneMp3(kToneMs), "audio/mpeg");
    server_->Serve("/notes.txt", ByteSet(4096, 'x'), "text/plain");
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void TearDown() override {
    for (const char* alias : {"song", "other"})
      Send(std::string("close ") + alias);
  }

  static int Open(const Text& url, const Text& alias = "song", const Text& type = "MPEGvideo") {
    return MciSendCommandOpen(MciOpenParms{type, url, alias});
  }
  static int Send(const Text& command) { return MciSendString(command, nullptr, 0); }
  static Text Ask(const Text& command) {
    Text reply;
    EXPECT_EQ(MciSendString(command, &reply, kReplySize), kMciSuccess) << command;
    return reply;
  }
  static int Number(const Text& command) { return std::stoi(Ask(command)); }

  static test::TestMediaServer* server_;
};

test::TestMediaServer* MciTest::server_ = nullptr;

TEST_F(MciTest, OpenLoadsStoppedAndPlaysInRealTime) {
  ASSERT_EQ(Open(server_->Url("/tone.wav"), "song", "waveaudio"), kMciSuccess);
  EXPECT_EQ(Ask("status song mode"), "stopped");
  EXPECT_EQ(Send("set song time format milliseconds"), kMciSuccess);
  EXPECT_NEAR(Number("status song length"), kToneMs, 30);
  EXPECT_EQ(Number("status song position"), 0);

  const auto start = steady_clock::now();
  ASSERT_EQ(Send("play song"), kMciSuccess);
  EXPECT_EQ(Ask("status song mode"), "playing");
  ASSERT_TRUE(WaitUntil([] { return Number("status song position") >= 300; }, milliseconds(5000)));
  // Real time: the position never runs ahead of the clock, and once the
  // sound flows it advances as fast as the clock does (a sound server may
  // take a moment to start its output, so the start itself is not timed).
  const auto first_at = steady_clock::now();
  const int first = Number("status song position");
  EXPECT_LE(first, MsSince(start) + 50);
  ASSERT_TRUE(WaitUntil([&] { return MsSince(first_at) >= 600; }, milliseconds(2000)));
  const int second = Number("status song position");
  EXPECT_NEAR(second - first, MsSince(first_at), 120);
  EXPECT_EQ(Ask("status song mode"), "playing");
}

TEST_F(MciTest, PlayFromLandsOnTheAskedPosition) {
  ASSERT_EQ(Open(server_->Url("/tone.mp3")), kMciSuccess);
  EXPECT_NEAR(Number("status song length"), kToneMs, 60);
  ASSERT_EQ(Send("play song"), kMciSuccess);
  for (int target : {1500, 400, 2000}) {
    const auto start = steady_clock::now();
    // An earlier seek still on its way must not be taken for this one.
    ASSERT_EQ(Send("seek song to start"), kMciSuccess);
    ASSERT_EQ(Send("play song from " + std::to_string(target)), kMciSuccess);
    EXPECT_EQ(Ask("status song mode"), "playing");
    // The first position that is not the pending target itself comes from
    // the player after the seek has landed.
    int position = target;
    ASSERT_TRUE(WaitUntil(
        [&] {
          position = Number("status song position");
          return position != target;
        },
        milliseconds(5000)));
    EXPECT_GE(position, target - 50) << "seek to " << target;
    EXPECT_LE(position, target + MsSince(start) + 50) << "seek to " << target;
  }
}

TEST_F(MciTest, StopHoldsAndSeekToStartRewinds) {
  ASSERT_EQ(Open(server_->Url("/tone.wav"), "song", "waveaudio"), kMciSuccess);
  ASSERT_EQ(Send("play song"), kMciSuccess);
  ASSERT_TRUE(WaitUntil([] { return Number("status song position") >= 300; }, milliseconds(5000)));
  ASSERT_EQ(Send("stop song"), kMciSuccess);
  EXPECT_EQ(Ask("status song mode"), "stopped");
  const int held = Number("status song position");
  EXPECT_GE(held, 300);
  ASSERT_EQ(Send("seek song to start"), kMciSuccess);
  EXPECT_EQ(Number("status song position"), 0);
  EXPECT_EQ(Ask("status song mode"), "stopped");

  // Play after the rewind starts at the beginning.
  const auto start = steady_clock::now();
  ASSERT_EQ(Send("play song"), kMciSuccess);
  int position = 0;
  ASSERT_TRUE(WaitUntil(
      [&] {
        position = Number("status song position");
        return position > 0;
      },
      milliseconds(5000)));
  EXPECT_LE(position, MsSince(start) + 50);
}

TEST_F(MciTest, PauseAndResume) {
  ASSERT_EQ(Open(server_->Url("/tone.wav"), "song", "waveaudio"), kMciSuccess);
  ASSERT_EQ(Send("play song"), kMciSuccess);
  ASSERT_EQ(Send("pause song"), kMciSuccess);
  EXPECT_EQ(Ask("status song mode"), "paused");
  ASSERT_EQ(Send("resume song"), kMciSuccess);
  EXPECT_EQ(Ask("status song mode"), "playing");
}

// How far the audio output's clock may run ahead of the test's over a song.
constexpr int kClockDriftMs = 60;

TEST_F(MciTest, EndReadsStoppedOnlyAfterTheSoundPlayedOut) {
  ASSERT_EQ(Open(server_->Url("/tone.wav"), "song", "waveaudio"), kMciSuccess);
  const int length = Number("status song length");
  const auto start = steady_clock::now();
  ASSERT_EQ(Send("play song"), kMciSuccess);
  ASSERT_TRUE(WaitUntil([] { return Ask("status song mode") == "stopped"; }, milliseconds(10000)));
  // The whole tone has been played out in real time before the end shows. The
  // output's clock and this one drift by a few milliseconds over a song; a
  // song cut off with its buffered audio (a fifth of a second or more) is
  // still caught.
  EXPECT_GE(MsSince(start), length - kClockDriftMs);
  EXPECT_NEAR(Number("status song position"), length, 50);
  EXPECT_EQ(Ask("status song mode"), "stopped");

  // Play at the end starts the song again.
  ASSERT_EQ(Send("play song"), kMciSuccess);
  EXPECT_EQ(Ask("status song mode"), "playing");
  EXPECT_TRUE(WaitUntil([] { return Number("status song position") < 1000; }, milliseconds(3000)));
}

TEST_F(MciTest, PlaylistOpensItsEntry) {
  const Text entry = server_->Url("/tone.wav") + "\n";
  server_->Serve("/list.m3u", ByteSet(entry.begin(), entry.end()), "audio/x-mpegurl");
  ASSERT_EQ(Open(server_->Url("/list.m3u")), kMciSuccess);
  EXPECT_NEAR(Number("status song length"), kToneMs, 30);
  ASSERT_EQ(Send("play song"), kMciSuccess);
  EXPECT_TRUE(WaitUntil([] { return Number("status song position") > 100; }, milliseconds(5000)));
  EXPECT_EQ(Ask("status song mode"), "playing");
}

TEST_F(MciTest, DevicesAreIndependentAndAliasesIgnoreCase) {
  ASSERT_EQ(Open(server_->Url("/tone.wav"), "Song", "waveaudio"), kMciSuccess);
  ASSERT_EQ(Open(server_->Url("/tone.mp3"), "other"), kMciSuccess);
  EXPECT_EQ(Open(server_->Url("/tone.mp3"), "SONG"), kMciErrorDuplicateAlias);
  ASSERT_EQ(Send("play SONG"), kMciSuccess);
  EXPECT_EQ(Ask("status song mode"), "playing");
  EXPECT_EQ(Ask("status other mode"), "stopped");
  EXPECT_EQ(Send("close other"), kMciSuccess);
  EXPECT_EQ(Send("status other mode"), kMciErrorInvalidDeviceName);
  EXPECT_EQ(Ask("status song mode"), "playing");
}

// Every failing open answers with its code, quickly, and leaves no device.
TEST_F(MciTest, FailingOpensReturnTheirCodeQuickly) {
  struct Case {
    Text url;
    int code;
  };
  const Case cases[] = {
      {server_->Url("/missing.mp3"), kMciErrorFileNotFound},
      {test::ClosedPortUrl(), kMciErrorFileNotFound},
      {server_->Url("/notes.txt"), kMciErrorInvalidFile},
      {"/no/such/folder/song.mp3", kMciErrorFileNotFound},
      // Addresses that would make libmpv generate or read other things.
      {"av://lavfi:sine=frequency=440", kMciErrorInvalidFile},
      {"lavfi://sine", kMciErrorInvalidFile},
      {"edl:///etc/passwd,0,10", kMciErrorInvalidFile},
      {"ytdl://" + server_->Url("/tone.wav"), kMciErrorInvalidFile},
  };
  for (const Case& c : cases) {
    const auto start = steady_clock::now();
    EXPECT_EQ(Open(c.url), c.code) << c.url;
    EXPECT_LT(MsSince(start), 3000) << c.url;
    EXPECT_EQ(Send("status song mode"), kMciErrorInvalidDeviceName) << c.url;
  }
}

TEST_F(MciTest, ServerThatNeverAnswersFailsWithinTheTimeOut) {
  const auto start = steady_clock::now();
  EXPECT_NE(Open(server_->Url("/hang")), kMciSuccess);
  EXPECT_LT(MsSince(start), 14000);
  EXPECT_EQ(Send("close song"), kMciErrorInvalidDeviceName);
}

TEST_F(MciTest, BadOpenRecordsAreRefused) {
  const Text url = server_->Url("/tone.wav");
  EXPECT_EQ(Open(url, "song", "nosuchdevice"), kMciErrorInvalidDeviceName);
  EXPECT_EQ(Open(url, ""), kMciErrorMissingDeviceName);
  EXPECT_EQ(Open("", "song"), kMciErrorFilenameRequired);
  const MciOpenParms parms{"waveaudio", url, "song"};
  EXPECT_EQ(MciSendCommand(0, kMciOpen, kMciOpenType | kMciOpenElement, parms),
            kMciErrorFlagsNotCompatible);
  EXPECT_EQ(MciSendCommand(0, 0x0804, kMciOpenType | kMciOpenElement | kMciOpenAlias, parms),
            kMciErrorUnsupportedFunction);
  EXPECT_EQ(MciSendCommand(0, kMciOpen, kMciOpenType | kMciOpenElement | kMciOpenAlias, parms),
            kMciSuccess);
}

TEST_F(MciTest, CommandStringsAreCheckedWordByWord) {
  ASSERT_EQ(Open(server_->Url("/tone.wav"), "song", "waveaudio"), kMciSuccess);
  EXPECT_EQ(Send(""), kMciErrorMissingCommandString);
  EXPECT_EQ(Send("play"), kMciErrorMissingDeviceName);
  EXPECT_EQ(Send("play nosuch"), kMciErrorInvalidDeviceName);
  EXPECT_EQ(Send("dance song"), kMciErrorUnrecognizedCommand);
  EXPECT_EQ(Send("play song from"), kMciErrorMissingParameter);
  EXPECT_EQ(Send("play song from soon"), kMciErrorBadInteger);
  EXPECT_EQ(Send("play song from -5"), kMciErrorBadInteger);
  EXPECT_EQ(Send("play song from 999999"), kMciErrorOutOfRange);
  EXPECT_EQ(Send("play song backwards"), kMciErrorUnrecognizedKeyword);
  EXPECT_EQ(Send("status song"), kMciErrorMissingParameter);
  EXPECT_EQ(Send("status song colour"), kMciErrorUnrecognizedKeyword);
  EXPECT_EQ(Send("set song time format frames"), kMciErrorBadTimeFormat);
  EXPECT_EQ(Send("set song time format milliseconds"), kMciSuccess);
  EXPECT_EQ(Ask("status song time format"), "milliseconds");
  EXPECT_EQ(Send("open \"unclosed"), kMciErrorMissingCommandString);
  EXPECT_EQ(Send("STATUS song MODE"), kMciSuccess);

  // A reply must fit the caller's buffer, terminator included.
  Text reply;
  EXPECT_EQ(MciSendString("status song mode", &reply, 8), kMciSuccess);
  EXPECT_EQ(reply, "stopped");
  EXPECT_EQ(MciSendString("status song mode", &reply, 7), kMciErrorParamOverflow);
  // Nothing failed: the device still plays.
  EXPECT_EQ(Send("play song"), kMciSuccess);
  EXPECT_EQ(Ask("status song mode"), "playing");
}

}  // namespace
}  // namespace vexo
