// The tags reader on the tags files that ctags wrote from tests/app/fixtures
// at build time (app-fixtures/ beside the test executable).
#include <gtest/gtest.h>
#include <fstream>
#include <string>
#include <vector>
#include "host/tagstore/TagKind.h"
#include "host/tagstore/TagSet.h"
#include "host/addin/ModuleLoader.h"

namespace {

std::string FixturePath(const char* name) {
  return std::string(static_cast<const char*>(ModuleLoader::ExecutableFolder())) + "app-fixtures\\" + name;
}

std::vector<std::string> SourceLines(const char* file) {
  std::ifstream in(FixturePath(file), std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

class TagsFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tags.Load(FixturePath("tags").c_str())); }

  TagEntry* Find(const char* name, int type) {
    for (TagEntry* tag : tags.tags()) {
      if (std::string(tag->Name()) == name && tag->TypeCode() == type) return tag;
    }
    ADD_FAILURE() << "no tag " << name << " of type " << type;
    return nullptr;
  }

  TagSet tags;
};

TEST_F(TagsFile, KindsMapToTheTagTypes) {
  struct Expect { const char* name; int type; };
  const Expect expected[] = {
      {"Circle", TagClass},     {"Draw", TagDecl},          {"shapeCount", TagDecl},
      {"SHAPE_LIMIT", TagDefine}, {"Color", TagEnum},       {"Red", TagEnumVal},
      {"Draw", TagFunction},    {"radius", TagMemVar},      {"geo", TagNSpace},
      {"Point", TagStruct},     {"Length", TagTypedef},     {"Value", TagUnion},
      {"shapeTotal", TagVariable}};
  for (const Expect& e : expected) {
    TagEntry* tag = Find(e.name, e.type);
    ASSERT_NE(tag, nullptr);
    EXPECT_STREQ(tag->GetName(), e.name);
  }
  EXPECT_EQ(tags.invalidLines(), 0);
  EXPECT_EQ(tags.skippedKinds(), 0);
}

TEST_F(TagsFile, ScopeGivesParentNameAndNamespace) {
  TagEntry* radius = Find("radius", TagMemVar);
  EXPECT_STREQ(radius->GetParentName(), "Circle");
  EXPECT_STREQ(radius->GetNamespace(), "geo::flat");
  TagEntry* circle = Find("Circle", TagClass);   // scope kind namespace: the scope itself
  EXPECT_STREQ(circle->GetParentName(), "flat");
  EXPECT_STREQ(circle->GetNamespace(), "geo::flat");
  TagEntry* red = Find("Red", TagEnumVal);
  EXPECT_STREQ(red->GetParentName(), "Color");
  EXPECT_STREQ(red->GetNamespace(), "geo");
  TagEntry* size = Find("size", TagMemVar);      // struct at global scope
  EXPECT_STREQ(size->GetParentName(), "Plain");
  EXPECT_STREQ(size->GetNamespace(), "");
  TagEntry* geo = Find("geo", TagNSpace);
  EXPECT_STREQ(geo->GetParentName(), "");
  EXPECT_EQ(geo->GetParentTag(), nullptr);
}

TEST_F(TagsFile, ParentTagIsTheScopeTagOfTheSameFile) {
  EXPECT_EQ(Find("radius", TagMemVar)->GetParentTag(), Find("Circle", TagClass));
  EXPECT_EQ(Find("Red", TagEnumVal)->GetParentTag(), Find("Color", TagEnum));
  EXPECT_EQ(Find("Circle", TagClass)->GetParentTag(), Find("flat", TagNSpace));
  EXPECT_EQ(Find("size", TagMemVar)->GetParentTag(), Find("Plain", TagStruct));
  // The definition in shapes.cpp: its class lives in another file.
  EXPECT_EQ(Find("Draw", TagFunction)->GetParentTag(), nullptr);
}

TEST_F(TagsFile, PatternsAreTheSourceLinesAndLinesAreKept) {
  std::vector<std::string> header = SourceLines("shapes.h");
  std::vector<std::string> source = SourceLines("shapes.cpp");
  int checked = 0;
  for (size_t i = 0; i < tags.tags().size(); ++i) {
    TagEntry* tag = tags.tags()[i];
    const CtagsEntry e = tags.EntryAt(i);
    EXPECT_STREQ(tag->GetSearchString(), e.searchString.c_str());
    const std::vector<std::string>& lines = e.file == "shapes.h" ? header : source;
    ASSERT_GE(e.line, 1) << e.name;
    ASSERT_LE(e.line, static_cast<int>(lines.size())) << e.name;
    std::string text = lines[e.line - 1];
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (e.typeCode == TagDefine) {   // ctags cuts a macro's pattern after its name
      EXPECT_EQ(e.searchString, "^#define SHAPE_LIMIT ");
      continue;
    }
    EXPECT_EQ(e.searchString, "^" + text + "$") << e.name;
    ++checked;
    // Jumps search the pattern: the line goes to the module as -1.
    EXPECT_EQ(tag->GetLine(), -1);
  }
  EXPECT_GT(checked, 20);
  // The escaped '/' and '\' and a tab inside the pattern.
  EXPECT_STREQ(Find("IsSeparator", TagFunction)->GetSearchString(),
            "^inline int IsSeparator(char c) { return c == '/' || c == '\\\\'; }  // a/b\\c$");
  EXPECT_STREQ(Find("Tabbed", TagDecl)->GetSearchString(), "^int\tTabbed(int a);$");
  tags.SetJumpByLine(true);
  EXPECT_EQ(Find("radius", TagMemVar)->GetLine(), 7);
}

