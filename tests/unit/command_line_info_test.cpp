#include "framework/command_line_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CCommandLineInfo Parse(const std::vector<std::string>& arguments) {
  CCommandLineInfo info;
  info.ParseArguments(arguments);
  return info;
}

TEST(CommandLineInfo, ShellCommandByArguments) {
  struct Case {
    std::vector<std::string> arguments;
    CCommandLineInfo::ShellCommand command;
    std::string fileName;
  };
  const Case cases[] = {
      {{}, CCommandLineInfo::FileNew, ""},
      {{"C:\\board.txt"}, CCommandLineInfo::FileOpen, "C:\\board.txt"},
      {{"/p", "C:\\board.txt"}, CCommandLineInfo::FilePrint, "C:\\board.txt"},
      {{"-pt", "C:\\b.txt", "printer", "driver", "port"}, CCommandLineInfo::FilePrintTo, "C:\\b.txt"},
      {{"/dde"}, CCommandLineInfo::FileDDE, ""},
      {{"/dde", "C:\\b.txt"}, CCommandLineInfo::FileDDE, "C:\\b.txt"},
      {{"/Unregister"}, CCommandLineInfo::AppUnregister, ""},
      {{"-UNREGSERVER", "C:\\b.txt"}, CCommandLineInfo::AppUnregister, "C:\\b.txt"},
      {{"/unregister"}, CCommandLineInfo::AppUnregister, ""},
      // "p", "pt" and "dde" only as written; unknown switches are ignored.
      {{"/P", "C:\\b.txt"}, CCommandLineInfo::FileOpen, "C:\\b.txt"},
      {{"/DDE"}, CCommandLineInfo::FileNew, ""},
      {{"/verbose", "C:\\b.txt", "C:\\c.txt"}, CCommandLineInfo::FileOpen, "C:\\b.txt"},
      {{"/Embedding"}, CCommandLineInfo::FileNew, ""},
  };
  for (const Case& c : cases) {
    const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
    SCOPED_TRACE(shown);
    const CCommandLineInfo info = Parse(c.arguments);
    EXPECT_EQ(info.m_nShellCommand, c.command);
    EXPECT_EQ(info.m_strFileName, c.fileName);
  }
}

TEST(CommandLineInfo, EmbeddingAndAutomationInAnyCase) {
  const CCommandLineInfo info = Parse({"-embedding", "/AUTOMATION"});
  EXPECT_TRUE(info.m_bRunEmbedded);
  EXPECT_TRUE(info.m_bRunAutomated);
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
}

TEST(CommandLineInfo, PrintToTakesPrinterDriverAndPort) {
  const CCommandLineInfo info = Parse({"/pt", "C:\\b.txt", "printer", "driver", "port"});
  EXPECT_EQ(info.m_strPrinterName, "printer");
  EXPECT_EQ(info.m_strDriverName, "driver");
  EXPECT_EQ(info.m_strPortName, "port");
}

}  // namespace
