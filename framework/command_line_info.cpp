#include "framework/command_line_info.h"

#include <algorithm>
#include <cctype>

namespace {

bool EqualsIgnoringCase(const std::string& a, const char* b) {
  const std::string other(b);
  return a.size() == other.size() &&
         std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

void CCommandLineInfo::ParseParam(const std::string& param, bool isSwitch, bool isLast) {
  if (isSwitch) {
    // "p", "pt" and "dde" exactly as written; the others in any case.
    if (param == "pt") {
      m_nShellCommand = FilePrintTo;
    } else if (param == "p") {
      m_nShellCommand = FilePrint;
    } else if (EqualsIgnoringCase(param, "Unregister") || EqualsIgnoringCase(param, "Unregserver")) {
      m_nShellCommand = AppUnregister;
    } else if (param == "dde") {
      m_nShellCommand = FileDDE;
    } else if (EqualsIgnoringCase(param, "Embedding")) {
      m_bRunEmbedded = true;
    } else if (EqualsIgnoringCase(param, "Automation")) {
      m_bRunAutomated = true;
    }
  } else if (m_strFileName.empty()) {
    m_strFileName = param;
  } else if (m_nShellCommand == FilePrintTo && m_strPrinterName.empty()) {
    m_strPrinterName = param;
  } else if (m_nShellCommand == FilePrintTo && m_strDriverName.empty()) {
    m_strDriverName = param;
  } else if (m_nShellCommand == FilePrintTo && m_strPortName.empty()) {
    m_strPortName = param;
  }
  if (isLast && m_nShellCommand == FileNew && !m_strFileName.empty()) m_nShellCommand = FileOpen;
}

void CCommandLineInfo::ParseArguments(const std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool isSwitch = !argument.empty() && (argument[0] == '/' || argument[0] == '-');
    ParseParam(isSwitch ? argument.substr(1) : argument, isSwitch, i + 1 == arguments.size());
  }
}
