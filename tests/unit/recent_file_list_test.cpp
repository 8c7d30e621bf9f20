#include "framework/recent_file_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

TEST(RecentFileList, NewestFirstAndTheFifthPushesTheOldestOut) {
  RecentFileList list(4);
  EXPECT_TRUE(list.IsEmpty());
  for (const char* path : {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\d.txt", "C:\\e.txt"}) {
    list.Add(path);
  }
  EXPECT_EQ(list.Entries(), (Entries{"C:\\e.txt", "C:\\d.txt", "C:\\c.txt", "C:\\b.txt"}));
}

TEST(RecentFileList, AFileAlreadyListedMovesUpWithoutDroppingAnother) {
  RecentFileList list(4);
  for (const char* path : {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\d.txt"}) list.Add(path);
  list.Add("c:\\B.TXT");  // the same file in other letter case
  EXPECT_EQ(list.Entries(), (Entries{"c:\\B.TXT", "C:\\d.txt", "C:\\c.txt", "C:\\a.txt"}));
  list.Add("c:\\B.TXT");
  EXPECT_EQ(list.Entries(), (Entries{"c:\\B.TXT", "C:\\d.txt", "C:\\c.txt", "C:\\a.txt"}));
}

TEST(RecentFileList, GapsFromTheRegistryKeepTheirPlaces) {
  RecentFileList list(4);
  list.SetEntry(0, "C:\\one");
  list.SetEntry(2, "C:\\three");
  list.Add("C:\\new");
  EXPECT_EQ(list.Entries(), (Entries{"C:\\new", "C:\\one", "", "C:\\three"}));
}

TEST(SamePathIgnoringCase, FoldsOnlySingleByteLetters) {
  EXPECT_TRUE(SamePathIgnoringCase("C:\\Data\\Board.TXT", "c:\\data\\board.txt"));
  EXPECT_FALSE(SamePathIgnoringCase("C:\\a", "C:\\ab"));
  // ア (83 41) and the second byte's lower-case twin (83 61, ヂ) are two
  // different characters, never the same file.
  EXPECT_FALSE(SamePathIgnoringCase("C:\\\x83\x41", "C:\\\x83\x61"));
  EXPECT_TRUE(SamePathIgnoringCase("C:\\\x83\x41x", "c:\\\x83\x41X"));
}

}  // namespace
