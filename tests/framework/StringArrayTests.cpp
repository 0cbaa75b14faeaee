#include <gtest/gtest.h>

#include "fw/Exceptions.h"
#include "fw/StringArray.h"

namespace {
// Runs body and reports whether it raised CInvalidArgException.
template <typename Body>
bool RaisesInvalidArg(Body body) {
  try {
    body();
  } catch (CInvalidArgException* e) {
    e->Delete();
    return true;
  }
  return false;
}
}  // namespace

TEST(CStringArray, KeepsOrderThroughInsertAndRemove) {
  CStringArray list;
  for (int i = 0; i < 1000; ++i) {
    CString item;
    item.Format("%d", i);
    EXPECT_EQ(list.Add(item), i);
  }
  list.InsertAt(0, CString("first"));
  list.InsertAt(2, CString("x"), 3);
  list.RemoveAt(500, 10);
  EXPECT_EQ(list.GetSize(), 1000 + 1 + 3 - 10);
  EXPECT_EQ(list[0], "first");
  EXPECT_EQ(list[1], "0");
  EXPECT_EQ(list[2], "x");
  EXPECT_EQ(list[4], "x");
  EXPECT_EQ(list[5], "1");
  EXPECT_EQ(list[499], "495");
  EXPECT_EQ(list[500], "506");
  EXPECT_EQ(list.GetAt(list.GetUpperBound()), "999");

  list.InsertAt(list.GetSize() + 2, CString("past"));   // grows, with empty slots between
  EXPECT_EQ(list[list.GetUpperBound()], "past");
  EXPECT_EQ(list[list.GetUpperBound() - 1], "");

  list.SetAt(0, "changed");
  list.ElementAt(1) += "!";
  EXPECT_EQ(list[0], "changed");
  EXPECT_EQ(list[1], "0!");
  list.RemoveAll();
  EXPECT_EQ(list.GetSize(), 0);
}

TEST(CStringArray, SharesItsStringsWithTheSource) {
  CString text("shared");
  CStringArray list;
  list.Add(text);
  list.Add(text);
  EXPECT_EQ(text.GetRefCount(), 3);
  list.Add(list[0]);   // an element of the array itself, while the array grows
  list.Add(list[2]);
  EXPECT_EQ(list[3], "shared");
  list.SetSize(1);
  EXPECT_EQ(text.GetRefCount(), 2);
}

TEST(CStringArray, OutOfRangeIndexesRaiseAndChangeNothing) {
  CStringArray list;
  list.Add("only");
  EXPECT_TRUE(RaisesInvalidArg([&] { list.GetAt(1); }));
  EXPECT_TRUE(RaisesInvalidArg([&] { list.GetAt(-1); }));
  EXPECT_TRUE(RaisesInvalidArg([&] { list[5] = "x"; }));
  EXPECT_TRUE(RaisesInvalidArg([&] { list.SetAt(1, "x"); }));
  EXPECT_TRUE(RaisesInvalidArg([&] { list.RemoveAt(0, 2); }));
  EXPECT_TRUE(RaisesInvalidArg([&] { list.RemoveAt(-1); }));
  EXPECT_TRUE(RaisesInvalidArg([&] { list.InsertAt(-1, CString("x")); }));
  EXPECT_TRUE(RaisesInvalidArg([&] { list.SetSize(-1); }));
  EXPECT_FALSE(RaisesInvalidArg([&] { list.RemoveAt(1, 0); }));
  ASSERT_EQ(list.GetSize(), 1);
  EXPECT_EQ(list[0], "only");
}
