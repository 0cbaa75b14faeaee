#include "ProgramRunner.h"
#include <windows.h>
#include <fstream>
#include <iterator>
#include <thread>

std::string BinFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

ProgramResult RunProgram(const std::string& program, const std::string& arguments, const std::string& input) {
  ProgramResult result;
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE outRead = nullptr, outWrite = nullptr, inRead = nullptr, inWrite = nullptr;
  if (!CreatePipe(&outRead, &outWrite, &inherit, 0) || !CreatePipe(&inRead, &inWrite, &inherit, 0)) return result;
  SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = inRead;
  startup.hStdOutput = outWrite;
  startup.hStdError = outWrite;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + BinFolder() + program + "\" " + arguments;
  bool started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  CloseHandle(outWrite);
  CloseHandle(inRead);
  if (!started) {
    CloseHandle(outRead);
    CloseHandle(inWrite);
    return result;
  }
  std::thread feeder([&]() {
    DWORD written = 0;
    if (!input.empty()) WriteFile(inWrite, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    CloseHandle(inWrite);
  });
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(outRead, buffer, sizeof(buffer), &read, nullptr) && read > 0) result.output.append(buffer, read);
  feeder.join();
  WaitForSingleObject(process.hProcess, 120000);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  result.exitCode = static_cast<int>(code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  CloseHandle(outRead);
  // Line ends as written on Windows; the tests compare with "\n".
  std::string plain;
  for (char ch : result.output) {
    if (ch != '\r') plain += ch;
  }
  result.output = plain;
  return result;
}

std::string FreshFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
  // Files only: a subfolder a test made stays (the name holds the process id).
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
