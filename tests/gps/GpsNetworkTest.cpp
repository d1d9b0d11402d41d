// The GPS monitor on network sources: the addresses the port setting takes;
// the recorded logs sent over TCP and UDP from loopback and through a real
// gpsd (gpsfake's), every fix showing the texts checked for it through the
// pseudo-terminal; a peer that goes away and comes back; whole datagrams.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <optional>
#include <thread>
#include <tuple>

#include "GpsTestSupport.h"
#include "LoopbackPeers.h"
#include "ProgramRun.h"
#include "RecordedLogs.h"
#include "gps/NetworkPort.h"

namespace z5 {
namespace {

using namespace std::chrono_literals;
using test::MonitorBench;
using test::RecordedLog;
using test::WakeCounter;
using T = GpsTextSet;
using Kind = SourceAddress::Kind;

TEST(GpsSourceAddress, PortSettingTextsNameTheirSources) {
  struct Row {
    const char* legend;
    const char* text;
    Kind kind;
    const char* host;
    int port;
  };
  const Row rows[] = {
      {"gpsd alone: its usual host and port", "gpsd://", Kind::Gpsd, "localhost", 2947},
      {"gpsd on another host keeps its port", "gpsd://bridge-pc", Kind::Gpsd, "bridge-pc", 2947},
      {"gpsd on another port of this computer", "gpsd://:2948", Kind::Gpsd, "localhost", 2948},
      {"scheme in capitals, IPv6 in brackets, a closing /", "GPSD://[::1]:3000/", Kind::Gpsd, "::1", 3000},
      {"a multiplexer's TCP stream", "tcp://192.168.1.10:10110", Kind::Tcp, "192.168.1.10", 10110},
      {"UDP broadcasts on every address", "udp://:10110", Kind::Udp, "", 10110},
      {"UDP on the loopback address only", "udp://127.0.0.1:2000", Kind::Udp, "127.0.0.1", 2000},
      {"a serial port stays a serial port", "COM2:", Kind::Serial, "", 0},
  };
  for (const Row& row : rows) {
    const SourceAddressReading reading = readSourceAddress(row.text);
    ASSERT_TRUE(reading.address) << row.legend << ": " << reading.problem;
    EXPECT_EQ(reading.address->kind, row.kind) << row.legend;
    EXPECT_EQ(reading.address->host, row.host) << row.legend;
    EXPECT_EQ(reading.address->port, row.port) << row.legend;
  }
  EXPECT_EQ(readSourceAddress("COM2:").address->device, "/dev/ttyS1");
}

TEST(GpsSourceAddress, MalformedAddressesAreRefusedSayingWhy) {
  struct Row {
    const char* legend;
    const char* text;
    const char* says;
  };
  const Row rows[] = {
      {"a stream needs its port (a guessed port reads nothing)", "tcp://192.168.1.10", "needs a port"},
      {"a stream needs its host", "tcp://:10110", "needs a host"},
      {"UDP needs the port to listen on", "udp://127.0.0.1", "needs a port"},
      {"an unknown scheme is no source (taken for a device path)", "http://plotter", "no kind of GPS source"},
      {"port 0 (any port) names no peer", "tcp://h:0", "from 1 to 65535"},
      {"a port beyond 16 bits (wrapped to another port)", "tcp://h:65536", "from 1 to 65535"},
      {"letters in the port", "tcp://h:10110x", "from 1 to 65535"},
      {"an IPv6 address without brackets (port taken from it)", "tcp://::1:10110", "in brackets"},
      {"a path after the port", "tcp://h:10110/nmea", "from 1 to 65535"},
      {"blanks in a host name", "tcp://my plotter:10110", "host name"},
  };
  for (const Row& row : rows) {
    const SourceAddressReading reading = readSourceAddress(row.text);
    EXPECT_FALSE(reading.address) << row.legend;
    EXPECT_NE(reading.problem.find(row.says), std::string::npos) << row.legend << ": " << reading.problem;
  }
}

TEST(GpsSourceAddress, ThePortPromptTakesNetworkAddressesAndRefusesMalformedOnes) {
  MonitorBench b;
  b.host.answer("gpsd://localhost:2948");
  b.monitor.setPortPrompt();
  EXPECT_EQ(b.settings.GPS_PORT, "gpsd://localhost:2948");
  b.host.answer("tcp://plotter");
  b.monitor.setPortPrompt();
  EXPECT_EQ(b.settings.GPS_PORT, "gpsd://localhost:2948") << "a malformed address was stored";
  ASSERT_FALSE(b.host.popups.empty());
  EXPECT_NE(b.host.popups.back().text.find("tcp://plotter is not a GPS source: tcp:// needs a port"),
            std::string::npos);
  const std::string longPath = "/dev/serial/by-id/usb-u-blox_AG_-_www.u-blox.com_u-blox_7_-_GPS_GNSS_Receiver-if00";
  b.host.answer(longPath);
  b.monitor.setPortPrompt();
  EXPECT_EQ(b.settings.GPS_PORT, longPath) << "cut to the old 19 characters";
}

enum class Transport { Tcp, Udp, Gpsd };

// Sends what a receiver would: over TCP (the monitor connects to the
// test), UDP (one sentence per datagram), or to a real gpsd
// (tests/support/gpsd_serve.py) that passes it on to the monitor.
class LoopbackSender {
 public:
  explicit LoopbackSender(Transport transport) : transport_(transport) {
    if (transport == Transport::Udp) port_ = test::freeUdpPort();
    if (transport != Transport::Gpsd) return;
    port_ = test::freeTcpPort();
    gpsd_ = ::popen(("/usr/bin/python3 " Z5_SOURCE_DIR "/tests/support/gpsd_serve.py --stdin " +
                     std::to_string(port_)).c_str(), "w");
  }
  ~LoopbackSender() {
    if (gpsd_ != nullptr) ::pclose(gpsd_);
  }
  LoopbackSender(const LoopbackSender&) = delete;
  LoopbackSender& operator=(const LoopbackSender&) = delete;

