#pragma once
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>

#include "fw/WinApp.h"

extern CWinApp theApp;

namespace fwtest {

// A new empty folder under the system's temporary folder, removed with its files.
class TempFolder {
 public:
  TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char name[MAX_PATH];
    GetTempFileNameA(base, "fwt", 0, name);   // reserve a unique name, then make it a folder
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    m_path = name;
  }
  ~TempFolder() {
    for (const std::string& name : FileNames()) {
      const std::string file = File(name.c_str());
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    }
    RemoveDirectoryA(m_path.c_str());
  }
  std::string File(const char* name) const { return m_path + "\\" + name; }
  // The names of the files in the folder (not of folders).
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

// The whole content of a file as bytes ("" when it cannot be read).
inline std::string ReadAll(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) text.append(buffer, read);
  CloseHandle(file);
  return text;
}

inline void WriteAll(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// What RunBesideUs returns for a program that did not end in time (it is
// ended then) and for one that could not be started.
constexpr int kTimedOut = -2;
constexpr int kNotStarted = -1;

// Runs a program of the test's own folder with arguments and waits for it (up
// to timeoutMs); its exit code, kTimedOut or kNotStarted.
inline int RunBesideUs(const std::string& program, const std::string& arguments, DWORD timeoutMs = 60000) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string path(exe);
  path = path.substr(0, path.rfind('\\') + 1) + program;
  std::string command = "\"" + path + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(path.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    // Said here: a program's own exit code can be -1 as well.
    std::fprintf(stderr, "RunBesideUs: cannot start %s (error %lu)\n", path.c_str(), GetLastError());
    return kNotStarted;
  }
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 10000);
    code = static_cast<DWORD>(kTimedOut);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

}  // namespace fwtest
