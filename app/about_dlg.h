#pragma once

#include "framework/dialog.h"

// The About box: icon, version line, notice and OK.
class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
};