  static bool available(Transport transport) {
    return transport != Transport::Gpsd ||
           (test::runProgram("/usr/bin/python3 -c 'import gps.fake' 2>&1").status == 0 &&
            test::runProgram("command -v gpsd >/dev/null").status == 0);
  }
  // Before the monitor starts: the source is there.
  bool listening() const { return transport_ != Transport::Gpsd || test::waitForListener(port_); }
  std::string address() const {
    const std::string port = std::to_string(port_);
    if (transport_ == Transport::Tcp) return server_.address();
    return (transport_ == Transport::Udp ? "udp://127.0.0.1:" : "gpsd://127.0.0.1:") + port;
  }
  // After the monitor started: the connection made, and gpsd passing on
  // what it is fed (a sentence of no fix, until the monitor hears it).
  bool connected(const GpsTextSet& texts) {
    if (transport_ == Transport::Tcp) return server_.accept();
    if (transport_ == Transport::Udp) return udp_.emplace(port_), true;
    for (int tries = 0; !texts.received() && tries < kSyncTries; ++tries) {
      write(test::nmea("GPTXT,01,01,02,z5 test"));
      std::this_thread::sleep_for(kSyncInterval);
    }
    return texts.received();
  }
  void write(std::string_view text) {
    if (transport_ == Transport::Tcp) server_.write(text);
    if (transport_ == Transport::Udp) udp_->write(text);
    if (transport_ == Transport::Gpsd) {
      std::fwrite(text.data(), 1, text.size(), gpsd_);
      std::fflush(gpsd_);
    }
  }

