// The about window's version check and the web links, through the real windows: the
// check runs whenever the about window becomes active, against a server of the
// test's own named by STROHVIK_SERVER as a player would name it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "shell_fixture.h"
#include "tests/settings/test_http_server.h"

namespace strohvik {
namespace {

using Clock = std::chrono::steady_clock;

std::string Answer(const std::string& body) { return "HTTP/1.0 200 OK\r\n\r\n" + body; }

// The server of the test is running before the program starts and reads the variable.
class Online : public ShellFixture {
 protected:
  void StartWith(const std::string& serverValue) {
    ::setenv("STROHVIK_SERVER", serverValue.c_str(), 1);
    ShellFixture::SetUp();
    ::unsetenv("STROHVIK_SERVER");
    shell_->HandlePending();
  }
  void SetUp() override {}

  // Lets the toolkit deliver the activation that showing the window causes, until the
  // server has seen as many requests as expected; bounded, not a poll without end.
  void HandleUntilRequests(const TestHttpServer& server, size_t count) {
    const auto end = Clock::now() + std::chrono::seconds(8);
    while (server.Requests().size() < count && Clock::now() < end) shell_->HandlePending();
    shell_->HandlePending();
  }
};

TEST_F(Online, TheLinksOpenTheServersPagesAndReturnAtOnce) {
  StartWith("example.org:8080");
  const struct {
    const char* gadget;
    bool menuItem;
    const char* url;
  } cases[] = {
      {"Window1#OnlineHilfe", true, "http://example.org:8080/strohvik/index_3.htm"},
      {"Window1#HomePage", true, "http://example.org:8080/strohvik/"},
      {"Window1#Forum", true, "http://example.org:8080/phpBB3/viewforum.php?f=17"},
      {"HyperLink1", false, "http://example.org:8080/strohvik/"},
      {"HyperLink3", false, "http://example.org:8080/phpBB3/viewforum.php?f=17"},
  };
  for (const auto& c : cases) {
    driver_->openedUrls.clear();
    if (c.menuItem) SimulateMenuChoice(G(c.gadget));
    else SimulateLinkClick(G(c.gadget));
    shell_->HandlePending();
    EXPECT_EQ(driver_->openedUrls, std::vector<std::string>{c.url}) << c.gadget;
  }
}

TEST_F(Online, WithoutAServerSettingTheLinksOpenTheReservedNameAndTheCheckSaysNoVersionAtOnce) {
  StartWith("");
  SimulateMenuChoice(G("Window1#HomePage"));
  shell_->HandlePending();
  EXPECT_EQ(driver_->openedUrls, std::vector<std::string>{"http://strohvik.invalid/strohvik/"});
  const auto start = Clock::now();
  SimulateMenuChoice(G("Window1#UpdatePruefen"));
  for (int round = 0; round < 5 && G("Label36").GetText() == "..."; ++round) shell_->HandlePending();
  EXPECT_EQ(G("Label36").GetText(), "Keine Online Version");
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
}

struct CheckCase {
  const char* name;
  std::string answer;
  const char* label;
};

const CheckCase kChecks[] = {
    {"Same", Answer("1.7.0\r\n"), "Du besitzt bereits die Aktuelle Programm Version ! v1.7.0"},
    {"Newer", Answer("1.7.1\r\n"), "Online Version : v1.7.1\n Deine Version : v1.7.0"},
    {"TwoParts", Answer("2.0\r\n"), "Deine Programm Version ist Neuer als die Online Version !"},
    {"TwoDigits", Answer("1.10.0\r\n"), "Online Version : v1.10.0\n Deine Version : v1.7.0"},
    {"TwoLines", Answer("1.7.1\r\n1.6.0\r\n"), "Deine Programm Version ist Neuer als die Online Version !"},
    {"EmptyLineAtTheEnd", Answer("1.7.0\r\n\r\n"), "Deine Programm Version ist Neuer als die Online Version !"},
    {"ErrorPage", "HTTP/1.0 500 Oops\r\n\r\nServer Error\r\n", "Deine Programm Version ist Neuer als die Online Version !"},
    {"NoBody", Answer(""), "..."},
};

class VersionChecks : public Online, public testing::WithParamInterface<CheckCase> {};

TEST_P(VersionChecks, TheAboutWindowTellsWhatTheServerAnswered) {
  TestHttpServer server(GetParam().answer);
  StartWith("127.0.0.1:" + std::to_string(server.Port()));
  SimulateMenuChoice(G("Window1#UpdatePruefen"));
  HandleUntilRequests(server, 1);
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0], "GET /strohvik/versioncheck.php HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
  EXPECT_EQ(G("Label36").GetText(), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Table, VersionChecks, testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Online, EveryActivationOfTheAboutWindowChecksAgain) {
  TestHttpServer server(Answer("1.7.0\r\n"));
  StartWith("127.0.0.1:" + std::to_string(server.Port()));
  SimulateMenuChoice(G("Window1#Info"));
  HandleUntilRequests(server, 1);
  EXPECT_EQ(G("Label36").GetText(), "Du besitzt bereits die Aktuelle Programm Version ! v1.7.0");

  server.SetResponse(Answer("1.8.0\r\n"));
  G("ChildWindow12").SetShow(true);
  G("ChildWindow12").Activate();
  shell_->HandlePending();
  G("ChildWindow2").Activate();
  HandleUntilRequests(server, 2);
  EXPECT_EQ(server.Requests().size(), 2u);
  EXPECT_EQ(G("Label36").GetText(), "Online Version : v1.8.0\n Deine Version : v1.7.0");
}

TEST_F(Online, ARefusingServerSaysNoVersion) {
  StartWith("127.0.0.1:" + std::to_string(TestHttpServer::RefusingPort()));
  SimulateMenuChoice(G("Window1#UpdatePruefen"));
  for (int round = 0; round < 5 && G("Label36").GetText() == "..."; ++round) shell_->HandlePending();
  EXPECT_EQ(G("Label36").GetText(), "Keine Online Version");
}

// Clicks a tab the moment the about window's activation has been queued, as a player
// who goes on at once; its event waits in the queue behind the activation.
struct ClickTabOnActivation : TObject {
  TGadget* about = nullptr;
  TGadget* tabs = nullptr;
  bool clicked = false;
  static TEvent* Hook(int id, TEvent* event, TObject* self) {
    auto* player = static_cast<ClickTabOnActivation*>(self);
    if (id == kEventWindowActivate && event->source == player->about && !player->clicked) {
      player->clicked = true;
      SimulateTabClick(*player->tabs, 1);
    }
    return event;
  }
};

TEST_F(Online, AServerThatNeverAnswersHoldsTheWindowNoLongerThanTheDeadline) {
  TestHttpServer server("", TestHttpServer::Behaviour::NeverAnswer);
  StartWith("127.0.0.1:" + std::to_string(server.Port()));
  ClickTabOnActivation player;
  player.about = &G("ChildWindow2");
  player.tabs = &G("Tabber1");
  gui_->Hub().AddHook(&ClickTabOnActivation::Hook, &player, TEventQueue::kPriority - 1);
  const auto start = Clock::now();
  SimulateMenuChoice(G("Window1#UpdatePruefen"));
  while (!G("Tabber1_Page1").Shown() && Clock::now() - start < std::chrono::seconds(10)) shell_->HandlePending();
  const auto handled = Clock::now() - start;
  gui_->Hub().RemoveHook(&ClickTabOnActivation::Hook, &player);
  EXPECT_TRUE(player.clicked);
  EXPECT_TRUE(G("Tabber1_Page1").Shown());
  EXPECT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(G("Label36").GetText(), "Keine Online Version");
  EXPECT_GE(handled, std::chrono::milliseconds(4900)) << "the click waited behind the check";
  EXPECT_LT(handled, std::chrono::milliseconds(7000)) << "the deadline of 5 s, with room for a busy machine";
  std::printf("next event handled after %lld ms\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(handled).count()));
}

}  // namespace
}  // namespace strohvik
