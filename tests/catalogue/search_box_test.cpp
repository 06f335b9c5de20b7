// The search box against canned search and suggestion answers on loopback.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "canned_service.h"
#include "catalogue/search_box.h"
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
  QTest::keyClicks(Edit(), QStringLiteral("a"));
  Edit()->insert(QString::fromUtf8("可"));  // as an input method commits it
  EXPECT_EQ(service.TargetsFor(kSuggestPath),
            (std::vector<std::string>{SuggestTarget(""), SuggestTarget("a"),
                                      SuggestTarget("a%E5%8F%AF")}));
  // The answer ends in the empty data array: no suggestion, no list.
  EXPECT_FALSE(列表框1.IsVisible());
  EXPECT_EQ(列表框1.ItemCount(), 0);
}

TEST_F(SearchBoxTest, TheListShowsTheFirstSuggestionOnly) {
  Suggest({"a", "b"});
  QTest::keyClicks(Edit(), QStringLiteral("x"));
  EXPECT_TRUE(列表框1.IsVisible());
  ASSERT_EQ(列表框1.ItemCount(), 1);
  EXPECT_EQ(Item(0), "a");
}

TEST_F(SearchBoxTest, ASingleSuggestionOrAFailedRequestShowsOneEmptyItem) {
  Suggest({"only"});
  QTest::keyClicks(Edit(), QStringLiteral("x"));
  EXPECT_TRUE(列表框1.IsVisible());
  ASSERT_EQ(列表框1.ItemCount(), 1);
  EXPECT_EQ(Item(0), "");

  UseService(ClosedHostPort());
  列表框1.SetVisible(false);
  QTest::keyClicks(Edit(), QStringLiteral("y"));
  EXPECT_TRUE(列表框1.IsVisible());
  ASSERT_EQ(列表框1.ItemCount(), 1);
  EXPECT_EQ(Item(0), "");
}

TEST_F(SearchBoxTest, ChoosingTheSuggestionFillsTheBoxAndLeavesTheListHiddenAndEmpty) {
  Suggest({"茉莉花", "茉莉"});
  Edit()->insert(QString::fromUtf8("茉"));
  ASSERT_EQ(Item(0), "茉莉花");

  // The user clicks the item: the handler empties the list under the click.
  window.ShowCentred();
  auto* list = static_cast<QListWidget*>(列表框1.Widget());
  列表框1.SetGeometry(10, 10, 200, 60);
  ASSERT_TRUE(WaitUntil([&] { return list->isVisible(); }));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(SystemToUtf8(编辑框1.GetText()), "茉莉花");
  // Setting the text asked for suggestions again, and the list still ends empty.
  EXPECT_EQ(service.TargetsFor(kSuggestPath).back(), SuggestTarget("%E8%8C%89%E8%8E%89%E8%8A%B1"));
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
  EXPECT_EQ(SearchSongs(view, state), 0);
  EXPECT_EQ(超级列表框1.RowCount(), 1);
}

}  // namespace
}  // namespace vexo::test
