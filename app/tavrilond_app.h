#pragma once

#include "framework/win_app.h"

class CTavrilondApp : public CWinApp {
 public:
  static const MessageMap messageMap;
  const MessageMap* GetMessageMap() const override { return &messageMap; }

  BOOL InitInstance() override;
  void OnAppAbout();
};
