// The list of open Information Item windows: places in the cascade, windows
// listed once, and windows that went without being removed.
#include <gtest/gtest.h>

#include <memory>

#include "entry/entry_window_list.h"
#include "ui/form.h"

namespace qrv {
namespace {

std::unique_ptr<qrv::Form> Window() {
  return std::make_unique<Form>(FormArgs{.caption = L"entry", .clientSize = {100, 100}});
}

TEST(EntryWindowList, PlacesCountOpenWindowsOnceAndForgetThoseThatWent) {
  EntryWindowList list;
  EXPECT_TRUE(list.Empty());
  auto first = Window(), second = Window(), third = Window();
  EXPECT_EQ(list.Add(first->Handle()), 1);
  EXPECT_EQ(list.Add(second->Handle()), 2);
  EXPECT_EQ(list.Add(first->Handle()), 1);  // listed once
  EXPECT_EQ(list.Count(), 2);
  list.Remove(first->Handle());
  EXPECT_EQ(list.Add(third->Handle()), 2);
  // A window destroyed without being removed counts no more, at once.
  second.reset();
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Add(first->Handle()), 2);
  list.Remove(first->Handle());
  list.Remove(third->Handle());
  list.Remove(third->Handle());  // twice is harmless
  EXPECT_TRUE(list.Empty());
}

TEST(EntryWindowList, NoWindowIsNoOpenWindow) {
  EntryWindowList list;
  list.Add(nullptr);
  EXPECT_TRUE(list.Empty());
}

}  // namespace
}  // namespace qrv
