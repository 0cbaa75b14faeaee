#include "host/script/ExpectCommand.h"
#include <cstdlib>
#include <cstring>

bool LastStatusCounts(const std::string& output, long& shown, long& all) {
  const std::string lead = "status line \"";
  size_t at = output.rfind(lead);
  if (at == std::string::npos) return false;
  const char* text = output.c_str() + at + lead.size();
  char* end = nullptr;
  shown = std::strtol(text, &end, 10);
  if (end == text || std::strncmp(end, " of ", 4) != 0) return false;
  text = end + 4;
  all = std::strtol(text, &end, 10);
  return end != text && (std::strncmp(end, " tags\"", 6) == 0 || std::strncmp(end, " files\"", 7) == 0);
}

void ExpectCommand(ScriptContext& context, const ScriptLine& line) {
  std::string text = line.RestAfter(1);
  const std::string& output = context.lastOutput();
  if (text == "narrowed") {
    long shown = 0, all = 0;
    if (!LastStatusCounts(output, shown, all))
      return context.Fail("expected a status line \"N of M\" in the output above");
    if (shown <= 0 || shown >= all)
      return context.Fail("expected the filters to narrow the list: " + std::to_string(shown) + " of " +
                          std::to_string(all));
    return context.Say("ok (" + std::to_string(shown) + " of " + std::to_string(all) + ")");
  }
  if (output.find(text) != std::string::npos) {
    context.Say("ok");
  } else {
    context.Fail("expected \"" + text + "\" in the output above");
  }
}
