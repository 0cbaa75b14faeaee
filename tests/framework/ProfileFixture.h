#pragma once
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"

// Points the application's profile store at a fresh file for one test.
class ProfileStore : public ::testing::Test {
 protected:
  void SetUp() override {
    m_path = m_folder.File("settings.ini");
    theApp.SetProfilePath(m_path.c_str());
  }
  void TearDown() override { theApp.SetProfilePath(""); }

  // Runs the helper program on the same file; its exit code (-1: not started).
  int RunHelper(const char* mode, const char* section, const char* key, const char* value) {
    return fwtest::RunBesideUs("fwtest_profile_helper.exe", "\"" + m_path + "\" " + mode + " \"" + section +
                                                                "\" \"" + key + "\" \"" + value + "\"");
  }

  fwtest::TempFolder m_folder;
  std::string m_path;
};
