// The console's progress line: silent for a quick load, then rewritten in
// place no more than four times a second, and the result with the time taken.
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include "host/app/ConsoleProgress.h"

namespace {

// Captures what the progress line writes, on a clock the test moves.
class ProgressRun {
 public:
  ProgressRun() : m_file(std::tmpfile()) {}
  ~ProgressRun() {
    if (m_file) std::fclose(m_file);
  }
  ConsoleProgress::Clock Clock() {
    return [this] { return m_now; };
  }
  void At(double seconds) { m_now = seconds; }
  FILE* file() const { return m_file; }
  std::string Text() const {
    std::fflush(m_file);
    std::string text;
    std::rewind(m_file);
    for (int ch; (ch = std::fgetc(m_file)) != EOF;) text += static_cast<char>(ch);
    return text;
  }

 private:
  FILE* m_file;
  double m_now = 100.0;
};

TEST(ConsoleProgress, AQuickLoadPrintsNothing) {
  ProgressRun run;
  ASSERT_NE(run.file(), nullptr);
  {
    ConsoleProgress progress("reading the tags", run.file(), run.Clock());
    run.At(100.2);
    EXPECT_FALSE(progress.Due());
    progress.Update("half");
    run.At(100.4);
    progress.Finish("22 tags");
    EXPECT_FALSE(progress.shown());
  }
  EXPECT_EQ(run.Text(), "");
}

TEST(ConsoleProgress, ALongLoadShowsOneLineRewrittenAndItsResult) {
  ProgressRun run;
  ASSERT_NE(run.file(), nullptr);
  {
    ConsoleProgress progress("reading the tags", run.file(), run.Clock());
    run.At(100.6);
    EXPECT_TRUE(progress.Due());
    progress.Update("45% (57,000 of 126,601 lines)");
    run.At(100.7);
    EXPECT_FALSE(progress.Due());   // within a quarter second: not shown
    progress.Update("47% (60,000 of 126,601 lines)");
    run.At(100.9);
    progress.Update("100% (126,601 of 126,601 lines)");
    run.At(101.44);
    progress.Finish("126,601 tags");
    EXPECT_TRUE(progress.shown());
  }
  EXPECT_EQ(run.Text(),
            "\rreading the tags: 45% (57,000 of 126,601 lines)"
            "\rreading the tags: 100% (126,601 of 126,601 lines)"
            "\rreading the tags: 126,601 tags in 1.4 s          \n");
}

TEST(ConsoleProgress, AShownLineEndsAndALongLoadWithoutUpdatesStillSaysItsResult) {
  ProgressRun counting;
  {
    ConsoleProgress progress("scanning the workspace", counting.file(), counting.Clock());
    counting.At(101);
    progress.Update("13,435 files");
  }   // no Finish: the line still ends
  EXPECT_EQ(counting.Text(), "\rscanning the workspace: 13,435 files\n");

  ProgressRun silent;
  {
    ConsoleProgress progress("scanning the workspace", silent.file(), silent.Clock());
    silent.At(100.8);
    progress.Finish("20,279 files");
  }
  EXPECT_EQ(silent.Text(), "\rscanning the workspace: 20,279 files in 0.8 s\n");
}

TEST(ConsoleProgress, CountsHaveThousandsSeparatorsAndPercentagesRoundDown) {
  EXPECT_EQ(ConsoleProgress::Percent(1, 3), "33%");
  EXPECT_EQ(ConsoleProgress::Percent(199, 200), "99%");
  EXPECT_EQ(ConsoleProgress::Percent(5, 0), "100%");   // nothing to do is done
  EXPECT_EQ(ConsoleProgress::Percent(7, 5), "100%");
  EXPECT_EQ(ConsoleProgress::Count(0), "0");
  EXPECT_EQ(ConsoleProgress::Count(999), "999");
  EXPECT_EQ(ConsoleProgress::Count(1000), "1,000");
  EXPECT_EQ(ConsoleProgress::Count(126601), "126,601");
  EXPECT_EQ(ConsoleProgress::Count(1234567), "1,234,567");
}

}  // namespace
