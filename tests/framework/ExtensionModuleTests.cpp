#include <gtest/gtest.h>

#include "Peer.h"
#include "TestSupport.h"
#include "fw/ExtensionModule.h"

TEST(ApplicationObject, OneObjectSeenFromEveryDll) {
  EXPECT_EQ(AfxGetApp(), &theApp);
  EXPECT_EQ(PeerGetApp(), &theApp);
  EXPECT_EQ(theApp.m_strAppName, "framework_tests");
  EXPECT_EQ(AfxGetInstanceHandle(), GetModuleHandleA(nullptr));
  CWinApp second("second");   // a second object does not replace the first
  EXPECT_EQ(AfxGetApp(), &theApp);
}

TEST(ApplicationObject, RunReturnsTheQuitCode) {
  PostQuitMessage(17);
  EXPECT_EQ(theApp.Run(), 17);
}

TEST(ExtensionModule, LibraryRecordsAreSharedAndRemovedPerModule) {
  AFX_EXTENSION_MODULE none;
  EXPECT_FALSE(AfxInitExtensionModule(none, nullptr));

  int before = AfxGetLibraryCount();
  ASSERT_TRUE(PeerInitExtension());   // the DLL adds its record
  AFX_EXTENSION_MODULE mine;
  ASSERT_TRUE(AfxInitExtensionModule(mine, GetModuleHandleA(nullptr)));
  new CDynLinkLibrary(mine);          // and the program its own
  EXPECT_EQ(AfxGetLibraryCount(), before + 2);
  EXPECT_EQ(AfxGetLibraryModule(0), GetModuleHandleA(nullptr));
  EXPECT_EQ(AfxGetLibraryModule(1), PeerModule());
  EXPECT_EQ(AfxGetLibraryModule(before + 2), nullptr);
  EXPECT_EQ(AfxGetLibraryModule(-1), nullptr);

  PeerTermExtension();                // only the DLL's record goes
  EXPECT_EQ(AfxGetLibraryCount(), before + 1);
  EXPECT_EQ(AfxGetLibraryModule(0), GetModuleHandleA(nullptr));

  CDynLinkLibrary* direct = new CDynLinkLibrary(mine);
  delete direct;                      // a record deleted directly leaves the list
  EXPECT_EQ(AfxGetLibraryCount(), before + 1);

  AfxTermExtensionModule(mine, true);
  EXPECT_EQ(AfxGetLibraryCount(), 0);
}
