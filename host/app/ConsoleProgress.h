#pragma once
// One progress line on the console for a load that takes a while: nothing
// while the load is quick (the first half second), then one line rewritten
// in place at most four times a second ("loading: tags 45%, workspace 13,435
// files"), and the result when the load ends ("loading: 126,601 tags, 20,279
// files in 1.4 s"). A load that ended quickly prints nothing at all.
#include <cstdio>
#include <functional>
#include <string>

class ConsoleProgress {
 public:
  using Clock = std::function<double()>;   // seconds

  explicit ConsoleProgress(std::string what, FILE* out = stderr, Clock clock = Clock());
  ~ConsoleProgress();   // ends a shown line that Finish did not end
  ConsoleProgress(const ConsoleProgress&) = delete;
  ConsoleProgress& operator=(const ConsoleProgress&) = delete;

  // True when an Update now would show: callers compose the state only then.
  bool Due() const;
  // Shows the state when it is due.
  void Update(const std::string& state);
  // The load ended with this result; printed with the time taken when the
  // load was long enough for a line.
  void Finish(const std::string& result);
  bool shown() const { return m_shown; }

  // 126601 as "126,601".
  static std::string Count(size_t value);
  // 57 of 126 as "45%".
  static std::string Percent(size_t done, size_t total);

 private:
  void Show(const std::string& text);

  std::string m_what;
  FILE* m_out;
  Clock m_clock;
  double m_start;
  double m_lastShown = -1;
  size_t m_lastLength = 0;
  bool m_shown = false;
  bool m_open = false;   // a shown line waits for its end
};
