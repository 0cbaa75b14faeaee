#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Peer.h"
#include "fw/Exceptions.h"
#include "fw/String.h"

TEST(CStringSharing, CopiesShareUntilOneChanges) {
  CString a("history");
  CString b = a;
  CString c;
  c = b;
  EXPECT_EQ(static_cast<const char*>(a), static_cast<const char*>(b));
  EXPECT_EQ(static_cast<const char*>(a), static_cast<const char*>(c));
  EXPECT_EQ(a.GetRefCount(), 3);

  b.SetAt(0, 'H');   // b makes its own copy first
  EXPECT_STREQ(a, "history");
  EXPECT_STREQ(b, "History");
  EXPECT_NE(static_cast<const char*>(a), static_cast<const char*>(b));
  EXPECT_EQ(a.GetRefCount(), 2);
  EXPECT_EQ(b.GetRefCount(), 1);

  c += "!";
  EXPECT_STREQ(a, "history");
  EXPECT_STREQ(c, "history!");
  EXPECT_EQ(a.GetRefCount(), 1);

  CString d = a;
  d.GetBuffer(3)[0] = 'X';
  d.ReleaseBuffer();
  EXPECT_STREQ(a, "history");
  EXPECT_STREQ(d, "Xistory");
}

TEST(CStringSharing, EmptyStringsAllocateNothing) {
  CString a;
  CString b("");
  CString c("abc", 0);
  CString d('x', 0);
  EXPECT_EQ(a.GetRefCount(), 0);
  EXPECT_EQ(a.GetAllocLength(), 0);
  EXPECT_EQ(static_cast<const char*>(a), static_cast<const char*>(b));
  EXPECT_EQ(static_cast<const char*>(a), static_cast<const char*>(c));
  EXPECT_EQ(static_cast<const char*>(a), static_cast<const char*>(d));
  CString e("text");
  e.Empty();
  EXPECT_EQ(static_cast<const char*>(a), static_cast<const char*>(e));
  CString nullText(static_cast<const char*>(nullptr));
  EXPECT_TRUE(nullText.IsEmpty());
}

TEST(CStringLocking, LockedBufferIsNeverShared) {
  CString a("ring");
  CString shared = a;
  char* chars = a.LockBuffer();
  EXPECT_EQ(a.GetRefCount(), -1);
  EXPECT_NE(chars, static_cast<const char*>(shared));   // locking took its own copy
  EXPECT_EQ(shared.GetRefCount(), 1);

  CString copy = a;          // copy construction copies the characters
  CString assigned;
  assigned = a;              // so does assignment
  EXPECT_NE(static_cast<const char*>(copy), chars);
  EXPECT_NE(static_cast<const char*>(assigned), chars);
  EXPECT_EQ(copy.GetRefCount(), 1);
  EXPECT_EQ(a.GetRefCount(), -1);

  // Assigning into a locked string keeps its buffer and its lock.
  a = shared;
  EXPECT_EQ(static_cast<const char*>(a), chars);
  EXPECT_EQ(a.GetRefCount(), -1);
  EXPECT_EQ(shared.GetRefCount(), 1);
  // Growing past its room moves it, still locked.
  a = "a text much longer than the four characters first held";
  EXPECT_EQ(a.GetRefCount(), -1);
  CString later = a;
  EXPECT_NE(static_cast<const char*>(later), static_cast<const char*>(a));

  {
    CStringArg arg = a.PassByValue();   // a locked string hands over a copy
    EXPECT_NE(arg.pchData, static_cast<const char*>(a));
    CString adopted = CString::Adopt(arg);
    EXPECT_EQ(adopted.GetRefCount(), 1);
  }

  a.UnlockBuffer();
  EXPECT_EQ(a.GetRefCount(), 1);
  CString sharedAgain = a;
  EXPECT_EQ(static_cast<const char*>(sharedAgain), static_cast<const char*>(a));
  EXPECT_EQ(a.GetRefCount(), 2);
}

TEST(CStringLocking, EmptyStringLocksItsOwnBuffer) {
  CString a;
  char* chars = a.LockBuffer();
  EXPECT_EQ(a.GetRefCount(), -1);
  EXPECT_NE(chars, static_cast<const char*>(CString()));
  a += "x";
  EXPECT_EQ(a.GetRefCount(), -1);
  EXPECT_STREQ(a, "x");
}

TEST(CStringGrowth, AppendingOneCharacterAtATimeIsAmortised) {
  CString text;
  int reallocations = 0;
  int lastAlloc = text.GetAllocLength();
  const int count = 200000;
  for (int i = 0; i < count; ++i) {
    text += static_cast<char>('a' + i % 26);
    if (text.GetAllocLength() != lastAlloc) {
      ++reallocations;
      lastAlloc = text.GetAllocLength();
    }
  }
  EXPECT_EQ(text.GetLength(), count);
  EXPECT_LE(reallocations, 20);   // geometric: about log2(count)
  EXPECT_EQ(text[count - 1], static_cast<char>('a' + (count - 1) % 26));
  EXPECT_EQ(std::strlen(text), static_cast<size_t>(count));
}

