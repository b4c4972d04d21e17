// A tool window's context without the strip: a workspace whose files are named after this test
// exe, a clipboard port that records what the windows ask of it, and an owner without a window.
#pragma once

#include <string>
#include <vector>

#include "framework/ModulePath.h"
#include "tools/ToolContext.h"

namespace pelmo::test {

class FakePort : public ClipboardPort {
 public:
  void PutBack(const HistoryItem& item, bool) override { copies.push_back("back " + item.text); }
  void CopyAs(const HistoryItem& text, int) override { copies.push_back("as " + text.text); }
  void CopyFromOwnWindow(const HistoryItem& text) override { copies.push_back("own " + text.text); }
  bool ReturnFocus() override {
    ++focusReturns;
    return true;
  }
  bool GoToTarget(bool) override { return false; }
  std::vector<std::string> copies;
  int focusReturns = 0;
};

struct ToolTestContext {
  Workspace workspace{ModuleFileName()};
  FakePort port;
  CWnd owner;
  ToolContext context{workspace, port, owner};
};

}  // namespace pelmo::test
