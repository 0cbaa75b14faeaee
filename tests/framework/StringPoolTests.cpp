#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Peer.h"
#include "TestSupport.h"
#include "fw/String.h"
#include "fw/StringPool.h"

namespace {

CStringPoolStatistics Now() {
  CStringPoolStatistics statistics;
  AfxGetStringPoolStatistics(statistics);
  return statistics;
}

// A header, the characters and the terminator: what a buffer needs at least.
constexpr unsigned kHeaderAndTerminator = sizeof(CStringData) + 1;

// A text that tells its own length: five digits, then that many copies of one letter.
CString SelfDescribing(unsigned seed) {
  const int length = static_cast<int>(seed * 7919u % 700u);
  CString text;
  text.Format("%05d", length);
  text += CString(static_cast<char>('A' + seed % 26), length);
  return text;
}

bool Intact(const CString& text) {
  if (text.GetLength() < 5) return false;
  const int length = std::atoi(text.Left(5));
  if (text.GetLength() != 5 + length) return false;
  for (int i = 6; i < text.GetLength(); ++i)
    if (text[i] != text[5]) return false;
  return true;
}

}  // namespace

TEST(StringPools, EveryLengthKeepsItsCharactersInABlockThatFitsIt) {
  const CStringPoolStatistics before = Now();
  ASSERT_GE(before.largestPooled, 512);
  for (int length = 1; length <= 1100; ++length) {
    const CStringPoolStatistics empty = Now();
    {
      std::string expected(static_cast<size_t>(length), '\0');
      for (int i = 0; i < length; ++i) expected[static_cast<size_t>(i)] = static_cast<char>('a' + (i + length) % 26);
      CString text(expected.c_str(), length);
      ASSERT_EQ(std::string(static_cast<const char*>(text), static_cast<size_t>(text.GetLength())), expected)
          << length;
      ASSERT_GE(text.GetAllocLength(), length);
      const CStringPoolStatistics held = Now();
      if (length <= before.largestPooled) {
        ASSERT_EQ(held.blocksInUse, empty.blocksInUse + 1) << length;
        ASSERT_EQ(held.heapBlocks, empty.heapBlocks) << length;
        // No more rounding than the heap's own block header and alignment cost.
        const unsigned needed = static_cast<unsigned>(length) + kHeaderAndTerminator;
        const unsigned block = held.bytesInUse - empty.bytesInUse;
        ASSERT_GE(block, needed) << length;
        ASSERT_LE(block, needed + needed / 4 + 8) << length;
        ASSERT_EQ(static_cast<unsigned>(text.GetAllocLength()) + kHeaderAndTerminator, block) << length;
      } else {
        ASSERT_EQ(held.blocksInUse, empty.blocksInUse) << length;
        ASSERT_EQ(held.heapBlocks, empty.heapBlocks + 1) << length;
        ASSERT_EQ(text.GetAllocLength(), length);
      }
    }
    const CStringPoolStatistics after = Now();
    ASSERT_EQ(after.blocksInUse, empty.blocksInUse) << length;
    ASSERT_EQ(after.bytesInUse, empty.bytesInUse) << length;
    ASSERT_EQ(after.heapBlocks, empty.heapBlocks) << length;
  }
}

TEST(StringPools, GrowingAcrossEveryClassIntoTheHeapKeepsTheCharacters) {
  const CStringPoolStatistics before = Now();
  CString text;
  CString early;
  std::string expected;
  int moves = 0;
  for (int i = 0; i < 1200; ++i) {
    const char ch = static_cast<char>('a' + i % 26);
    const int room = text.GetAllocLength();
    text += ch;
    expected += ch;
    if (text.GetAllocLength() != room) ++moves;
    ASSERT_EQ(text.GetLength(), i + 1);
    ASSERT_EQ(text[i], ch);
    const CStringPoolStatistics now = Now();
    // One buffer at a time (two while the early copy shares none): the old one went back.
    const unsigned extra = early.IsEmpty() ? 0 : 1;
    if (text.GetAllocLength() <= before.largestPooled) {
      ASSERT_EQ(now.blocksInUse, before.blocksInUse + 1 + extra) << i;
      ASSERT_EQ(now.heapBlocks, before.heapBlocks) << i;
    } else {
      ASSERT_EQ(now.blocksInUse, before.blocksInUse + extra) << i;
      ASSERT_EQ(now.heapBlocks, before.heapBlocks + 1) << i;
    }
    if (i == 99) early = text;   // shared now; the next append gives text its own buffer
  }
  EXPECT_EQ(std::string(static_cast<const char*>(text)), expected);
  EXPECT_EQ(std::string(static_cast<const char*>(early)), expected.substr(0, 100));
  EXPECT_LE(moves, 30);   // a move per class at most, then doubling
}

TEST(StringPools, FreedBlocksAreReusedBeforeNewChunksAreTaken) {
  const CStringPoolStatistics before = Now();
  const CString name("src\\dir\\file123456.cpp");
  std::vector<CString> strings(50000);
  for (CString& s : strings) {
    s = name;          // shared
    s.SetAt(0, 'S');   // then a buffer of its own
  }
  const CStringPoolStatistics full = Now();
  EXPECT_EQ(full.blocksInUse, before.blocksInUse + 50001);
  EXPECT_GT(full.chunks, before.chunks);
  EXPECT_GE(full.chunkBytes, full.bytesInUse);

  for (CString& s : strings) s.Empty();
  EXPECT_EQ(Now().blocksInUse, before.blocksInUse + 1);
  for (size_t i = 0; i < strings.size(); ++i) strings[i] = CString('x', 22 - static_cast<int>(i % 3));
  EXPECT_EQ(Now().chunks, full.chunks);   // the same class: every block came off the free list
  for (const CString& s : strings) ASSERT_EQ(s, CString('x', s.GetLength()));
}

