// The search box against canned search and suggestion answers on loopback.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <chrono>
#include <future>

#include "canned_service.h"
#include "catalogue/search_box.h"
#include "catalogue/suggestion_answer.h"
#include "catalogue_fixture.h"
#include "platform/system_text.h"
#include "song_answers.h"
#include "support/ui_wait.h"

namespace vexo::test {
namespace {

constexpr const char* kSuggestPath = "/suggest.do";
constexpr const char* kSearchPath = "/s/song_with_out";

std::string SuggestTarget(const std::string& encoded) {
  return std::string(kSuggestPath) + "?q=" + encoded + "&size=5&callback=" + kSuggestionCallback;
}

class SearchBoxTest : public CatalogueFixture {
 protected:
  SearchBoxTest() {
    UseService(service.HostPort());
    编辑框1.SetText(Sys("可惜没如果"));
    // Wired as the window wires them, after the initial text.
    编辑框1.onContentChanged = [this] { RequestSuggestions(view, state); };
    编辑框1.onKeyDown = [this](int key, int shift) { SearchBoxKeyDown(view, state, key, shift); };
    列表框1.onItemChosen = [this] { TakeSuggestion(view, state); };
  }
  QLineEdit* Edit() { return static_cast<QLineEdit*>(编辑框1.Widget()); }
  void Suggest(const std::vector<std::string>& texts) {
    service.Answer(kSuggestPath, SuggestionAnswer(texts), kScriptUtf8);
  }
  std::string Item(int index) { return SystemToUtf8(列表框1.ItemText(index)); }

  CannedService service;
};

TEST_F(SearchBoxTest, EveryChangeAsksOnceForItsEncodedText) {
  Suggest({});
  编辑框1.SetText({});
  ASSERT_TRUE(WaitForRequests());
  QTest::keyClicks(Edit(), QStringLiteral("a"));
  ASSERT_TRUE(WaitForRequests());
  Edit()->insert(QString::fromUtf8("可"));  // as an input method commits it
  ASSERT_TRUE(WaitForRequests());
  EXPECT_EQ(service.TargetsFor(kSuggestPath),
            (std::vector<std::string>{SuggestTarget(""), SuggestTarget("a"),
                                      SuggestTarget("a%E5%8F%AF")}));
  // The answer ends in the empty data array: no suggestion, no list.
  EXPECT_FALSE(列表框1.IsVisible());
  EXPECT_EQ(列表框1.ItemCount(), 0);
}

TEST_F(SearchBoxTest, TheListShowsTheFirstSuggestionAlsoWhenItIsTheOnlyOne) {
  for (const std::vector<std::string>& suggestions :
       {std::vector<std::string>{"a", "b"}, std::vector<std::string>{"a"}}) {
    Suggest(suggestions);
    列表框1.SetVisible(false);
    QTest::keyClicks(Edit(), QStringLiteral("x"));
    ASSERT_TRUE(WaitForRequests());
    EXPECT_TRUE(列表框1.IsVisible());
    ASSERT_EQ(列表框1.ItemCount(), 1);
    EXPECT_EQ(Item(0), "a");
  }
}

TEST_F(SearchBoxTest, NoSuggestionOrAFailedRequestHidesTheList) {
  const std::string working = service.HostPort();
  for (bool failed : {false, true}) {
    SCOPED_TRACE(failed ? "failed request" : "empty answer");
    Suggest({"shown"});
    UseService(working);
    QTest::keyClicks(Edit(), QStringLiteral("x"));
    ASSERT_TRUE(WaitForRequests());
    ASSERT_TRUE(列表框1.IsVisible());

    if (failed) {
      UseService(ClosedHostPort());
    } else {
      Suggest({""});  // one suggestion, and it is empty
    }
    QTest::keyClicks(Edit(), QStringLiteral("y"));
    ASSERT_TRUE(WaitForRequests());
    EXPECT_FALSE(列表框1.IsVisible());
    EXPECT_EQ(列表框1.ItemCount(), 0);
  }
}

TEST_F(SearchBoxTest, AnAnswerOvertakenByALaterKeystrokeIsDropped) {
  // The answer to "a" is held back until the answer to "ab" has been shown.
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  service.BeforeAnswering([released](const std::string& target) {
    if (target == SuggestTarget("a")) released.wait_for(std::chrono::seconds(20));
  });
  编辑框1.SetText({});
  ASSERT_TRUE(WaitForRequests());
  Suggest({"for a"});
  QTest::keyClicks(Edit(), QStringLiteral("a"));
  ASSERT_TRUE(WaitUntil([&] { return service.TargetsFor(kSuggestPath).size() == 2; }));
  Suggest({"for ab"});
  QTest::keyClicks(Edit(), QStringLiteral("b"));
  ASSERT_TRUE(WaitUntil([&] { return 列表框1.ItemCount() == 1; }));
  EXPECT_EQ(Item(0), "for ab");

  release.set_value();
  ASSERT_TRUE(WaitForRequests());
  ASSERT_EQ(列表框1.ItemCount(), 1);
  EXPECT_EQ(Item(0), "for ab");
}

TEST_F(SearchBoxTest, ChoosingTheSuggestionFillsTheBoxAndLeavesTheListHiddenAndEmpty) {
  Suggest({"茉莉花", "茉莉"});
  Edit()->insert(QString::fromUtf8("茉"));
  ASSERT_TRUE(WaitForRequests());
  ASSERT_EQ(Item(0), "茉莉花");
  const std::size_t asked = service.TargetsFor(kSuggestPath).size();

  // The user clicks the item: the handler empties the list under the click.
  window.ShowCentred();
  auto* list = static_cast<QListWidget*>(列表框1.Widget());
  列表框1.SetGeometry(10, 10, 200, 60);
  ASSERT_TRUE(WaitUntil([&] { return list->isVisible(); }));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(SystemToUtf8(编辑框1.GetText()), "茉莉花");
  ASSERT_TRUE(WaitForRequests());
  // The chosen text asks for no suggestions, and the list ends empty.
  EXPECT_EQ(service.TargetsFor(kSuggestPath).size(), asked);
  EXPECT_FALSE(列表框1.IsVisible());
  EXPECT_EQ(列表框1.ItemCount(), 0);
}

TEST_F(SearchBoxTest, EnterSearchesTheBoxTextAndAppendsTheAnswerAsItCame) {
  auto songs = NumberedSongs("可惜没如果", 1, 77);
  songs[0].singer = "林俊杰";
  // The singer written with an escape: no unescape step, so it stays in the list.
  std::string answer = SearchAnswer(songs);
  answer.replace(answer.find("俊"), std::string("俊").size(), R"(\u4fca)");
  service.Answer(kSearchPath, answer, kScriptUtf8);
  for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Escape}) {
    QTest::keyClick(Edit(), key);
  }
  EXPECT_TRUE(service.TargetsFor(kSearchPath).empty());