TEST_F(TagsFile, FilesAreFullPathsWithOneFileObjectEach) {
  TagEntry* radius = Find("radius", TagMemVar);
  TagEntry* circle = Find("Circle", TagClass);
  EXPECT_EQ(std::string(radius->GetFileName()), FixturePath("shapes.h"));
  EXPECT_EQ(radius->GetFileObject(), circle->GetFileObject());
  FileEntry* file = radius->GetFileObject();
  EXPECT_STREQ(file->GetBareName(), "shapes");
  EXPECT_STREQ(file->GetExtension(), "h");
  EXPECT_STREQ(file->GetPathText(), "shapes.h");
  EXPECT_NE(Find("Draw", TagFunction)->GetFileObject(), file);
}

TEST(TagsLineFile, LineAddressesGiveLinesAndNoPatterns) {
  TagSet tags;
  ASSERT_TRUE(tags.Load(FixturePath("tags-lines").c_str()));
  ASSERT_GT(tags.tags().size(), 20u);
  for (TagEntry* tag : tags.tags()) {
    EXPECT_STREQ(tag->GetSearchString(), "") << tag->GetName();
    EXPECT_GE(tag->GetLine(), 1) << tag->GetName();
  }
}

TEST(TagsLineFile, MissingFileGivesAnEmptySet) {
  TagSet tags;
  ASSERT_TRUE(tags.Load(FixturePath("tags").c_str()));
  EXPECT_TRUE(tags.loaded());
  EXPECT_FALSE(tags.Load(FixturePath("no-such-tags").c_str()));
  EXPECT_FALSE(tags.loaded());
  EXPECT_TRUE(tags.tags().empty());
  // A folder is not a tags file either.
  EXPECT_FALSE(tags.Load(ModuleLoader::ExecutableFolder() + "app-fixtures"));
  EXPECT_TRUE(tags.tags().empty());
}

TEST(TagsLineFile, ReloadReplacesTheTags) {
  TagSet tags;
  ASSERT_TRUE(tags.Load(FixturePath("tags").c_str()));
  size_t count = tags.tags().size();
  ASSERT_TRUE(tags.Reload());
  EXPECT_EQ(tags.tags().size(), count);
}

TEST(TagSetLines, NamespaceFallbackDataAndBadLines) {
  // A member whose scope is an unqualified class: its own namespace is empty
  // and its parent tag carries the namespace the module falls back to.
  TagSet tags;
  tags.AddLines({"Box\tb.h\t/^class Box {$/;\"\tkind:class\tline:2\tnamespace:store",
                 "store\tb.h\t/^namespace store {$/;\"\tkind:namespace\tline:1",
                 "width\tb.h\t/^  int width;$/;\"\tkind:member\tline:3\tclass:Box",
                 "junk line", "!_TAG_PROGRAM_NAME\tUniversal Ctags\t//",
                 "lab\tb.h\t/^lab:$/;\"\tkind:label\tline:9"},
                "C:\\w\\");
  ASSERT_EQ(tags.tags().size(), 3u);
  TagEntry* width = tags.tags()[2];
  EXPECT_STREQ(width->GetNamespace(), "");
  ASSERT_NE(width->GetParentTag(), nullptr);
  EXPECT_STREQ(width->GetParentTag()->GetNamespace(), "store");
  EXPECT_STREQ(width->GetFileName(), "C:\\w\\b.h");
  EXPECT_EQ(tags.invalidLines(), 1);
  EXPECT_EQ(tags.skippedKinds(), 1);
}

TEST(TagSetPaths, ResolvePath) {
  EXPECT_EQ(TagSet::ResolvePath("./src/a.cpp", "C:\\w\\"), "C:\\w\\src\\a.cpp");
  EXPECT_EQ(TagSet::ResolvePath("D:\\x\\a.h", "C:\\w\\"), "D:\\x\\a.h");
  EXPECT_EQ(TagSet::ResolvePath("/tmp/a.h", "C:\\w\\"), "Z:\\tmp\\a.h");
}

}  // namespace