TEST(StringPools, BuffersReleasedOnTheOtherSideOfTheDllGoBackToThePool) {
  const CStringPoolStatistics before = Now();
  const char* firstBuffer = nullptr;
  {
    CString made = CString::Adopt(PeerMakeString("made in the peer"));
    EXPECT_EQ(Now().blocksInUse, before.blocksInUse + 1);
    firstBuffer = made;
  }   // released here, in the program
  // The block the peer took is the one the program's next string of its size gets.
  CString mine("made in the test");
  EXPECT_EQ(static_cast<const char*>(mine), firstBuffer);

  EXPECT_EQ(PeerCountWithCopy(mine.PassByValue()), 3);   // the peer adopts and releases a reference
  PeerKeep(mine);
  mine = "another text, long enough for another class of blocks";
  EXPECT_EQ(Now().blocksInUse, before.blocksInUse + 2);
  PeerDropKept();   // the last reference of the first text goes in the peer
  EXPECT_EQ(Now().blocksInUse, before.blocksInUse + 1);
  CString again("made in the TEST");
  EXPECT_EQ(static_cast<const char*>(again), firstBuffer);

  for (int i = 0; i < 1000; ++i) CString::Adopt(PeerMakeString(std::string(static_cast<size_t>(i), 'p').c_str()));
  mine.Empty();
  again.Empty();
  const CStringPoolStatistics after = Now();
  EXPECT_EQ(after.blocksInUse, before.blocksInUse);
  EXPECT_EQ(after.heapBlocks, before.heapBlocks);
}

TEST(StringPools, ThreadsCreateShareAndReleaseStringsTogether) {
  const CStringPoolStatistics before = Now();
  const int kThreads = 4;
  const int kRounds = 40000;
  std::mutex slotsLock;
  std::vector<CString> slots(64);
  std::vector<int> damaged(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < kRounds; ++round) {
        const unsigned seed = static_cast<unsigned>(t * kRounds + round);
        CString text = SelfDescribing(seed);
        CString kept = text;   // two references until text leaves the thread
        {
          std::lock_guard<std::mutex> hold(slotsLock);
          std::swap(text, slots[seed % slots.size()]);
        }
        // text now holds another thread's string (or nothing); it is checked and
        // released here while the other threads allocate.
        if (!text.IsEmpty() && !Intact(text)) ++damaged[static_cast<size_t>(t)];
        if (!Intact(kept)) ++damaged[static_cast<size_t>(t)];
        kept += "!";   // a buffer of its own when the slot still shares it
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(damaged[static_cast<size_t>(t)], 0) << "thread " << t;
  for (const CString& s : slots) EXPECT_TRUE(Intact(s));
  slots.clear();
  const CStringPoolStatistics after = Now();
  EXPECT_EQ(after.blocksInUse, before.blocksInUse);
  EXPECT_EQ(after.heapBlocks, before.heapBlocks);
}

// Every thread keeps all its strings, so the free lists stay empty and each
// block is carved anew while the other threads carve theirs.
TEST(StringPools, ThreadsCarvingNewBlocksAtOnceGetBlocksOfTheirOwn) {
  const CStringPoolStatistics before = Now();
  const int kThreads = 4;
  const int kAlive = 30000;
  std::vector<int> damaged(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      std::vector<CString> alive;
      alive.reserve(kAlive);
      for (int i = 0; i < kAlive; ++i) alive.push_back(SelfDescribing(static_cast<unsigned>(t * kAlive + i)));
      for (const CString& s : alive)
        if (!Intact(s)) ++damaged[static_cast<size_t>(t)];
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(damaged[static_cast<size_t>(t)], 0) << "thread " << t;
  const CStringPoolStatistics after = Now();
  EXPECT_EQ(after.blocksInUse, before.blocksInUse);
  EXPECT_EQ(after.heapBlocks, before.heapBlocks);
}

TEST(StringPools, ChunksGoBackToTheHeapWhenTheFrameworkUnloads) {
  EXPECT_EQ(fwtest::RunBesideUs("fwtest_pool_unload.exe", ""), 0);
}

TEST(StringPools, AStringKeptPastTheFrameworksUnloadKeepsItsCharacters) {
  EXPECT_EQ(fwtest::RunBesideUs("fwtest_pool_unload.exe", "keep"), 0);
}

// A process whose threads hold a pool's lock when it ends must still end: its
// DLLs release their strings after the system stopped those threads. Whether a
// lock is held at that moment is chance (about one end in seven here without
// the care for it), so the process is run many times; each must end within
// the time limit, and a hang is ended and counted as a failure.
TEST(StringPools, AProcessEndsWhileItsThreadsUseThePools) {
  for (int run = 0; run < 40; ++run)
    ASSERT_EQ(fwtest::RunBesideUs("fwtest_exit_churn.exe", "", 20000), 0) << "run " << run;
}
