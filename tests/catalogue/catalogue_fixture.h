#pragma once
// The controls the catalogue client works on, built offscreen, with its state.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/catalogue_view.h"
#include "net/regex_matcher.h"
#include "platform/codepage.h"
#include "platform/controls/window.h"
#include "playback/start_thread.h"
#include "support/ui_wait.h"

namespace vexo::test {

class CatalogueFixture : public ::testing::Test {
 protected:
  CatalogueFixture()
      : window("w", 392, 622),
        按钮4("按钮4", window.Frame()),
        按钮5("按钮5", window.Frame()),
        按钮6("按钮6", window.Frame()),
        按钮7("按钮7", window.Frame()),
        编辑框1("编辑框1", window.Frame()),
        列表框1("列表框1", window.Frame()),
        超级列表框1("超级列表框1", window.Frame(),
                    {{"n", 40}, {"name", 200}, {"singer", 80}, {"id", 0}, {"url", 0}}),
        view{按钮4, 按钮5, 按钮6, 按钮7, 编辑框1, 列表框1, 超级列表框1},
        state(songRegex) {
    列表框1.SetVisible(false);
  }

  // The workers of the test's requests end, and the answers they handed over
  // are handled, before the controls go.
  ~CatalogueFixture() override { EXPECT_TRUE(WaitForRequests()); }

  void UseService(const std::string& hostPort) { state.endpoints = EndpointsForService(hostPort); }
  // Processes events until every request sent has been answered and its
  // answer handled (rows appended, the suggestion shown).
  bool WaitForRequests() {
    return WaitUntil([this] { return state.requestsInFlight == 0 && RunningThreadCount() == 0; });
  }
  // A cell of the song list in UTF-8.
  std::string Cell(int row, int column) const {
    return SystemToUtf8(超级列表框1.Cell(row, column));
  }

  Window window;
  Button 按钮4, 按钮5, 按钮6, 按钮7;
  EditBox 编辑框1;
  ListBox 列表框1;
  ListView 超级列表框1;
  CatalogueView view;
  RegexMatcher songRegex;
  CatalogueState state;
};

}  // namespace vexo::test
