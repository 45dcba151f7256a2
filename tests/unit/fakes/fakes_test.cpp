// The fakes stand in for the operating system in every other test; these pin the behaviour
// those tests rely on.
#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace tv::fakes {
namespace {

TEST(VirtualTime, TimersRepeatUntilStoppedAndFireInTimeOrder) {
  VirtualTime time;
  std::vector<std::uint32_t> fired;
  time.onTimer = [&](std::uint32_t id) {
    fired.push_back(id);
    if (id == 121) time.Stop(121);  // a one-shot stops itself
  };
  time.Start(40313, 333);
  time.Start(121, 1);
  time.Advance(1000);
  EXPECT_EQ(fired, (std::vector<std::uint32_t>{121, 40313, 40313, 40313}));
  EXPECT_FALSE(time.IsRunning(121));
  EXPECT_EQ(time.ElapsedMs(), 1000u);
}

TEST(VirtualTime, RestartingATimerReplacesItsPeriodAndTicksMissedWhileAsleepComeOnce) {
  VirtualTime time;
  int ticks = 0;
  time.onTimer = [&](std::uint32_t) { ++ticks; };
  time.Start(10, 600);
  time.Advance(599);
  time.Start(10, 150);  // auto-repeat speeds up
  time.Advance(300);
  EXPECT_EQ(ticks, 2);
  time.Sleep(6000);
  EXPECT_EQ(ticks, 2);
  time.Advance(1);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(time.Sleeps(), std::vector<std::uint32_t>{6000});
}

TEST(VirtualTime, LocalTimeRollsOverMidnightAndTheYear) {
  VirtualTime time;
  time.SetLocalTime(2026, 12, 31, 23, 59, 59);
  LocalTime t = time.Now();
  EXPECT_EQ(t.hour, 23);
  EXPECT_EQ(t.dayOfWeek, 4);  // a Thursday
  time.Advance(1500);
  t = time.Now();
  EXPECT_EQ(t.year, 2027);
  EXPECT_EQ(t.month, 1);
  EXPECT_EQ(t.day, 1);
  EXPECT_EQ(t.hour, 0);
  EXPECT_EQ(t.second, 0);
  EXPECT_EQ(t.millisecond, 500);
}

TEST(FakeMessenger, APeerMayAnswerDuringASendBeforeItReturns) {
  FakeMessenger messenger;
  std::vector<std::string> order;
  const WindowRef panel = messenger.AddWindow("PanelClass", "Panel");
  const WindowRef peer = messenger.AddWindow("PeerClass", "Tv");
  messenger.SetHandler(panel, [&](std::uint32_t, std::uintptr_t wParam, std::intptr_t) {
    order.push_back("panel got " + std::to_string(wParam));
    return 0;
  });
  messenger.SetHandler(peer, [&](std::uint32_t, std::uintptr_t wParam, std::intptr_t) {
    order.push_back("peer got " + std::to_string(wParam));
    SendCommand(messenger, panel, 42227, 1);
    return 7;
  });

  EXPECT_EQ(messenger.Find("PeerClass", "Tv"), peer);
  EXPECT_FALSE(messenger.Find("PeerClass", "Other"));
  EXPECT_EQ(SendCommand(messenger, peer, 42227, 0), 7);
  order.push_back("send returned");
  EXPECT_EQ(order,
            (std::vector<std::string>{"peer got 42227", "panel got 42227", "send returned"}));
  ASSERT_EQ(messenger.Log().size(), 2u);
  EXPECT_EQ(messenger.Log()[1].delivery, Delivery::Sent);
  EXPECT_TRUE(messenger.Log()[1].IsCommand(42227));
}

TEST(FakeMessenger, PostsQueueInOrderAndAGoneWindowReceivesNothing) {
  FakeMessenger messenger;
  std::vector<std::uint16_t> received;
  const WindowRef peer =
      messenger.AddWindow("PeerClass", "Tv", [&](std::uint32_t, std::uintptr_t w, std::intptr_t) {
        received.push_back(static_cast<std::uint16_t>(w));
        return 0;
      });
  PostCommand(messenger, peer, 8000, 21);
  PostCommand(messenger, peer, 2017, 875);
  EXPECT_TRUE(received.empty());
  EXPECT_EQ(messenger.DispatchPosted(), 2);
  EXPECT_EQ(received, (std::vector<std::uint16_t>{8000, 2017}));

  messenger.RemoveWindow(peer);
  EXPECT_FALSE(PostCommand(messenger, peer, 8000, 22));
  EXPECT_EQ(SendCommand(messenger, peer, 8000, 22), 0);
  EXPECT_EQ(messenger.CommandsTo(peer), (std::vector<std::uint16_t>{8000, 2017}));
}

TEST(FakeMessageBoxes, RecordsEveryBoxAndAnswersFromTheScript) {
  FakeMessageBoxes boxes;
  boxes.Answer(kIdNo);
  EXPECT_EQ(boxes.Show({}, "Stop?", "AutoScan", kMbYesNo), kIdNo);
  EXPECT_EQ(boxes.Show({}, "Again?", "AutoScan", kMbYesNo), kIdYes);
  EXPECT_EQ(boxes.Show({}, "invalid QvTV.DLL", nullptr, kMbOk), kIdOk);
  ASSERT_EQ(boxes.Shown().size(), 3u);
  EXPECT_FALSE(boxes.Shown()[2].caption.has_value());
  EXPECT_EQ(boxes.Texts()[0], "Stop?");
}

TEST(FakeProfile, WindowsPathsIgnoreCaseAndBareNamesLiveInTheWindowsFolder) {
  FakePlatform fake;
  fake.Install("C:\\Tv");
  fake.profile.WriteString("S", "k", "v", "C:\\TV\\Settings.INI");
  char buffer[16] = {};
  fake.profile.ReadString("S", "k", "", buffer, sizeof buffer, "c:\\tv\\settings.ini");
  EXPECT_STREQ(buffer, "v");
  fake.profile.WriteString("S", "k", "w", "bare.ini");
  EXPECT_EQ(fake.profile.HostPath("bare.ini"), fake.profile.HostPath("C:\\Windows\\BARE.ini"));
  fake.files.ChangeDirectory("C:\\Tv");
  EXPECT_EQ(fake.profile.HostPath("sub\\x.ini"), fake.profile.HostPath("C:\\tv\\sub\\x.ini"));
}

}  // namespace
}  // namespace tv::fakes
