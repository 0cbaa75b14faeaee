// The workspace's files while they are still being listed: whoever uses them
// first, the module or the host, waits for them and sees them all; a session
// that ends before anyone used them still keeps its listing for the next start.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "ProgramRunner.h"
#include "host/addin/Workspace.h"
#include "host/app/HostSession.h"
#include "host/app/WorkspaceListing.h"

namespace {

std::vector<std::string> Names(WorkspaceFileCollection& files) {
  std::vector<std::string> names;
  for (int i = 0; i < files.size(); ++i) names.push_back(static_cast<const char*>(files.at(i)->name()));
  return names;
}

TEST(WorkspacePending, TheModulesFirstAskSeesEveryPendingFileAndTheyComeOnce) {
  Workspace workspace;
  int fills = 0;
  workspace.SetPendingFiles([&] {
    ++fills;
    workspace.files().Add("a.c");
    workspace.files().Add("sub\\b.c");
  });
  EXPECT_EQ(fills, 0);
  // The module's way in comes first here.
  WorkspaceFileCollection* files = workspace.GetWorkspaceFiles();
  ASSERT_NE(files, nullptr);
  EXPECT_EQ(Names(*files), (std::vector<std::string>{"a.c", "sub\\b.c"}));
  EXPECT_EQ(workspace.files().size(), 2);
  workspace.Settle();
  EXPECT_EQ(fills, 1);
}

// root: a.c, sub\b.c and a tags file of one tag.
HostOptions SessionIn(const std::string& name) {
  const std::string root = FreshFolder(name);
  CreateDirectoryA((root + "sub").c_str(), nullptr);
  WriteFileBytes(root + "a.c", "int alpha;\n");
  WriteFileBytes(root + "sub\\b.c", "int beta;\n");
  WriteFileBytes(root + "tags", "alpha\ta.c\t/^int alpha;$/;\"\tkind:variable\tline:1\n");
  HostOptions options;
  options.workspace = root.substr(0, root.size() - 1);
  options.profile = root + "profile\\host.ini";
  CreateDirectoryA((root + "profile").c_str(), nullptr);
  DeleteFileA(WorkspaceListing::PathFor(options.profile).c_str());
  options.Complete();
  return options;
}

TEST(WorkspacePending, ASessionEndedBeforeItsFilesWereUsedStillKeepsItsListing) {
  const HostOptions options = SessionIn("zr-pending-ended");
  {
    HostSession session(options);
    session.Load();
    EXPECT_EQ(session.tags().tags().size(), 1u);
  }
  // Written by the listing's thread, which the session waited for (its
  // folders, made just now, are kept as unsure: the next start lists them).
  WorkspaceListing kept;
  EXPECT_TRUE(kept.Read(WorkspaceListing::PathFor(options.profile), options.workspace));
}

TEST(WorkspacePending, TheCatalogAfterALoadHoldsEveryFileInTheScansOrder) {
  const HostOptions options = SessionIn("zr-pending-catalog");
  HostSession session(options);
  session.Load();
  FileCatalog& catalog = session.catalog();
  EXPECT_TRUE(session.WorkspaceListed());
  ASSERT_EQ(catalog.GetCount(), 2u);
  EXPECT_STREQ(static_cast<const char*>(catalog.At(0)->GetBareName()), "a");
  EXPECT_STREQ(static_cast<const char*>(catalog.At(1)->GetBareName()), "b");
  EXPECT_EQ(Names(session.workspace().files()), (std::vector<std::string>{"a.c", "sub\\b.c"}));
}

}  // namespace
