#include "framework/cmd_target.h"

const MessageMap CCmdTarget::messageMap{nullptr, nullptr, 0};

bool CCmdTarget::DispatchFromOwnMap(UINT id, CommandCall call, CCmdUI* ui) {
  for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
    for (std::size_t i = 0; i < map->count; ++i) {
      const CommandEntry& entry = map->entries[i];
      if (entry.id != id) continue;
      switch (call) {
        case CommandCall::Execute:
          if (entry.onCommand == nullptr) continue;
          (this->*entry.onCommand)();
          return true;
        case CommandCall::Update:
          if (entry.onUpdate == nullptr) continue;
          (this->*entry.onUpdate)(ui);
          return true;
        case CommandCall::Probe:
          if (entry.onCommand == nullptr) continue;
          return true;
      }
    }
  }
  return false;
}

bool CCmdTarget::OnCmdMsg(UINT id, CommandCall call, CCmdUI* ui) {
  return DispatchFromOwnMap(id, call, ui);
}

void CCmdUI::DoUpdate(CCmdTarget* target, bool disableIfNoHandler) {
  if (target->OnCmdMsg(m_nID, CommandCall::Update, this)) return;
  if (disableIfNoHandler) Enable(target->OnCmdMsg(m_nID, CommandCall::Probe, nullptr));
}