 private:
  static constexpr int kSyncTries = 100;
  static constexpr std::chrono::milliseconds kSyncInterval{100};
  Transport transport_;
  test::LoopbackTcpServer server_;
  int port_ = 0;
  std::optional<test::LoopbackUdpSender> udp_;
  std::FILE* gpsd_ = nullptr;
};

class NetworkReplay : public ::testing::TestWithParam<std::tuple<RecordedLog, Transport>> {};

// As through the pseudo-terminal: each fix sentence is sent, its texts read
// before the log goes on, and all of them must equal the log's .chk file.
TEST_P(NetworkReplay, EveryFixShowsTheTextsCheckedForIt) {
  const auto& [log, transport] = GetParam();
  if (!LoopbackSender::available(transport)) GTEST_SKIP() << "gpsd and gpsfake (Debian gpsd, gpsd-clients) missing";
  LoopbackSender sender(transport);
  ASSERT_TRUE(sender.listening());
  WakeCounter wakes;
  MonitorBench b;
  b.clock.set(log.utc, log.utc);
  b.monitor.setWakeUp(wakes.callback());
  b.settings.GPS_PORT = sender.address();
  b.monitor.toggle();
  ASSERT_TRUE(b.monitor.running()) << b.messages.text();
  ASSERT_TRUE(sender.connected(b.monitor.texts()));
  std::string shown(test::kCheckHeader);
  int fixes = 0;
  for (const test::LogLine& line : test::receiverLines(log.name)) {
    sender.write(line.text);
    if (!test::isFixSentence(line.text)) continue;
    ASSERT_TRUE(wakes.waitFor(++fixes)) << "no update for the fix on line " << line.number;
    shown += test::checkLine(line.number, [&](T::Text text) { return b.dialog(text); });
  }
  EXPECT_EQ(shown, test::readFile(test::kLogDirectory + log.name + ".chk"));
}

std::string replayName(const ::testing::TestParamInfo<NetworkReplay::ParamType>& info) {
  constexpr std::array<const char*, 3> kTransportNames = {"_tcp", "_udp", "_gpsd"};
  return test::logTestName(std::get<0>(info.param)) + kTransportNames[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Logs, NetworkReplay,
                         ::testing::Combine(::testing::ValuesIn(test::kRecordedLogs),
                                            ::testing::Values(Transport::Tcp, Transport::Udp, Transport::Gpsd)),
                         replayName);

TEST(GpsNetworkSource, APeerThatGoesAwayIsConnectedAgainAndAStopEndsAPendingRead) {
  test::LoopbackTcpServer gpsd;
  WakeCounter wakes;
  MonitorBench b(nullptr, /*realTime=*/true);
  b.monitor.setWakeUp(wakes.callback());
  b.settings.GPS_PORT = "gpsd://127.0.0.1:" + std::to_string(gpsd.port());
  b.monitor.toggle();
  ASSERT_TRUE(b.monitor.running()) << b.messages.text();
  ASSERT_TRUE(gpsd.accept());
  EXPECT_EQ(gpsd.received(), NetworkPort::kGpsdWatch);
  gpsd.write(test::rmc("120000", "4807.038", "N", "01131.000", "E"));
  ASSERT_TRUE(wakes.waitFor(1));
  gpsd.dropClient();
  ASSERT_TRUE(gpsd.accept(3 * GpsMonitor::kReopenInterval)) << "not connected again";
  EXPECT_EQ(gpsd.received(), NetworkPort::kGpsdWatch) << "gpsd not asked again for NMEA";
  gpsd.write(test::rmc("120001", "4807.038", "N", "01131.000", "E"));
  ASSERT_TRUE(wakes.waitFor(2));
  EXPECT_EQ(b.dialog(T::kUtcTime), "12:00:01.00");
  const auto before = std::chrono::steady_clock::now();
  b.monitor.toggle();
  EXPECT_LT(std::chrono::steady_clock::now() - before, 1s) << "the stop waited for the read's time-out";
  EXPECT_FALSE(b.monitor.running());
}

TEST(GpsNetworkSource, SentencesOfOneDatagramAreReadWholeAndNeverJoinedToTheNext) {
  const int port = test::freeUdpPort();
  WakeCounter wakes;
  MonitorBench b;
  b.monitor.setWakeUp(wakes.callback());
  b.settings.GPS_PORT = "udp://127.0.0.1:" + std::to_string(port);
  b.monitor.toggle();
  ASSERT_TRUE(b.monitor.running()) << b.messages.text();
  test::LoopbackUdpSender sender(port);
  std::string last = test::rmc("120002", "4807.038", "N", "01131.000", "E");
  last.resize(last.size() - 2);  // a sender that ends its datagrams without CR LF
  sender.write(test::rmc("120000", "4807.038", "N", "01131.000", "E") + test::rmc("120001", "4807.038", "N", "01131.000", "E") + last);
  sender.write(test::rmc("120003", "4807.038", "N", "01131.000", "E"));
  ASSERT_TRUE(wakes.waitFor(4));
  EXPECT_EQ(b.dialog(T::kUtcTime), "12:00:03.00");
}

TEST(GpsNetworkSource, ASourceThatRefusesTheConnectionIsReportedAndTheMonitorStaysStopped) {
  int port = 0;
  {
    test::LoopbackTcpServer closedSoon;
    port = closedSoon.port();
  }
  MonitorBench b;
  b.settings.GPS_PORT = "tcp://127.0.0.1:" + std::to_string(port);
  b.monitor.toggle();
  EXPECT_FALSE(b.monitor.running());
  ASSERT_EQ(b.host.popups.size(), 1u);
  EXPECT_EQ(b.host.popups[0].text, "Cannot read the GPS source " + b.settings.GPS_PORT + ": Connection refused.");
}

}  // namespace
}  // namespace z5
