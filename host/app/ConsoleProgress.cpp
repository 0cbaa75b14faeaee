#include "host/app/ConsoleProgress.h"
#include <windows.h>

namespace {

constexpr double kQuietSeconds = 0.5;     // a load shorter than this shows nothing
constexpr double kRefreshSeconds = 0.25;  // the line changes at most this often

double PerformanceSeconds() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

ConsoleProgress::ConsoleProgress(std::string what, FILE* out, Clock clock)
    : m_what(std::move(what)), m_out(out), m_clock(clock ? clock : PerformanceSeconds) {
  m_start = m_clock();
}

ConsoleProgress::~ConsoleProgress() {
  if (m_open) {
    std::fputc('\n', m_out);
    std::fflush(m_out);
  }
}

std::string ConsoleProgress::Count(size_t value) {
  std::string digits = std::to_string(value);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
  return digits;
}

void ConsoleProgress::Show(const std::string& text) {
  std::string line = m_what + ": " + text;
  // Spaces cover what a longer line before it left on the screen.
  size_t length = line.size();
  if (length < m_lastLength) line.append(m_lastLength - length, ' ');
  m_lastLength = length;
  std::fprintf(m_out, "\r%s", line.c_str());
  std::fflush(m_out);
  m_shown = m_open = true;
}

std::string ConsoleProgress::Percent(size_t done, size_t total) {
  int percent = total == 0 || done >= total ? 100 : static_cast<int>(done * 100.0 / static_cast<double>(total));
  return std::to_string(percent) + "%";
}

bool ConsoleProgress::Due() const {
  double now = m_clock();
  return now - m_start >= kQuietSeconds && (m_lastShown < 0 || now - m_lastShown >= kRefreshSeconds);
}

void ConsoleProgress::Update(const std::string& state) {
  if (!Due()) return;
  m_lastShown = m_clock();
  Show(state);
}

void ConsoleProgress::Finish(const std::string& result) {
  if (!m_shown && m_clock() - m_start < kQuietSeconds) return;
  char seconds[32];
  std::snprintf(seconds, sizeof(seconds), "%.1f", m_clock() - m_start);
  Show(result + " in " + seconds + " s");
  std::fputc('\n', m_out);
  std::fflush(m_out);
  m_open = false;
}
