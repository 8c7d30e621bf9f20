// Start-up as the user or the shell starts the program: the settings it keeps
// in the registry, a path or switches on the command line, and how each run
// ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell_support.h"

namespace e2e::shell {
namespace {

using Files = std::map<std::string, std::string>;

std::string Quote(const std::string& path) { return "\"" + path + "\""; }

std::string FullPath(const std::string& path) {
  char full[MAX_PATH * 2] = {};
  GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return full;
}

// Every case starts from no settings and leaves none behind.
class ShellStart : public ::testing::Test {
 protected:
  void SetUp() override { ClearSettings(); }
  void TearDown() override { ClearSettings(); }
};

TEST_F(ShellStart, FirstStartMakesTheKeysAndAnAtOnceCloseStoresNothing) {
  ASSERT_FALSE(KeyExists(kVendorKey));
  auto app = StartTavrilondWith("");
  ASSERT_TRUE(app);

  // Reading the settings at start-up made every key they live in.
  EXPECT_TRUE(KeyExists(kVendorKey));
  EXPECT_TRUE(KeyExists(kAppKey));
  EXPECT_TRUE(KeyExists(kRecentKey));
  EXPECT_TRUE(KeyExists(kSettingsKey));
  EXPECT_EQ(WindowBytes(app->frame), sjis::kFrameTitle);

  EXPECT_EQ(CloseNormally(*app), 0u);
  EXPECT_FALSE(KeyExists(kRecentKey)) << "an empty list leaves no key";
  const auto settings = KeyValues(kSettingsKey);
  ASSERT_TRUE(settings) << "Settings is gone";
  EXPECT_TRUE(settings->empty()) << "PreviewPages written though it was 0";
}

// The list is read at start-up by position, a missing value counting as an
// empty place; the path given is made absolute and put first; at the end
// every non-empty place is written under its own position.
TEST_F(ShellStart, PathOnTheCommandLineIsOpenedAndStoredFirst) {
  TempFolder temp;
  const std::string content = "not a board\r\n";
  const std::string file = temp.Write("position.txt", content);
  CreateDirectoryA(temp.Path("sub").c_str(), nullptr);
  const std::string roundabout = temp.Dir() + "sub\\..\\.\\position.txt";
  WriteString(kRecentKey, "File1", "C:\\earlier\\first.txt");
  WriteString(kRecentKey, "File3", "C:\\earlier\\third.txt");
  WriteDword(kSettingsKey, "PreviewPages", 2);

  auto app = StartTavrilondWith(Quote(roundabout));
  ASSERT_TRUE(app);
  EXPECT_EQ(WindowBytes(app->frame), sjis::kFrameTitle);
  EXPECT_EQ(WindowBytes(app->Box()), "");
  EXPECT_EQ(CloseNormally(*app), 0u);

  EXPECT_EQ(StoredRecentFiles(), (Files{{"File1", FullPath(file)},
                                        {"File2", "C:\\earlier\\first.txt"},
                                        {"File4", "C:\\earlier\\third.txt"}}));
  EXPECT_EQ(ReadFileBytes(file), content) << "opening wrote to the file";
  const auto settings = KeyValues(kSettingsKey);
  ASSERT_TRUE(settings && settings->count("PreviewPages"));
  EXPECT_EQ(settings->at("PreviewPages").type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(settings->at("PreviewPages").data, std::string("\2\0\0\0", 4));
}

// "p", "pt" and "dde" count only as written; other spellings, switches the
// program does not know and the accepted "Embedding" and "Automation" leave
// an ordinary start with the file opened.
TEST_F(ShellStart, OtherSwitchesLeaveAnOrdinaryStart) {
  TempFolder temp;
  const std::string file = temp.Write("game.txt", "x");
  auto app = StartTavrilondWith("/P /PT /DDE /Embedding -automation /frobnicate -x " +
                                Quote(file));
  ASSERT_TRUE(app);
  EXPECT_EQ(WindowBytes(app->frame), sjis::kFrameTitle);
  EXPECT_EQ(VisibleWindowsOf(app->process.Id()).size(), 1u);
  EXPECT_EQ(CloseNormally(*app), 0u);
  EXPECT_EQ(StoredRecentFiles(), (Files{{"File1", FullPath(file)}}));
}

// ---------------------------------------------------------------- runs that end by themselves

enum class Preset { kNone, kSettings, kSettingsAndNeighbour };
enum class After { kNoKeys, kNeighbourOnly, kSettingsWithoutList, kFileFirst };

struct EndingRun {
  const char* name;
  const char* args;  // {file} stands for a file that can be opened,
                     // {missing} for one that does not exist, {dir} for a
                     // folder
  Preset preset;
  int messages;  // message boxes captioned "Tavrilond"
  After after;
};

std::ostream& operator<<(std::ostream& os, const EndingRun& r) {
  return os << r.args;
}

class ShellEndingRun : public ShellStart,
                       public ::testing::WithParamInterface<EndingRun> {
 protected:
  void TearDown() override {
    DeleteKeyTree(std::string(kVendorKey) + "\\Neighbour");
    ShellStart::TearDown();
  }
};

std::string Expand(std::string args, const TempFolder& temp) {
  const std::pair<std::string, std::string> names[] = {
      {"{file}", Quote(temp.Path("game.txt"))},
      {"{missing}", Quote(temp.Path("no such file.txt"))},
      {"{dir}", Quote(temp.Path("folder"))},
  };
  for (const auto& [from, to] : names)
    for (size_t at; (at = args.find(from)) != std::string::npos;)
      args.replace(at, from.size(), to);
  return args;
}

TEST_P(ShellEndingRun, EndsWithoutAWindow) {
  const EndingRun& c = GetParam();
  TempFolder temp;
  const std::string content = "board\r\n";
  const std::string file = temp.Write("game.txt", content);
  CreateDirectoryA(temp.Path("folder").c_str(), nullptr);
  if (c.preset != Preset::kNone) {
    WriteString(kRecentKey, "File1", "C:\\earlier\\first.txt");
    WriteDword(kSettingsKey, "PreviewPages", 1);
  }
  if (c.preset == Preset::kSettingsAndNeighbour)
    WriteString(std::string(kVendorKey) + "\\Neighbour", "Kept", "yes");

  const RunResult run = RunToEnd(Expand(c.args, temp));

  EXPECT_EQ(run.exitCode, 0u) << "did not end cleanly";
  EXPECT_EQ(run.windowTitles, std::vector<std::string>{})
      << "showed a window other than a message box";
  EXPECT_EQ(run.boxCaptions,
            std::vector<std::string>(c.messages, sjis::kAppName));
  for (const std::string& text : run.boxTexts)
    EXPECT_NE(text, "") << "a message box without a text";
  EXPECT_EQ(ReadFileBytes(file), content);

  switch (c.after) {
    case After::kNoKeys:
      EXPECT_FALSE(KeyExists(kAppKey));
      EXPECT_FALSE(KeyExists(kVendorKey));
      break;
    case After::kNeighbourOnly:
      EXPECT_FALSE(KeyExists(kAppKey));
      EXPECT_EQ(SubKeys(kVendorKey), std::vector<std::string>{"Neighbour"});
      break;
    case After::kSettingsWithoutList:
      EXPECT_TRUE(KeyExists(kSettingsKey));
      EXPECT_FALSE(KeyExists(kRecentKey));
      break;
    case After::kFileFirst:
      EXPECT_EQ(StoredRecentFiles(),
                (Files{{"File1", FullPath(file)}}));
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, ShellEndingRun,
    ::testing::Values(
        // Unregistering removes the settings, then the vendor key when
        // nothing else is left in it, saves nothing at the end, and says so
        // unless started embedded.
        EndingRun{"Unregister", "/Unregister", Preset::kSettings, 1,
                  After::kNoKeys},
        EndingRun{"UnregserverAnyCase", "-UnRegServer", Preset::kNone, 1,
                  After::kNoKeys},
        EndingRun{"UnregisterEmbeddedKeepsTheNeighbour",
                  "/unregister /Embedding", Preset::kSettingsAndNeighbour, 0,
                  After::kNeighbourOnly},
        // Printing opens the file unseen and prints nothing; the file is
        // remembered.
        EndingRun{"Print", "/p {file}", Preset::kNone, 0, After::kFileFirst},
        EndingRun{"PrintTo", "/pt {file} Printer Driver Port", Preset::kNone,
                  0, After::kFileFirst},
        EndingRun{"Dde", "/dde", Preset::kNone, 0, After::kSettingsWithoutList},
        // A file that cannot be opened is reported, and the run ends.
        EndingRun{"PrintMissingFile", "/p {missing}", Preset::kNone, 1,
                  After::kSettingsWithoutList},
        EndingRun{"MissingFile", "{missing}", Preset::kNone, 1,
                  After::kSettingsWithoutList},
        EndingRun{"Folder", "{dir}", Preset::kNone, 1,
                  After::kSettingsWithoutList}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e::shell
