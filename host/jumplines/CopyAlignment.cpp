#include "host/jumplines/CopyAlignment.h"
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

// Pairings are searched in steps of r * (slack + 1)^2; past this many the
// copies are placed one by one instead (a file with thousands of equal lines).
constexpr long long kMostSteps = 1000000;

// What a pairing costs, compared in this order: places where the offset
// changes, lines by which it changes in all, and how far the first paired
// copy moved when no landmark is above it.
struct Cost {
  long long places = 0;
  long long lines = 0;
  long long first = 0;
  Cost operator+(const Cost& other) const { return {places + other.places, lines + other.lines, first + other.first}; }
  bool operator<(const Cost& other) const {
    if (places != other.places) return places < other.places;
    if (lines != other.lines) return lines < other.lines;
    return first < other.first;
  }
  bool operator<=(const Cost& other) const { return !(other < *this); }
};

Cost Change(long long from, long long to) { return {from != to ? 1 : 0, std::llabs(to - from), 0}; }

// The landmarks' offsets and the running sums of their changes.
class OffsetPath {
 public:
  explicit OffsetPath(const std::vector<LineShift>& landmarks) {
    Cost sum;
    for (size_t j = 0; j < landmarks.size(); ++j) {
      m_then.push_back(landmarks[j].then);
      m_offset.push_back(landmarks[j].now - landmarks[j].then);
      if (j > 0) sum = sum + Change(m_offset[j - 1], m_offset[j]);
      m_changes.push_back(sum);
    }
  }

  // How many landmarks lie above a line as it was.
  int Above(int then) const {
    return static_cast<int>(std::lower_bound(m_then.begin(), m_then.end(), then) - m_then.begin());
  }

  // From one paired copy (offset, landmarks above it) down to the next,
  // through the landmarks between them.
  Cost Between(long long fromOffset, int fromAbove, long long toOffset, int toAbove) const {
    if (fromAbove == toAbove) return Change(fromOffset, toOffset);
    return Change(fromOffset, m_offset[fromAbove]) + Landmarks(fromAbove, toAbove - 1) +
           Change(m_offset[toAbove - 1], toOffset);
  }

  // From the top of the file down to the first paired copy.
  Cost FromTop(long long toOffset, int toAbove) const {
    if (toAbove == 0) return {0, 0, std::llabs(toOffset)};
    return Landmarks(0, toAbove - 1) + Change(m_offset[toAbove - 1], toOffset);
  }

  // From the last paired copy to the end of the file.
  Cost ToEnd(long long fromOffset, int fromAbove) const {
    int count = static_cast<int>(m_offset.size());
    if (fromAbove == count) return Cost();
    return Change(fromOffset, m_offset[fromAbove]) + Landmarks(fromAbove, count - 1);
  }

  // The offset of the landmark nearest to a line as it was; 0 without landmarks.
  long long NearestOffset(int then) const {
    int above = Above(then);
    if (m_then.empty()) return 0;
    if (above == 0) return m_offset[0];
    if (above == static_cast<int>(m_then.size())) return m_offset[above - 1];
    return then - m_then[above - 1] <= m_then[above] - then ? m_offset[above - 1] : m_offset[above];
  }

 private:
  std::vector<int> m_then;
  std::vector<long long> m_offset;
  // The changes from landmark `from` down to landmark `to`.
  Cost Landmarks(int from, int to) const {
    const Cost& a = m_changes[from];
    const Cost& b = m_changes[to];
    return {b.places - a.places, b.lines - a.lines, 0};
  }

  std::vector<Cost> m_changes;   // m_changes[j]: the changes from landmark 0 down to j
};

// One copy at a time: the line now nearest to its old line moved by the
// nearest landmark's offset.
std::vector<int> PlaceEach(const std::vector<int>& tagged, const std::vector<int>& now, const OffsetPath& path) {
  std::vector<int> placed;
  for (int then : tagged) {
    long long expected = then + path.NearestOffset(then);
    int best = now.front();
    for (int line : now) {
      if (std::llabs(line - expected) <= std::llabs(best - expected)) best = line;
    }
    placed.push_back(best);
  }
  return placed;
}

}  // namespace

std::vector<int> AlignCopies(const std::vector<int>& tagged, const std::vector<int>& now,
                             const std::vector<LineShift>& landmarks) {
  const int k = static_cast<int>(tagged.size()), m = static_cast<int>(now.size());
  std::vector<int> result(tagged.size(), 0);
  if (k == 0 || m == 0) return result;
  if (k == m) return now;
  OffsetPath path(landmarks);
  // Step t pairs the t-th paired copy; choice c skips c lines on the longer side before it.
  const int steps = std::min(k, m), slack = std::abs(k - m);
  if (static_cast<long long>(steps) * (slack + 1) * (slack + 1) > kMostSteps) return PlaceEach(tagged, now, path);
  auto copyOf = [&](int t, int c) { return t + (k > m ? c : 0); };
  auto lineOf = [&](int t, int c) { return t + (k > m ? 0 : c); };
  auto offsetOf = [&](int t, int c) { return static_cast<long long>(now[lineOf(t, c)]) - tagged[copyOf(t, c)]; };
  std::vector<int> landmarksAbove(tagged.size());
  for (size_t i = 0; i < tagged.size(); ++i) landmarksAbove[i] = path.Above(tagged[i]);
  auto aboveOf = [&](int t, int c) { return landmarksAbove[copyOf(t, c)]; };

  const long long most = std::numeric_limits<long long>::max();
  const Cost none = {most, most, most};
  const int width = slack + 1;
  std::vector<Cost> cost(static_cast<size_t>(steps) * width, none);
  std::vector<int> from(static_cast<size_t>(steps) * width, 0);
  for (int c = 0; c < width; ++c) cost[c] = path.FromTop(offsetOf(0, c), aboveOf(0, c));
  for (int t = 1; t < steps; ++t) {
    for (int c = 0; c < width; ++c) {
      long long offset = offsetOf(t, c);
      int above = aboveOf(t, c);
      size_t at = static_cast<size_t>(t) * width + c;
      // The previous pair skipped no more than this one: both sides stay in order.
      for (int before = 0; before <= c; ++before) {
        Cost sum = cost[at - width - c + before] + path.Between(offsetOf(t - 1, before), aboveOf(t - 1, before),
                                                                      offset, above);
        if (sum <= cost[at]) {
          cost[at] = sum;
          from[at] = before;
        }
      }
    }
  }
  int best = 0;
  Cost bestCost = none;
  for (int c = 0; c < width; ++c) {
    size_t at = static_cast<size_t>(steps - 1) * width + c;
    Cost sum = cost[at] + path.ToEnd(offsetOf(steps - 1, c), aboveOf(steps - 1, c));
    if (sum <= bestCost) {
      bestCost = sum;
      best = c;
    }
  }
  for (int t = steps - 1; t >= 0; --t) {
    result[copyOf(t, best)] = now[lineOf(t, best)];
    best = from[static_cast<size_t>(t) * width + best];
  }
  return result;
}
