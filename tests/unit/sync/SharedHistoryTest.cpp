// The shared history against a sync service played in memory: each computer has a folder of its
// own, and the service copies a journal from one to the other when and how the test says.
#include <gtest/gtest.h>

#include <map>

#include "../TestSupport.h"
#include "sync/FolderJournalFiles.h"
#include "sync/SharedHistory.h"

namespace pelmo {
namespace {

struct Folder : JournalFiles {
  std::vector<std::string> Journals() override {
    std::vector<std::string> names;
    for (const auto& file : files) names.push_back(file.first);
    return names;
  }
  std::optional<JournalBytes> Read(const std::string& name, size_t offset, size_t count) override {
    if (!files.count(name)) return std::nullopt;
    const std::string& bytes = files[name];
    return JournalBytes{offset < bytes.size() ? bytes.substr(offset, count) : "", bytes.size()};
  }
  bool Append(const std::string& name, const std::string& bytes) override {
    if (fail) return false;
    files[name] += bytes;
    return true;
  }
  bool Replace(const std::string& name, const std::string& bytes) override {
    if (fail) return false;
    files[name] = bytes;
    return true;
  }
  std::map<std::string, std::string> files;
  bool fail = false;
};

// Not a cipher: enough of one to tell a key, a record's place and a change apart.
struct MarkSealer : RecordSealer {
  explicit MarkSealer(char key) : key(key) {}
  std::string Seal(const std::string& plain, const std::string& associated) override {
    std::string sealed = plain;
    for (char& c : sealed) c ^= key;
    return sealed + Mark(sealed, associated);
  }
  std::optional<std::string> Open(const std::string& sealed,
                                  const std::string& associated) override {
    if (sealed.size() < 4) return std::nullopt;
    std::string plain = sealed.substr(0, sealed.size() - 4);
    if (sealed.substr(plain.size()) != Mark(plain, associated)) return std::nullopt;
    for (char& c : plain) c ^= key;
    return plain;
  }
  std::string Mark(const std::string& sealed, const std::string& associated) const {
    return std::string(1, key) + std::to_string(Crc32(sealed + associated)).substr(0, 3);
  }
  char key;
};

struct Keys : JournalKeys {
  explicit Keys(char key = 0) : sealer(key) {}
  bool HasPassphrase() const override { return sealer.key != 0; }
  JournalHeader NewHeader() override {  // id, generation, encrypted, iterations, salt
    const bool sealed = HasPassphrase();
    return {++ids * 1000 + static_cast<unsigned char>(sealer.key), 0, sealed, sealed ? 5u : 0u,
            sealed ? std::string(kSaltBytes, 's') : ""};
  }
  RecordSealer* SealerFor(const JournalHeader&) override {
    return HasPassphrase() ? &sealer : nullptr;
  }
  MarkSealer sealer;
  static inline uint64_t ids = 0;
};

const std::string kA = "DESK-ann.pelmosync";

// Computer A writes; computer B, with its own folder, profile and keys, reads what the service
// delivered of A's journal.
struct SharedHistoryTest : testing::Test {
  using Texts = std::vector<std::string>;
  std::string& Journal() { return a.files[kA]; }
  void Deliver(const std::string& bytes) { b.files[kA] = bytes; }
  void Share(const std::string& text, int kind = kPlain, std::u16string wide = {}) {
    ASSERT_TRUE(writer->Share(HistoryItem{text, std::move(wide), kind, 0}, ++clock));
  }
  // The texts of what B takes in, telling no problem.
  Texts TakeIn() {
    const SyncNews news = reader->TakeIn();
    EXPECT_TRUE(news.problems.empty()) << news.problems.front();
    Texts texts;
    for (const JournalRecord& record : news.records) texts.push_back(record.text);
    return texts;
  }
  // What B takes in once the service delivered A's journal as it is now.
  Texts DeliveredNow() {
    Deliver(Journal());
    return TakeIn();
  }