TEST(CStringGrowth, AppendingItselfIsSafe) {
  CString text("abc");
  for (int i = 0; i < 10; ++i) text += text;
  EXPECT_EQ(text.GetLength(), 3 * 1024);
  EXPECT_EQ(text.Mid(3 * 1023), "abc");
  CString shared = text;
  shared += shared;
  EXPECT_EQ(text.GetLength(), 3 * 1024);
  EXPECT_EQ(shared.GetLength(), 6 * 1024);
}

TEST(CStringAcrossDlls, CountsStayRightBothWays) {
  CString made = CString::Adopt(PeerMakeString("from the peer"));
  EXPECT_STREQ(made, "from the peer");
  EXPECT_EQ(made.GetRefCount(), 1);

  CString mine("from the program");
  EXPECT_EQ(PeerCountWithCopy(mine.PassByValue()), 3);   // mine, the adopted one, its copy
  EXPECT_EQ(mine.GetRefCount(), 1);                      // both released in the DLL

  PeerKeep(mine);
  EXPECT_EQ(mine.GetRefCount(), 2);
  mine = "replaced";   // the DLL's copy keeps the old characters alive alone
  PeerDropKept();
  EXPECT_EQ(mine.GetRefCount(), 1);

  CString empty = CString::Adopt(CString().PassByValue());
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(empty.GetRefCount(), 0);
  CString fromNull = CString::Adopt(CStringArg{nullptr});
  EXPECT_TRUE(fromNull.IsEmpty());
}

TEST(CStringText, FormatSubstringsAndSearch) {
  CString s;
  s.Format("ID=0x%08lx|%d|%s", 100ul, -7, "x");
  EXPECT_EQ(s, "ID=0x00000064|-7|x");
  std::string big(5000, 'q');
  s.Format("<%s>", big.c_str());
  EXPECT_EQ(s.GetLength(), 5002);
  s.Format("%s%s", static_cast<const char*>(s.Left(2)), static_cast<const char*>(s.Left(3)));
  EXPECT_EQ(s, "<q<qq");

  CString t("alpha|beta|");
  EXPECT_EQ(t.Find('|'), 5);
  EXPECT_EQ(t.Find('|', 6), 10);
  EXPECT_EQ(t.Find('|', 11), -1);
  EXPECT_EQ(t.Find("beta"), 6);
  EXPECT_EQ(t.Find("beta", 7), -1);
  EXPECT_EQ(t.ReverseFind('a'), 9);
  EXPECT_EQ(t.Mid(6, 4), "beta");
  EXPECT_EQ(t.Mid(6, 100), "beta|");
  EXPECT_EQ(t.Mid(50), "");
  EXPECT_EQ(t.Mid(-3, 5), "alpha");
  EXPECT_EQ(t.Left(-1), "");
  EXPECT_EQ(t.Right(5), "beta|");
  EXPECT_EQ(t.Right(99), t);
  EXPECT_EQ(t.GetAt(99), '\0');
  EXPECT_EQ(t[-1], '\0');
  t.SetAt(99, 'z');
  EXPECT_EQ(t, "alpha|beta|");

  CString u("  padded  ");
  u.TrimLeft(' ');
  u.TrimRight(' ');
  EXPECT_EQ(u, "padded");
  EXPECT_EQ(u.Replace('d', 'D'), 3);
  u.MakeUpper();
  EXPECT_EQ(u, "PADDED");
  EXPECT_EQ(u.CompareNoCase("padded"), 0);
  EXPECT_LT(CString("abc").Compare("abd"), 0);
  EXPECT_TRUE(CString("a") < CString("b"));
  EXPECT_EQ("x" + CString("y") + 'z', "xyz");
  CString withZero("a\0b", 3);
  EXPECT_EQ(withZero.GetLength(), 3);
  EXPECT_FALSE(withZero == CString("a"));
}

TEST(CStringBuffers, ReleaseBufferNeverReadsPastTheRoom) {
  CString s;
  char* chars = s.GetBuffer(4);
  std::memcpy(chars, "abcd", 4);   // no terminator within the room
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 4);
  EXPECT_EQ(s, "abcd");
  s.GetBufferSetLength(2);
  EXPECT_EQ(s, "ab");
  s.GetBuffer(10);
  s.ReleaseBuffer(50);   // clamped to the room
  EXPECT_LE(s.GetLength(), s.GetAllocLength());
}
