// The parser of the extra-files file's body on mutated and truncated images,
// each placed so that its last byte sits right before an inaccessible page:
// a read past the data ends the program.
#include <windows.h>
#include <cstring>
#include <random>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "extrafiles/ExtraFilesFormat.h"

namespace {

const size_t kPage = 4096;
const size_t kDataPages = 8;

// Pages of data followed by one page that faults on any access.
class GuardedBuffer {
 public:
  GuardedBuffer() {
    m_base = static_cast<unsigned char*>(
        VirtualAlloc(nullptr, (kDataPages + 1) * kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old;
    if (m_base) VirtualProtect(m_base + kDataPages * kPage, kPage, PAGE_NOACCESS, &old);
  }
  ~GuardedBuffer() { VirtualFree(m_base, 0, MEM_RELEASE); }
  bool ok() const { return m_base != nullptr; }
  // The bytes copied so that the last one sits right before the guard page.
  const unsigned char* Place(const std::string& bytes) {
    unsigned char* at = m_base + kDataPages * kPage - bytes.size();
    std::memcpy(at, bytes.data(), bytes.size());
    return at;
  }

 private:
  unsigned char* m_base;
};

struct Record {
  unsigned char flags;
  std::string name;
};

// What a correct reader makes of body: the number of records when all
// `count` of them lie within the data, -1 when the file is bad.
long long ExpectedCount(const std::string& body) {
  if (body.size() < 4) return -1;
  const unsigned long long count = static_cast<unsigned char>(body[0]) | static_cast<unsigned char>(body[1]) << 8 |
                                   static_cast<unsigned char>(body[2]) << 16 |
                                   static_cast<unsigned long long>(static_cast<unsigned char>(body[3])) << 24;
  unsigned long long at = 4;
  for (unsigned long long i = 0; i < count; ++i) {
    if (at + 3 > body.size()) return -1;
    at += 3 + (static_cast<unsigned char>(body[at + 1]) | static_cast<unsigned char>(body[at + 2]) << 8);
    if (at > body.size()) return -1;
  }
  return static_cast<long long>(count);
}

std::string Body(unsigned count, const std::vector<Record>& records) {
  std::string body;
  for (int i = 0; i < 4; ++i) body += static_cast<char>(count >> (8 * i));
  for (const Record& record : records) {
    body += static_cast<char>(record.flags);
    body += static_cast<char>(record.name.size() & 0xFF);
    body += static_cast<char>(record.name.size() >> 8);
    body += record.name;
  }
  return body;
}

TEST(ParserFuzz, MutatedAndTruncatedBodiesHaveADefinedOutcome) {
  GuardedBuffer guard;
  ASSERT_TRUE(guard.ok());
  std::mt19937 random(20240611u);
  auto below = [&random](unsigned n) { return static_cast<unsigned>(random() % n); };
  ExtraFileList list = EmptyExtraFileList(10);
  int good = 0, bad = 0, checkedNames = 0;

  for (int round = 0; round < 120000; ++round) {
    std::vector<Record> records(below(7));
    for (Record& record : records) {
      record.flags = static_cast<unsigned char>(random());
      record.name.resize(below(4) == 0 ? below(600) : below(24));
      for (char& c : record.name) c = static_cast<char>(random());
    }
    unsigned count = static_cast<unsigned>(records.size());
    std::string body = Body(count, records);
    bool intact = true;   // body is exactly the records it announces
    switch (below(8)) {
      case 0:   // cut anywhere
        body.resize(below(static_cast<unsigned>(body.size()) + 1));
        intact = false;
        break;
      case 1: {  // a huge or random count
        const unsigned counts[] = {0xFFFFFFFFu, 0x80000000u, count + 1, static_cast<unsigned>(random())};
        count = counts[below(4)];
        for (int i = 0; i < 4; ++i) body[i] = static_cast<char>(count >> (8 * i));
        intact = false;
        break;
      }
      case 2:   // flip bytes, lengths included
        for (unsigned flips = below(4) + 1; flips > 0 && !body.empty(); --flips)
          body[below(static_cast<unsigned>(body.size()))] = static_cast<char>(random());
        intact = false;
        break;
      case 3:   // random bytes
        body.resize(below(64));
        for (char& c : body) c = static_cast<char>(random());
        intact = false;
        break;
      case 4:   // trailing bytes after the last record
        body.append(below(8), 'x');
        break;
      default:
        break;
    }

    const long long expected = ExpectedCount(body);
    const bool ok = ParseExtraFiles(guard.Place(body), body.size(), list);
    ASSERT_EQ(ok, expected >= 0) << "round " << round;
    if (ok) {
      ++good;
      ASSERT_EQ(static_cast<long long>(list.count), expected) << "round " << round;
      if (intact) {
        const ExtraFileNode* node = list.head;
        for (const Record& record : records) {
          ASSERT_EQ(node->record.name.GetLength(), static_cast<int>(record.name.size()));
          ASSERT_EQ(std::memcmp(static_cast<const char*>(node->record.name), record.name.data(), record.name.size()), 0);
          ASSERT_EQ(node->record.addToWorkspace, record.flags & 1);
          ASSERT_EQ(node->record.secondFlag, (record.flags >> 1) & 1);
          node = node->next;
          ++checkedNames;
        }
      }
    } else {
      ++bad;
      ASSERT_EQ(list.count, 0u) << "round " << round;
      ASSERT_EQ(list.head, nullptr);
    }
    ClearExtraFiles(list);
  }
  EXPECT_GT(good, 10000);
  EXPECT_GT(bad, 10000);
  EXPECT_GT(checkedNames, 10000);
}

TEST(ParserFuzz, ScramblingIsItsOwnInverseWithTheRollingMask) {
  unsigned char bytes[17] = {};
  ToggleExtraFilesScrambling(bytes, sizeof bytes);
  const unsigned char masks[17] = {0x80, 0x40, 0x20, 0x10, 8, 4, 2, 1, 0x80, 0x40, 0x20, 0x10, 8, 4, 2, 1, 0x80};
  EXPECT_EQ(std::memcmp(bytes, masks, sizeof bytes), 0);
  ToggleExtraFilesScrambling(bytes, sizeof bytes);
  EXPECT_EQ(std::memcmp(bytes, std::string(17, '\0').data(), sizeof bytes), 0);
}

TEST(ParserFuzz, ScramblingWholeWordsMatchesTheBytewiseMaskAtAnyLengthAndAddress) {
  unsigned char storage[80];
  for (std::size_t start = 0; start < 8; ++start) {
    for (std::size_t length = 0; length <= 64; ++length) {
      for (std::size_t i = 0; i < sizeof storage; ++i) storage[i] = static_cast<unsigned char>(i * 31 + 7);
      ToggleExtraFilesScrambling(storage + start, length);
      for (std::size_t i = 0; i < sizeof storage; ++i) {
        unsigned char expected = static_cast<unsigned char>(i * 31 + 7);
        if (i >= start && i < start + length) expected ^= static_cast<unsigned char>(0x80u >> ((i - start) % 8));
        ASSERT_EQ(storage[i], expected) << "start " << start << " length " << length << " byte " << i;
      }
    }
  }
}

}  // namespace
