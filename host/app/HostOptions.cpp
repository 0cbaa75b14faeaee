#include "host/app/HostOptions.h"
#include <windows.h>
#include <shlobj.h>
#include "host/module/ModuleLoader.h"

bool HostOptions::Parse(const std::vector<std::string>& args, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--lines") {
      jumpByLine = true;
      continue;
    }
    std::string* target = arg == "--workspace"     ? &workspace
                          : arg == "--tags"        ? &tags
                          : arg == "--profile"     ? &profile
                          : arg == "--extra-files" ? &extraFiles
                          : arg == "--script"      ? &script
                                                   : nullptr;
    if (!target) {
      error = "unknown option: " + arg;
      return false;
    }
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      error = "missing value for " + arg;
      return false;
    }
    *target = args[++i];
  }
  return true;
}

std::string FullPath(const std::string& path) {
  std::string name = path;
  if (!name.empty() && name[0] == '/') name = "Z:" + name;
  for (char& ch : name) {
    if (ch == '/') ch = '\\';
  }
  char full[MAX_PATH * 2] = {};
  DWORD length = GetFullPathNameA(name.c_str(), sizeof(full), full, nullptr);
  if (length == 0 || length >= sizeof(full)) return name;
  std::string result(full, length);
  while (result.size() > 3 && result.back() == '\\') result.pop_back();
  return result;
}

void HostOptions::Complete() {
  if (workspace.empty()) {
    // bin\ sits in the build folder, which sits in the checkout.
    workspace = std::string(static_cast<const char*>(ModuleLoader::ExecutableFolder())) + "..\\..";
  }
  workspace = FullPath(workspace);
  if (tags.empty()) {
    // A source folder named tags (as this project has) leaves the name to a folder.
    tags = workspace + "\\tags";
    DWORD attributes = GetFileAttributesA(tags.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) tags = workspace + "\\.tags";
  } else {
    tags = FullPath(tags);
  }
  extraFiles = extraFiles.empty() ? workspace + "\\zorvoreg.xf" : FullPath(extraFiles);
  if (profile.empty()) {
    char appData[MAX_PATH] = {};
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData) == S_OK) {
      std::string folder = std::string(appData) + "\\ZorvoReg";
      CreateDirectoryA(folder.c_str(), nullptr);
      profile = folder + "\\zorvoreg-host.ini";
    } else {
      profile = workspace + "\\zorvoreg-host.ini";
    }
  } else {
    profile = FullPath(profile);
  }
  if (!script.empty()) script = FullPath(script);
}

std::string HostOptions::Usage() {
  return "usage: zorvoreg-host [--workspace DIR] [--tags FILE] [--profile FILE]\n"
         "                     [--extra-files FILE] [--lines] [--script FILE]\n";
}
