#pragma once
// The benchmark harness: a monotonic clock, repeated runs reduced to their
// median, and the result table (figures with their floor, the ratio and the
// verdict against a target). Nothing here ever fails on a time.
#include <string>
#include <vector>

namespace bench {

// Seconds on the performance counter.
double Now();

double Median(std::vector<double> values);

// Runs once() `runs` times (after an untimed setup() each time) and returns
// the median of the timed runs in seconds.
template <class Setup, class Once>
double MedianSeconds(int runs, Setup setup, Once once) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    setup();
    double start = Now();
    once();
    times.push_back(Now() - start);
  }
  return Median(times);
}
template <class Once>
double MedianSeconds(int runs, Once once) {
  return MedianSeconds(runs, [] {}, once);
}

enum class Verdict { None, Pass, Miss };

struct Row {
  std::string measure;   // what was measured
  std::string size;      // the input size, as printed
  std::string unit;      // unit of the two figures
  double module = 0;     // the module's figure
  double floor = 0;      // the platform's figure in the same process (0: none)
  std::string ratioText; // printed ratio (empty: module / floor)
  std::string target;    // the target checked on this row (empty: none)
  Verdict verdict = Verdict::None;
};

// A row of figures with no target.
Row MakeRow(const std::string& measure, const std::string& size, const std::string& unit, double module,
            double floor = 0);

class Table {
 public:
  void Add(const Row& row);
  // Prints the rows collected so far as a Markdown table.
  void Print() const;
  int Misses() const;

 private:
  std::vector<Row> m_rows;
};

// Formatting helpers for the table.
std::string Figure(double value);          // 3 significant digits
std::string Count(long long value);        // 1,000,000
std::string RatioText(double ratio);       // 1.23x

}  // namespace bench
