#include "bench/Harness.h"

#include <windows.h>
#include <algorithm>
#include <cstdio>

namespace bench {

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / frequency;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string Figure(double value) {
  char text[64];
  double magnitude = value < 0 ? -value : value;
  if (magnitude >= 100)
    snprintf(text, sizeof text, "%.0f", value);
  else if (magnitude >= 10)
    snprintf(text, sizeof text, "%.1f", value);
  else if (magnitude >= 1)
    snprintf(text, sizeof text, "%.2f", value);
  else
    snprintf(text, sizeof text, "%.3g", value);
  return text;
}

std::string Count(long long value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  std::string grouped;
  int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return value < 0 ? "-" + grouped : grouped;
}

std::string RatioText(double ratio) {
  char text[32];
  snprintf(text, sizeof text, ratio >= 100 ? "%.0fx" : "%.2fx", ratio);
  return text;
}

Row MakeRow(const std::string& measure, const std::string& size, const std::string& unit, double module,
            double floor) {
  Row row;
  row.measure = measure;
  row.size = size;
  row.unit = unit;
  row.module = module;
  row.floor = floor;
  return row;
}

void Table::Add(const Row& row) { m_rows.push_back(row); }

int Table::Misses() const {
  int misses = 0;
  for (const Row& row : m_rows) misses += row.verdict == Verdict::Miss;
  return misses;
}

void Table::Print() const {
  const char* heads[] = {"Measure", "Size", "Unit", "Module", "Floor", "Ratio", "Target", "Result"};
  std::vector<std::vector<std::string>> cells;
  for (const Row& row : m_rows) {
    std::string ratio = row.ratioText;
    if (ratio.empty() && row.floor > 0) ratio = RatioText(row.module / row.floor);
    const char* verdict = row.verdict == Verdict::Pass ? "PASS" : row.verdict == Verdict::Miss ? "MISS" : "";
    cells.push_back({row.measure, row.size, row.unit, Figure(row.module),
                     row.floor > 0 ? Figure(row.floor) : "-", ratio.empty() ? "-" : ratio,
                     row.target.empty() ? "-" : row.target, verdict});
  }
  size_t widths[8];
  for (int c = 0; c < 8; ++c) {
    widths[c] = std::string(heads[c]).size();
    for (const auto& line : cells) widths[c] = std::max(widths[c], line[c].size());
  }
  // Figures are right-aligned, texts left-aligned.
  auto isFigure = [](int c) { return c >= 3 && c <= 5; };
  auto printLine = [&](const std::vector<std::string>& line) {
    std::string text = "|";
    for (int c = 0; c < 8; ++c) {
      std::string pad(widths[c] - line[c].size(), ' ');
      text += " " + (isFigure(c) ? pad + line[c] : line[c] + pad) + " |";
    }
    printf("%s\n", text.c_str());
  };
  printLine(std::vector<std::string>(heads, heads + 8));
  std::string rule = "|";
  for (int c = 0; c < 8; ++c)
    rule += isFigure(c) ? std::string(widths[c] + 1, '-') + ":|" : std::string(widths[c] + 2, '-') + "|";
  printf("%s\n", rule.c_str());
  for (const auto& line : cells) printLine(line);
  fflush(stdout);
}

}  // namespace bench
