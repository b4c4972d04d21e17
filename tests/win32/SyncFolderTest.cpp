// The sync folder as the program meets it: its watch posts one message for changes until the
// window takes it, and journals written under the real keys open under the same passphrase only.
#include <gtest/gtest.h>

#include "../unit/TestSupport.h"
#include "WindowTestSupport.h"
#include "sync/FolderJournalFiles.h"
#include "sync/FolderWatch.h"
#include "sync/PassphraseKeys.h"
#include "sync/SharedHistory.h"

namespace pelmo {
namespace {

constexpr UINT kChanged = WM_APP + 7;

int posted = 0;
LRESULT CALLBACK CountChanges(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kChanged) ++posted;
  return ::DefWindowProcA(window, message, wParam, lParam);
}

TEST(SyncFolder, AChangeIsPostedOnceUntilTakenAndTheKeysOpenTheirOwnJournals) {
  test::TempDir dir;
  HWND window = ::CreateWindowA(test::TestClass("SyncFolderTest", CountChanges), "", 0, 0, 0, 0, 0,
                                HWND_MESSAGE, nullptr, nullptr, nullptr);
  {
    FolderWatch watch(dir.File(""), window, kChanged);
    ASSERT_TRUE(watch.Watching());
    FolderJournalFiles files(dir.File(""));
    test::MapProfile profile;
    PassphraseKeys deskKeys("pässwörd"), laptopKeys("pässwörd"), otherKeys("another");
    SharedHistory desk(files, deskKeys, profile, "DESK-ann.pelmosync", 10);
    const JournalHeader header = *DecodeHeader(files.Read("DESK-ann.pelmosync", 0, 48)->bytes);
    EXPECT_GE(header.iterations, PassphraseKeys::kMinIterations);
    EXPECT_TRUE(test::PumpUntil([] { return posted == 1; }));
    desk.Share({"written", {}, kPlain, 0}, 1);
    desk.Share({"twice", {}, kPlain, 0}, 2);
    test::Settle(300);
    EXPECT_EQ(posted, 1);  // not taken yet
    watch.Taken();
    desk.Share({"thrice", {}, kPlain, 0}, 3);
    EXPECT_TRUE(test::PumpUntil([] { return posted == 2; }));

    EXPECT_EQ(
        SharedHistory(files, laptopKeys, profile, "LAP-ann.pelmosync", 10).TakeIn().records.size(),
        3u);
    test::MapProfile fresh;
    const SyncNews other = SharedHistory(files, otherKeys, fresh, "OTH-ann.pelmosync", 10).TakeIn();
    EXPECT_TRUE(other.records.empty());
    EXPECT_EQ(other.problems.size(), 1u);  // the desk's journal does not open; the laptop's is empty
  }
  ::DestroyWindow(window);
}

}  // namespace
}  // namespace pelmo
