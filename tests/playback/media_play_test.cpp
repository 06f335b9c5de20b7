// The media player object: the command strings it sends and how it reads the
// replies, against a recording engine and against the real one.
#include "playback/media_play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>

#include "playback/media_name.h"
#include "tests/platform/sound/test_media.h"
#include "tests/playback/recording_engine.h"

namespace vexo {
namespace {

using test::RecordingEngine;

TEST(MediaNameTest, ExtensionIsThreeCharactersAfterTheLastDot) {
  EXPECT_EQ(MediaExtension("http://h/song.mp3"), "mp3");
  EXPECT_EQ(MediaExtension("C:\\Music\\Song.WMA"), "wma");
  EXPECT_EQ(MediaExtension("http://h/get.mp3?id=5"), "mp3");
  EXPECT_EQ(MediaExtension("clip.mpeg"), "mpe");
  EXPECT_EQ(MediaExtension("a.b.Ra"), "ra");
  EXPECT_EQ(MediaExtension("ends with dot."), "");
  EXPECT_EQ(MediaExtension("NoDotHere"), "nod");
  EXPECT_EQ(MediaExtension("ab"), "ab");
  EXPECT_EQ(MediaExtension(""), "");
}

TEST(MediaNameTest, DeviceTypeTable) {
  EXPECT_EQ(DeviceTypeFor("avi"), "avivideo");
  EXPECT_EQ(DeviceTypeFor("wav"), "waveaudio");
  EXPECT_EQ(DeviceTypeFor("cda"), "cdaudio");
  for (const char* ext : {"rm", "ra", "mp3", "ram"})
    EXPECT_EQ(DeviceTypeFor(ext), "MPEGvideo");
  for (const char* ext : {"mid", "rmi", "idi"})
    EXPECT_EQ(DeviceTypeFor(ext), "Sequencer");
  for (const char* ext :
       {"asf", "wma", "asx", "ivf", "lsf", "lsx", "p2v", "wax", "wvx", "wmx", "wmp"}) {
    EXPECT_EQ(DeviceTypeFor(ext), "MPEGvideo2") << ext;
  }
  for (const char* ext : {"mpe", "ogg", "", "nod", "MP3"}) {
    EXPECT_EQ(DeviceTypeFor(ext), "MPEGvideo") << ext;
  }
}

TEST(MediaNameTest, RepliesReadAsLeadingDecimalNumbers) {
  EXPECT_EQ(ParseReplyInteger("245000"), 245000);
  EXPECT_EQ(ParseReplyInteger("  \t65000"), 65000);
  EXPECT_EQ(ParseReplyInteger("-1"), -1);
  EXPECT_EQ(ParseReplyInteger("+12"), 12);
  EXPECT_EQ(ParseReplyInteger("123abc"), 123);
  EXPECT_EQ(ParseReplyInteger("12 34"), 12);
  EXPECT_EQ(ParseReplyInteger(""), 0);
  EXPECT_EQ(ParseReplyInteger("playing"), 0);
  EXPECT_EQ(ParseReplyInteger("- 5"), 0);
  EXPECT_EQ(ParseReplyInteger("99999999999999999999"), 2147483647);
  EXPECT_EQ(ParseReplyInteger("-99999999999999999999"), -2147483647 - 1);
}

TEST(MediaNameTest, AliasIs32LowerHexDigitsAndNew) {
  auto lower_hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
  std::set<Text> seen;
  for (int i = 0; i < 20; ++i) {
    const Text alias = MakeDeviceAlias();
    EXPECT_EQ(alias.size(), 32u) << alias;
    EXPECT_TRUE(std::all_of(alias.begin(), alias.end(), lower_hex)) << alias;
    seen.insert(alias);
  }
  EXPECT_EQ(seen.size(), 20u);
}

class MediaPlayCommandsTest : public ::testing::Test {
 protected:
  MediaPlayCommandsTest() : player_(engine_) { engine_.alias = player_.alias(); }
  Text With(const char* verb, const char* rest = "") const {
    return Text(verb) + " " + player_.alias() + rest;
  }
  RecordingEngine engine_;
  MediaPlay player_;
};

TEST_F(MediaPlayCommandsTest, OpenClosesFirstThenSendsTheOpenMessage) {
  EXPECT_EQ(player_.alias().size(), 32u);
  EXPECT_TRUE(player_.OpenMedia("http://h/a/Song.WMA"));
  ASSERT_EQ(engine_.sent.size(), 2u);
  EXPECT_EQ(engine_.sent[0], With("close"));
  ASSERT_EQ(engine_.opens.size(), 1u);
  const RecordingEngine::Open& open = engine_.opens[0];
  EXPECT_EQ(open.device_id, 0u);
  EXPECT_EQ(open.message, 0x0803u);
  EXPECT_EQ(open.flags, 0x2600u);
  EXPECT_EQ(open.parms.device_type, "MPEGvideo2");
  EXPECT_EQ(open.parms.element, "http://h/a/Song.WMA");
  EXPECT_EQ(open.parms.alias, player_.alias());
  EXPECT_EQ(player_.medium_name(), "http://h/a/Song.WMA");
  EXPECT_EQ(player_.extension(), "wma");

  // Each open uses the same alias; a failing open reports false.
  engine_.open_result = kMciErrorFileNotFound;
  EXPECT_FALSE(player_.OpenMedia("http://h/b.mp3?id=5"));
  EXPECT_EQ(engine_.opens.back().parms.device_type, "MPEGvideo");
  EXPECT_EQ(engine_.opens.back().parms.alias, player_.alias());
  EXPECT_EQ(player_.extension(), "mp3");
}

TEST_F(MediaPlayCommandsTest, PlayAndStopStrings) {
  EXPECT_TRUE(player_.PlayMedia(kPlayFromCurrent));
  EXPECT_TRUE(player_.PlayMedia(0));
  EXPECT_TRUE(player_.PlayMedia(65000));
  EXPECT_TRUE(player_.StopMedia());
  const std::vector<Text> expected = {With("play"), With("play", " from 0"),
                                      With("play", " from 65000"), With("stop"),
                                      With("seek", " to start")};
  EXPECT_EQ(engine_.sent, expected);

  // A failing stop sends no seek.
  engine_.sent.clear();
  engine_.answers["stop @"] = {kMciErrorInvalidDeviceName, ""};
  engine_.answers["play @"] = {kMciErrorInvalidDeviceName, ""};
  EXPECT_FALSE(player_.StopMedia());
  EXPECT_FALSE(player_.PlayMedia(kPlayFromCurrent));
  EXPECT_EQ(engine_.sent, (std::vector<Text>{With("stop"), With("play")}));
}

TEST_F(MediaPlayCommandsTest, PlayStateComparesTheWordsExactly) {
  struct Case {
    RecordingEngine::Answer answer;
    PlayState state;
  };
  const Case cases[] = {
      {{kMciSuccess, "playing"}, kPlayStatePlaying},
      {{kMciSuccess, "stopped"}, kPlayStateStopped},
      {{kMciSuccess, "paused"}, kPlayStatePaused},
      {{kMciSuccess, "Playing"}, kPlayStateOther},
      {{kMciSuccess, "stopped "}, kPlayStateOther},
      {{kMciSuccess, "seeking"}, kPlayStateOther},
      {{kMciErrorInvalidDeviceName, "playing"}, kPlayStateOther},
  };
  for (const Case& c : cases) {
    engine_.answers["status @ mode"] = c.answer;
    EXPECT_EQ(player_.GetPlayState(), c.state) << c.answer.reply;
  }
  EXPECT_EQ(engine_.sent.back(), With("status", " mode"));
  EXPECT_EQ(engine_.reply_sizes.back(), 255);
}

TEST_F(MediaPlayCommandsTest, LengthSetsMillisecondsFirstAndReadsFailuresAsZero) {
  engine_.answers["status @ length"] = {kMciSuccess, "245999"};
  EXPECT_EQ(player_.GetLengthMs(), 245999);
  ASSERT_EQ(engine_.sent.size(), 2u);
  EXPECT_EQ(engine_.sent[0], With("set", " time format milliseconds"));
  EXPECT_EQ(engine_.sent[1], With("status", " length"));
  EXPECT_EQ(engine_.reply_sizes[1], 50);
  EXPECT_EQ(player_.GetLengthSeconds(), 245);

  // The time-format result is ignored; a failing length query reads 0.
  engine_.answers["set @ time format milliseconds"] = {kMciErrorBadTimeFormat, ""};
  EXPECT_EQ(player_.GetLengthMs(), 245999);
  engine_.answers["status @ length"] = {kMciErrorInvalidDeviceName, "777"};
  EXPECT_EQ(player_.GetLengthMs(), 0);
  EXPECT_EQ(player_.GetLengthSeconds(), 0);
}

TEST_F(MediaPlayCommandsTest, PositionReadsFailureAsMinusOne) {
  engine_.answers["status @ position"] = {kMciSuccess, "65432"};
  EXPECT_EQ(player_.GetPositionMs(), 65432);
  EXPECT_EQ(engine_.sent.back(), With("status", " position"));
  EXPECT_EQ(engine_.reply_sizes.back(), 255);
  engine_.answers["status @ position"] = {kMciErrorInvalidDeviceName, ""};
  EXPECT_EQ(player_.GetPositionMs(), kPositionUnknown);
}

TEST(MediaPlayLifetimeTest, DestroyingThePlayerClosesItsMedium) {
  RecordingEngine engine;
  Text alias;
  {
    MediaPlay player(engine);
    alias = player.alias();
    EXPECT_TRUE(player.CloseMedia());
  }
  ASSERT_EQ(engine.sent.size(), 2u);
  EXPECT_EQ(engine.sent[1], "close " + alias);
}

// Against the real engine, with songs served on loopback.
class MediaPlayEngineTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::EnsureCoreApplication();
    PreloadMediaLibrary();
    server_ = new test::TestMediaServer;
    server_->Serve("/tone.mp3", test::MakeToneMp3(2000), "audio/mpeg");
    server_->Serve("/tone.wav", test::MakeToneWav(2000), "audio/wav");
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  static bool WaitFor(const std::function<bool()>& condition, int limit_ms) {
    return test::WaitUntil(condition, std::chrono::milliseconds(limit_ms));
  }
  static test::TestMediaServer* server_;
};

test::TestMediaServer* MediaPlayEngineTest::server_ = nullptr;

TEST_F(MediaPlayEngineTest, BeforeAnyOpen) {
  MediaPlay player;
  EXPECT_EQ(player.GetPlayState(), kPlayStateOther);
  EXPECT_EQ(player.GetPositionMs(), -1);
  EXPECT_EQ(player.GetLengthMs(), 0);
  EXPECT_EQ(player.GetLengthSeconds(), 0);
  EXPECT_FALSE(player.StopMedia());
  EXPECT_FALSE(player.PlayMedia(kPlayFromCurrent));
  EXPECT_FALSE(player.CloseMedia());
}

TEST_F(MediaPlayEngineTest, PlaysStopsRewindsAndEnds) {
  MediaPlay player;
  ASSERT_TRUE(player.OpenMedia(server_->Url("/tone.mp3")));
  EXPECT_EQ(player.GetPlayState(), kPlayStateStopped);
  ASSERT_TRUE(player.PlayMedia(kPlayFromCurrent));
  EXPECT_EQ(player.GetPlayState(), kPlayStatePlaying);
  EXPECT_NEAR(player.GetLengthMs(), 2000, 60);
  EXPECT_EQ(player.GetLengthSeconds(), player.GetLengthMs() / 1000);
  ASSERT_TRUE(WaitFor([&] { return player.GetPositionMs() >= 300; }, 5000));

  // Stop rewinds: the medium reads stopped at 0, and play starts it again.
  ASSERT_TRUE(player.StopMedia());
  EXPECT_EQ(player.GetPlayState(), kPlayStateStopped);
  EXPECT_EQ(player.GetPositionMs(), 0);
  ASSERT_TRUE(player.PlayMedia(kPlayFromCurrent));
  EXPECT_EQ(player.GetPlayState(), kPlayStatePlaying);

  // A jump near the end, then the end reads stopped like a stop does.
  const auto jumped_at = std::chrono::steady_clock::now();
  ASSERT_TRUE(player.PlayMedia(1500));
  const int position = player.GetPositionMs();
  const auto since = std::chrono::steady_clock::now() - jumped_at;
  EXPECT_GE(position, 1500);
  EXPECT_LE(position, 1550 + std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
  ASSERT_TRUE(WaitFor([&] { return player.GetPlayState() == kPlayStateStopped; }, 5000));
  EXPECT_GE(player.GetPositionMs(), 1900);
}

TEST_F(MediaPlayEngineTest, OpeningAgainClosesTheFormerMedium) {
  MediaPlay player;
  ASSERT_TRUE(player.OpenMedia(server_->Url("/tone.mp3")));
  ASSERT_TRUE(player.PlayMedia(kPlayFromCurrent));
  ASSERT_TRUE(player.OpenMedia(server_->Url("/tone.wav")));
  EXPECT_EQ(player.GetPlayState(), kPlayStateStopped);
  EXPECT_EQ(player.extension(), "wav");

  // A failed open leaves nothing open: the old medium went with the attempt.
  EXPECT_FALSE(player.OpenMedia(server_->Url("/missing.mp3")));
  EXPECT_EQ(player.GetPlayState(), kPlayStateOther);
  EXPECT_EQ(player.GetPositionMs(), -1);
  EXPECT_EQ(player.GetLengthMs(), 0);
}

}  // namespace
}  // namespace vexo
