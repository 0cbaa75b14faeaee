// zorvoreg-host: the host add-in and the IDE in one program. It loads
// ZorvoReg.mod as the add-in does and offers the file picker, the tag browser
// and the extra-files window over an editor view; with --script it runs a
// command file against its own windows and prints what they show.
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <string>
#include <vector>
#include "fw/WinApp.h"
#include "host/app/HostOptions.h"
#include "host/app/HostSession.h"
#include "host/script/KeyInput.h"
#include "host/app/MainWindow.h"
#include "host/script/ScriptRunner.h"

namespace {

// The application object: the module reaches the profile store through it.
class HostApp : public CWinApp {
 public:
  HostApp() : CWinApp("ZorvoReg host") {}
};
HostApp theApp;

// Seconds since this process was created.
double SecondsSinceStart() {
  FILETIME created, exited, kernel, user, now;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER from = {{created.dwLowDateTime, created.dwHighDateTime}};
  ULARGE_INTEGER to = {{now.dwLowDateTime, now.dwHighDateTime}};
  return static_cast<double>(to.QuadPart - from.QuadPart) / 1e7;   // 100 ns units
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "zorvoreg-host: %s\n", message.c_str());
  MessageBeep(MB_ICONERROR);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  HostOptions options;
  std::string error;
  if (!options.Parse(args, error)) return Fail(error + "\n" + HostOptions::Usage());
  if (options.help) {
    std::fputs(HostOptions::Help().c_str(), stdout);
    return 0;
  }
  options.Complete();
  theApp.SetProfilePath(options.profile.c_str());
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  std::vector<std::string> script;
  if (!options.script.empty() && !ScriptRunner::ReadScript(options.script, script))
    return Fail("cannot read the script " + options.script);

  HostSession session(options);
  std::printf("workspace %s\n", options.workspace.c_str());
  std::fflush(stdout);

  int result = 0;
  {
    // The window first: on a big tree its status line shows the load's progress.
    MainWindow window(session);
    if (!window.Create()) return Fail("cannot create the main window");
    theApp.m_pMainWnd = &window;
    ::SetActiveWindow(window.GetSafeHwnd());
    session.Load([&window](const std::string& text) { window.ShowLoadProgress(text); });
    if (!session.tags().loaded()) {
      std::printf("tags %s: %s; make it in the workspace with\n  %s\n", options.tags.c_str(),
                  session.tags().failure().c_str(), HostOptions::CtagsCommand().c_str());
    }
    std::printf("tags %s: %u tags", options.tags.c_str(), static_cast<unsigned>(session.tags().tags().size()));
    if (session.tags().invalidLines()) std::printf(", %d lines not understood", session.tags().invalidLines());
    std::printf("\nprofile %s\n", options.profile.c_str());
    std::fflush(stdout);
    if (!session.Start(error)) return Fail(error);
    window.WatchWorkspace();
    // After a load long enough to show its progress, how long the person waited.
    if (session.loadWasLong()) {
      std::fprintf(stderr, "ready: %s %.1f s after the program started\n",
                   session.WorkspaceListed() ? "tags and workspace loaded" : "tags loaded, workspace still being listed,",
                   SecondsSinceStart());
    }
    if (!script.empty()) {
      ScriptRunner runner(window, session);
      result = runner.Run(script) ? 1 : 0;
      std::printf("%s\n", result ? "script: FAILED" : "script: done");
      std::fflush(stdout);
      if (window.IsWindow()) window.DestroyWindow();
      PumpPending();
    } else {
      theApp.Run();
    }
    theApp.m_pMainWnd = nullptr;
  }
  session.Stop();
  return result;
}