  QTest::keyClick(Edit(), Qt::Key_Return);
  ASSERT_TRUE(WaitForRequests());
  EXPECT_EQ(
      service.TargetsFor(kSearchPath),
      std::vector<std::string>{"/s/song_with_out?q=%E5%8F%AF%E6%83%9C%E6%B2%A1%E5%A6%82%E6%9E%9C"
                               "&page=1&size=1&callback=jsonp_search"});
  ASSERT_EQ(超级列表框1.RowCount(), 1);
  EXPECT_EQ(Cell(0, 0), "1");
  EXPECT_EQ(Cell(0, 1), "可惜没如果 1");
  EXPECT_EQ(Cell(0, 2), R"(林\u4fca杰)");
  EXPECT_EQ(Cell(0, 3), "77");

  UseService(ClosedHostPort());
  SearchSongs(view, state);
  ASSERT_TRUE(WaitForRequests());
  EXPECT_EQ(超级列表框1.RowCount(), 1);
}

TEST(FirstSuggestion, TakesTheFirstQuotedSuggestionOrNothing) {
  const auto first = [](const std::string& answerUtf8) {
    return FirstSuggestion(Utf8ToSystem(answerUtf8));
  };
  EXPECT_EQ(first(SuggestionAnswer({"a", "b"})), "a");
  EXPECT_EQ(first(SuggestionAnswer({"only"})), "only");
  EXPECT_EQ(first(SuggestionAnswer({"晴天"})), Utf8ToSystem("晴天"));
  // Escapes stay as the service wrote them; an escaped quote belongs to it.
  EXPECT_EQ(first(R"(cb({"data":["say \"hi\"","x"]}))"), R"(say \"hi\")");
  for (const std::string& none :
       {std::string(), SuggestionAnswer({}), SuggestionAnswer({""}),
        std::string("<html>busy</html>"), std::string(R"(cb({"data":["never closed)")}) {
    EXPECT_EQ(first(none), std::nullopt) << none;
  }
  // A character whose second byte is a backslash does not escape the quote
  // after it.
  const Text trailBackslash = "\x81\x5C";
  EXPECT_EQ(FirstSuggestion(R"(cb({"data":[")" + trailBackslash + R"(","b"]}))"), trailBackslash);
}

}  // namespace
}  // namespace vexo::test
