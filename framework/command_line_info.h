#pragma once

#include <string>
#include <vector>

// What the program's arguments ask the application to do at start-up.
class CCommandLineInfo {
 public:
  enum ShellCommand {
    FileNew,
    FileOpen,
    FilePrint,
    FilePrintTo,
    FileDDE,
    AppUnregister,
  };

  virtual ~CCommandLineInfo() = default;

  // One argument: param is its text without the leading '/' or '-' when it
  // is a switch.
  virtual void ParseParam(const std::string& param, bool isSwitch, bool isLast);

  // Feeds every argument (without the program's name) through ParseParam.
  void ParseArguments(const std::vector<std::string>& arguments);

  ShellCommand m_nShellCommand = FileNew;
  bool m_bRunEmbedded = false;
  bool m_bRunAutomated = false;
  std::string m_strFileName;
  std::string m_strPrinterName;
  std::string m_strDriverName;
  std::string m_strPortName;
};
