#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <vector>

#include "platform/controls/edit_box.h"
#include "platform/controls/key_codes.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

TEST(EditBox, KeyDownCarriesThePlatformKeyCodes) {
  QWidget parent;
  EditBox box("编辑框1", &parent);
  std::vector<int> codes;
  box.onKeyDown = [&](int code, int) { codes.push_back(code); };
  auto* edit = static_cast<QLineEdit*>(box.Widget());
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Enter);
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Down);
  QTest::keyClick(edit, Qt::Key_A);
  QTest::keyClick(edit, Qt::Key_F5);
  EXPECT_EQ(codes, (std::vector<int>{kKeyEnter, kKeyEnter, kKeyLeft, kKeyDown, 'A', 116}));
}

TEST(EditBox, ContentChangedComesForTypingAndForSettingTheText) {
  QWidget parent;
  EditBox box("编辑框1", &parent);
  int changes = 0;
  box.onContentChanged = [&] { ++changes; };
  box.SetText(Sys("可惜没如果"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(box.GetText(), Sys("可惜没如果"));
  QTest::keyClicks(static_cast<QLineEdit*>(box.Widget()), QStringLiteral("ab"));
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(box.GetText(), Sys("可惜没如果") + "ab");
}

}  // namespace
}  // namespace vexo
