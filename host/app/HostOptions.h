#pragma once
// The command line of zorvoreg-host:
//   --workspace DIR     folder of source files (default: the sources the
//                       program was built from, i.e. the folder above bin\..)
//   --tags FILE         tags file (default: DIR\tags, or DIR\.tags when DIR\tags
//                       is a folder)
//   --profile FILE      settings file (default: %APPDATA%\ZorvoReg\zorvoreg-host.ini)
//   --extra-files FILE  extra-files file (default: DIR\zorvoreg.xf)
//   --lines             jump by the tags file's line numbers alone (exact on
//                       the tree as tagged, blind to edits made since); by
//                       default the host picks each jump's line when the tag
//                       is chosen (host/jumplines/JumpLine.h)
//   --script FILE       run the commands of FILE and print a transcript
//   --help, -h          print the usage and exit
#include <string>
#include <vector>

struct HostOptions {
  std::string workspace;
  std::string tags;
  std::string profile;
  std::string extraFiles;
  std::string script;
  bool jumpByLine = false;
  bool help = false;

  // False with a message in error for an unknown option or a missing value.
  bool Parse(const std::vector<std::string>& args, std::string& error);
  // Fills the defaults that depend on other options; paths become full paths.
  void Complete();

  // The synopsis, printed after a bad option.
  static std::string Usage();
  // What --help prints: the synopsis, every option, the keys and the ctags
  // command that makes a tags file this host reads.
  static std::string Help();
  // That ctags command, run in the folder of sources, with the full path of
  // the options file in this program's source tree.
  static std::string CtagsCommand();
};

// A full Windows path for a path given on the command line (a Linux path
// "/x/y" is taken as Z:\x\y, as Wine maps the root file system).
std::string FullPath(const std::string& path);
