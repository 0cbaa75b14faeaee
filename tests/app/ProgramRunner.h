#pragma once
// Runs one of the build's programs (beside the test executable) with
// arguments and standard input, and collects its standard output and exit code.
#include <string>

struct ProgramResult {
  int exitCode = -1;
  std::string output;
};

ProgramResult RunProgram(const std::string& program, const std::string& arguments, const std::string& input = "");
// A fresh empty folder in the temporary folder, with a trailing backslash.
std::string FreshFolder(const std::string& name);
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
std::string BinFolder();
