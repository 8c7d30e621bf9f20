#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/object.h"

class CCmdTarget;
class CCmdUI;

using CommandHandler = void (CCmdTarget::*)();
using UpdateHandler = void (CCmdTarget::*)(CCmdUI*);

// One row of a message map: a command id and the member that handles it, or
// the member that tells whether it is enabled.
struct CommandEntry {
  UINT id;
  CommandHandler onCommand;
  UpdateHandler onUpdate;
};

template <class T>
CommandEntry OnCommand(UINT id, void (T::*handler)()) {
  return CommandEntry{id, static_cast<CommandHandler>(handler), nullptr};
}

template <class T>
CommandEntry OnUpdateCommand(UINT id, void (T::*handler)(CCmdUI*)) {
  return CommandEntry{id, nullptr, static_cast<UpdateHandler>(handler)};
}

// A class's command table, chained to its base class's.
struct MessageMap {
  const MessageMap* base;
  const CommandEntry* entries;
  std::size_t count;
};

template <std::size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const CommandEntry (&entries)[N]) {
  return MessageMap{base, entries, N};
}

// What a routed command asks of a target.
enum class CommandCall {
  Execute,  // run the handler
  Update,   // run the enable handler with the CCmdUI
  Probe,    // only tell whether a handler exists
};

// Anything that commands can be routed to.
class CCmdTarget : public CObject {
 public:
  static const MessageMap messageMap;

  virtual const MessageMap* GetMessageMap() const { return &messageMap; }

  // Looks id up along this target's route and carries out call; returns
  // whether a matching handler was found. Routing classes extend the route.
  virtual bool OnCmdMsg(UINT id, CommandCall call, CCmdUI* ui);

  // Runs the command's handler, if any along the route.
  bool ExecuteCommand(UINT id) { return OnCmdMsg(id, CommandCall::Execute, nullptr); }

 protected:
  bool DispatchFromOwnMap(UINT id, CommandCall call, CCmdUI* ui);
};

// Carries the enable and check state of one command while it is asked.
class CCmdUI {
 public:
  explicit CCmdUI(UINT id) : m_nID(id) {}
  virtual ~CCmdUI() = default;

  virtual void Enable(bool on = true) { m_bEnabled = on; }
  virtual void SetCheck(int check = 1) { m_nCheck = check; }

  // Asks target; when nobody answers, a command with a handler counts as
  // enabled, and one without counts as disabledIfNoHandler says.
  void DoUpdate(CCmdTarget* target, bool disableIfNoHandler);

  UINT m_nID;
  bool m_bEnabled = true;
  int m_nCheck = 0;
};
