#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "app/ClipboardCapture.h"

namespace pelmo {
namespace {

class FakeHost : public CaptureHost {
 public:
  std::string clipboard;
  void RememberTarget() override {}
  std::optional<std::string> ReadClipboard(bool) override { return clipboard; }
  void SelectNewEntry() override {}
};

struct Pipeline {
  Pipeline() { workspace.options.captureHTML = 1; }
  std::deque<std::string> Capture(const std::string& text) {
    host.clipboard = text;
    capture.OnChange();
    return workspace.links;
  }
  Workspace workspace{"C:\\test\\Pelmo.exe"};
  FakeHost host;
  ClipboardCapture capture{workspace, host};
};

TEST(ClipboardCapture, PutsEveryRecognisedLinkAtTheHeadEvenTheSameTwice) {
  Pipeline p;
  p.Capture("see http://example.com/a.html now");
  p.Capture("no address here");
  EXPECT_EQ(p.Capture("again http://example.com/a.html"),
            (std::deque<std::string>{"http://example.com/a.html", "http://example.com/a.html"}));
  EXPECT_EQ(p.workspace.history.Count(), 3);
}

TEST(ClipboardCapture, RecordsNoLinkWhenSwitchedOffOrLongerThanTheLimit) {
  Pipeline p;
  p.workspace.options.ignoreMore = 20;
  EXPECT_EQ(p.Capture("www.example.com/12345").size(), 0u);  // 21 bytes
  EXPECT_EQ(p.Capture("www.example.com/1234").size(), 1u);   // 20 bytes
  p.workspace.options.captureHTML = 0;
  EXPECT_EQ(p.Capture("www.example.com/1234").size(), 1u);
}

}  // namespace
}  // namespace pelmo
