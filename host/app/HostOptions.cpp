#include "host/app/HostOptions.h"
#include <windows.h>
#include <shlobj.h>
#include "host/addin/ModuleLoader.h"

bool HostOptions::Parse(const std::vector<std::string>& args, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--lines") {
      jumpByLine = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      help = true;
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
         "                     [--extra-files FILE] [--lines] [--script FILE]\n"
         "       zorvoreg-host --help\n";
}

std::string HostOptions::CtagsCommand() {
  // The source tree is where this program was built from (a Linux path).
  std::string options = std::string(ZR_SOURCE_DIR) + "/host/tagstore/zorvoreg.ctags";
  if (options.find(' ') != std::string::npos) options = "\"" + options + "\"";
  return "ctags --options=" + options + " -f tags -R .";
}

std::string HostOptions::Help() {
  return Usage() +
         "\n"
         "The host add-in and a small IDE in one program: it loads ZorvoReg.mod as the\n"
         "add-in does and offers the tag browser, the file picker and the extra files\n"
         "of a folder of sources.\n"
         "\n"
         "  --workspace DIR     the folder of sources (default: the source tree this\n"
         "                      program was built from)\n"
         "  --tags FILE         the tags file (default: DIR\\tags, or DIR\\.tags when\n"
         "                      DIR\\tags is a folder)\n"
         "  --profile FILE      the settings (default: %APPDATA%\\ZorvoReg\\zorvoreg-host.ini)\n"
         "  --extra-files FILE  the extra-files file (default: DIR\\zorvoreg.xf)\n"
         "  --lines             jump by the tags file's line numbers alone, blind to edits\n"
         "                      made since (by default each jump's line is picked from\n"
         "                      the file's current text when the tag is chosen)\n"
         "  --script FILE       run the commands of FILE and print what the windows show\n"
         "  --help, -h          print this text and exit\n"
         "\n"
         "Keys: Ctrl+T browses the tags, Ctrl+P opens a file, Ctrl+E the extra files,\n"
         "F5 reads the tags again, Ctrl+R restarts the module. In the tag browser and the\n"
         "file picker, arrows and page keys move the list, Enter takes the selected row\n"
         "(or the first), Ctrl+A selects the filter's text.\n"
         "\n"
         "A tags file for DIR, made in DIR:\n"
         "  " + CtagsCommand() + "\n";
}
