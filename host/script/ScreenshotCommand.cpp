#include "host/script/ScreenshotCommand.h"
#include "host/script/WindowCapture.h"

void ScreenshotCommand(ScriptContext& context, const ScriptLine& line) {
  MainWindow& main = context.window();
  const std::string& what = line.Word(1);
  HWND window = nullptr;
  if (what == "tags" && main.tagBrowser()) window = main.tagBrowser()->GetSafeHwnd();
  if (what == "files" && main.filePicker()) window = main.filePicker()->GetSafeHwnd();
  if (what == "extra" && main.extraFilesWindow()) window = main.extraFilesWindow()->GetSafeHwnd();
  if (what == "editor" || what == "main") window = main.GetSafeHwnd();
  if (!window) return context.Fail("screenshot: " + what + " is not open");
  std::string path = FullPath(line.RestAfter(2));
  if (!CaptureWindow(window, path)) return context.Fail("screenshot: cannot write " + path);
  context.Say("screenshot of " + what + " written");
}