  Folder a, b;
  Keys aKeys, bKeys;
  test::MapProfile aProfile, bProfile;
  uint64_t clock = 1000;
  std::unique_ptr<SharedHistory> writer =
      std::make_unique<SharedHistory>(a, aKeys, aProfile, kA, 3);
  std::unique_ptr<SharedHistory> reader =
      std::make_unique<SharedHistory>(b, bKeys, bProfile, "LAP-ann.pelmosync", 3);
};

TEST(JournalFormat, ARecordsBytesAreFixed) {
  const JournalHeader header;
  const std::string record =
      EncodeRecord(header, {7, 0x0102, kConcatenated, "ab", u"\u00e9"}, nullptr);
  EXPECT_EQ(record, std::string("PLSJ\x18\0\0\0\x07\0\0\0\0\0\0\0"
                                "\x02\x01\0\0\0\0\0\0\x01\0\0\0\x02\0\0\0ab\x01\0\0\0\xe9\0"
                                "\x0e\x3c\x51\x07",
                                44));
  const RecordScan scan = ScanRecords(record, 48, header, nullptr);
  ASSERT_EQ(scan.records.size(), 1u);
  EXPECT_EQ(scan.records[0].wide, u"\u00e9");
  EXPECT_EQ(scan.end, 48 + record.size());
  EXPECT_EQ(OwnJournalName("DESK 1", "Zoë"), "DESK_1-Zo__.pelmosync");
}

TEST_F(SharedHistoryTest, EachRecordIsTakenOnceHoweverTheServiceDeliversIt) {
  Share("one");
  Share("two", kConcatenated, u"tw\u03c9");
  const std::string early = Journal();
  Share("three");
  // Half a file: the whole records count, the torn one waits until it is whole.
  Deliver(Journal().substr(0, Journal().size() - 5));
  EXPECT_EQ(TakeIn(), (Texts{"one", "two"}));
  b.files["tmp-4f2a9c0d1e"] = Journal();  // a temporary file on its way is not a journal
  EXPECT_EQ(TakeIn(), Texts{});
  EXPECT_EQ(DeliveredNow(), Texts{"three"});
  Deliver(Journal());  // the same file again
  Deliver(early);      // an older version of it, shorter
  EXPECT_EQ(TakeIn(), Texts{});
  Share("four");
  EXPECT_EQ(DeliveredNow(), Texts{"four"});
  // After a restart, what was taken stays taken; a new record still comes.
  reader = std::make_unique<SharedHistory>(b, bKeys, bProfile, "LAP-ann.pelmosync", 3);
  Share("five");
  EXPECT_EQ(DeliveredNow(), Texts{"five"});
}

TEST_F(SharedHistoryTest, ARewrittenJournalKeepsTheLastRecordsAndGivesNothingTwice) {
  Share("1");
  Share("2");
  EXPECT_EQ(DeliveredNow(), (Texts{"1", "2"}));
  // Seven records are more than twice three: the journal keeps the last three, and where the
  // reader stopped is now the start of another record.
  for (const char* text : {"3", "4", "5", "6", "7"}) Share(text);
  EXPECT_EQ(DeliveredNow(), (Texts{"5", "6", "7"}));
  Share("8");
  EXPECT_EQ(DeliveredNow(), Texts{"8"});
  // A journal begun again (deleted, or under another passphrase) is another journal.
  a.files.clear();
  writer = std::make_unique<SharedHistory>(a, aKeys, aProfile, kA, 3);
  Share("new");
  EXPECT_EQ(DeliveredNow(), Texts{"new"});
}

TEST_F(SharedHistoryTest, DamageIsSkippedAndToldOnceAndATornOwnEndIsWrittenAgain) {
  Share("one");
  const size_t second = Journal().size();
  Share("two");
  Share("three");
  std::string damaged = Journal();
  damaged[second + 20] ^= 1;
  Deliver(damaged);
  SyncNews news = reader->TakeIn();
  ASSERT_EQ(news.records.size(), 2u);
  EXPECT_EQ(news.records[1].text, "three");
  EXPECT_EQ(news.problems, std::vector<std::string>{
                               "The journal of DESK-ann in the sync folder has a damaged record. "
                               "It was skipped; the records after it are taken in."});
  Deliver(damaged.substr(0, damaged.size() - 1));  // an older copy: read again from the start
  EXPECT_TRUE(reader->TakeIn().problems.empty()) << "the same damage is told once";
  // Our own append cut short by a crash: the next start writes the journal whole again and goes
  // on after the last whole record.
  Share("four");
  Journal().resize(Journal().size() - 3);
  writer = std::make_unique<SharedHistory>(a, aKeys, aProfile, kA, 3);
  Share("five");
  EXPECT_EQ(DeliveredNow(), Texts{"five"});
  // A file that only looks like a journal is told once.
  b.files["junk.pelmosync"] = std::string(60, 'x');
  EXPECT_EQ(reader->TakeIn().problems.size(), 1u);
  EXPECT_TRUE(reader->TakeIn().problems.empty());
}

TEST_F(SharedHistoryTest, OnlyTheSamePassphraseOpensAJournalAndAFailedWriteIsMadeGood) {
  aKeys.sealer.key = 'k';
  writer = std::make_unique<SharedHistory>(a, aKeys, aProfile, kA, 3);
  Share("secret words");
  Deliver(Journal());
  EXPECT_EQ(Journal().find("secret"), std::string::npos);
  EXPECT_EQ(reader->TakeIn().problems.size(), 1u) << "no passphrase here";
  bKeys.sealer.key = 'x';
  reader = std::make_unique<SharedHistory>(b, bKeys, bProfile, "LAP-ann.pelmosync", 3);
  EXPECT_EQ(reader->TakeIn().problems.size(), 1u);
  Share("more");
  EXPECT_EQ(DeliveredNow(), Texts{}) << "nothing opened, and the problem said once";
  bKeys.sealer.key = 'k';
  reader = std::make_unique<SharedHistory>(b, bKeys, bProfile, "LAP-ann.pelmosync", 3);
  EXPECT_EQ(TakeIn(), (Texts{"secret words", "more"}));
  // A folder that cannot be written from the start: that is told once, and the first write
  // that works writes the journal whole, with what could not be written before.
  a.files.erase(kA);
  a.fail = true;
  writer = std::make_unique<SharedHistory>(a, aKeys, aProfile, kA, 3);
  EXPECT_FALSE(writer->TakeOwnProblem().empty());
  EXPECT_FALSE(writer->Share({"lost?", {}, kPlain, 0}, 1));
  EXPECT_TRUE(writer->TakeOwnProblem().empty());
  a.fail = false;
  Share("back");
  EXPECT_EQ(DeliveredNow(), (Texts{"lost?", "back"}));
}

TEST(SharedHistoryOnDisk, RecordsBecomeEntriesByTheCapturesRules) {
  test::TempDir dir;
  FolderJournalFiles files(dir.File(""));
  Keys keys;
  test::MapProfile profile;
  SharedHistory desk(files, keys, profile, kA, 3);
  SharedHistory laptop(files, keys, profile, "LAP-ann.pelmosync", 3);
  for (const char* text : {"", "far too long", "marked", "files"})
    desk.Share({text, {}, kMarked, 0}, 5);
  desk.Share({"files", {}, kDroppedFiles, 0}, 6);
  SyncNews news = laptop.TakeIn();
  ASSERT_EQ(news.records.size(), 5u);
  EXPECT_EQ(dir.Names(), (test::Strings{kA, "LAP-ann.pelmosync"}));

  Workspace workspace{"unused"};
  workspace.options.ignoreMore = 6;
  workspace.options.deleteAfter = 2;
  workspace.history.InsertTop("older", kPlain);
  workspace.history.InsertTop("old", kPlain);
  const HistoryItem* newest = InsertShared(workspace, news.records);
  ASSERT_EQ(workspace.history.Texts(), (test::Strings{"files", "files"}));
  EXPECT_EQ(newest, &workspace.history.At(0));
  EXPECT_EQ(std::make_pair(workspace.history.At(0).kind, workspace.history.At(1).kind),
            (std::pair<int, int>(kDroppedFiles, kPlain)));
  EXPECT_EQ(InsertShared(workspace, {{1, 1, kPlain, "", u""}}), nullptr);
}
}  // namespace
}  // namespace pelmo
