#include "base/profile_snapshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ini_file.h"
#include "fakes/fake_platform.h"

namespace tv {
namespace {

// Files with the quirks the profile calls are known for; the snapshot must answer every
// question exactly as a fresh read of the file would.
const char* const kFiles[] = {
    "[Panel]\r\nPanelNow=2\r\n2PANEL_W= 236 \r\n[2PANEL_BTN]\r\nIDS_CHUP=\"Channel up\"\r\n",
    "top=1\n[a]\nk=v\n[A]\nk=second\nnovalue\n;comment=3\n[b]\nn=0x1F\nm=-12abc\nq='x'\n",
    "\xEF\xBB\xBF[u]\nk=\xC3\xA9t\xC3\xA9\n[]\nz=1\n[x]y]\nw=2\n",
    "",
};

// clang-format off
const struct { const char *section, *key, *def; std::uint32_t size; } kQuestions[] = {
    {"panel", "2panel_w", "", 260}, {"2PANEL_BTN", "IDS_CHUP", "", 8}, {"a", "k", "d", 260},
    {"a", "novalue", "dflt ", 260}, {"b", "q", "", 260}, {"", "top", "", 260}, {"u", "k", "", 260},
    {"x]y", "w", "", 260}, {nullptr, nullptr, "", 260}, {"a", nullptr, "", 5},
    {"missing", "k", "\"q\"", 260}};
// clang-format on

TEST(ProfileSnapshot, AnswersEveryReadOfItsFileAsTheFileWould) {
  for (const char* text : kFiles) {
    fakes::FakePlatform fake;
    fake.Install();
    fake.WriteFile("C:\\Tv\\Panel.ini", text);
    const std::string host = fake.profile.HostPath("C:\\Tv\\Panel.ini").string();
    ProfileSnapshot snapshot(fake.profile, "C:\\TV\\panel.ini");  // any spelling of the path
    for (const auto& q : kQuestions) {
      SCOPED_TRACE(std::string(text) + " / " + (q.section ? q.section : "(null)") + " / " +
                   (q.key ? q.key : "(null)"));
      std::vector<char> direct(q.size, '\x7f'), cached(q.size, '\x7f');
      const auto n1 = ini::GetString(q.section, q.key, q.def, direct.data(), q.size, host.c_str());
      const auto n2 =
          snapshot.ReadString(q.section, q.key, q.def, cached.data(), q.size, "C:\\Tv\\Panel.ini");
      EXPECT_EQ(n1, n2);
      EXPECT_EQ(std::string(direct.data(), n1 + 1), std::string(cached.data(), n2 + 1));
      if (q.section != nullptr && q.key != nullptr) {
        EXPECT_EQ(ini::GetInt(q.section, q.key, 77, host.c_str()),
                  snapshot.ReadInt(q.section, q.key, 77, "C:\\Tv\\Panel.ini"));
      }
    }
    EXPECT_EQ(fake.profile.wholeReads, 1);
    // The answers came from the snapshot: a later change to the file does not show.
    fake.WriteFile("C:\\Tv\\Panel.ini", "[a]\nk=changed\n");
    char after[16];
    snapshot.ReadString("a", "k", "", after, sizeof after, "C:\\Tv\\Panel.ini");
    EXPECT_STRNE(after, "changed");
  }
}

// Passes everything on and keeps the writes that reached it.
struct WriteLog : fakes::FakeProfile {
  using FakeProfile::FakeProfile;
  bool WriteString(const char* s, const char* k, const char* v, const char* file) override {
    writes.push_back(std::string(s) + "/" + k + "=" + (v ? v : "(delete)"));
    return FakeProfile::WriteString(s, k, v, file);
  }
  std::vector<std::string> writes;
};

TEST(ProfileSnapshot, SkipsOnlyTheWritesThatWouldLeaveTheFileAsItIs) {
  fakes::TempDir dir;
  WriteLog log(dir.Path());
  const std::string file = "C:\\Tv\\Settings.ini";
  std::filesystem::create_directories(log.HostPath(file).parent_path());
  log.WriteString("L", "1", "TRUE", file.c_str());
  log.WriteString("L", "2", "FALSE", file.c_str());
  log.WriteString("T", "c", "8", file.c_str());
  log.writes.clear();
  ProfileSnapshot burst(log, "c:\\tv\\settings.ini", /*skipUnchanged=*/true);
  const char* const writes[][3] = {{"l", "1", "TRUE"},  {"L", "2", "TRUE"},  {"L", "3", "TRUE"},
                                   {"t", "C", "8"},     {"L", "2", "FALSE"}, {"L", "1", "TRUE1"},
                                   {"T", "c", nullptr}, {"L", "4", ""}};
  for (const auto& w : writes) EXPECT_TRUE(burst.WriteString(w[0], w[1], w[2], file.c_str()));
  EXPECT_EQ(log.writes, (std::vector<std::string>{"L/2=TRUE", "L/3=TRUE", "L/2=FALSE", "L/1=TRUE1",
                                                  "T/c=(delete)", "L/4="}));
  EXPECT_EQ(ini::Document(log.ReadAll(file.c_str())).GetInt("L", "2", 7), 0);
}

}  // namespace
}  // namespace tv
