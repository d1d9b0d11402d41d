// The GPS monitor on network sources: the addresses the port setting takes;
// the recorded logs sent over TCP and UDP from loopback and served by a
// real gpsd (gpsfake's), every fix showing the texts checked for it through
// the pseudo-terminal; a peer that goes away and comes back; whole
// datagrams.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <tuple>

#include "GpsTestSupport.h"
#include "LoopbackPeers.h"
#include "ProgramRun.h"
#include "RecordedLogs.h"
#include "TempDir.h"
#include "gps/NetworkPort.h"
#include "gps/SourcePort.h"

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

enum class Transport { Tcp, Udp };

// Sends what a receiver would, over TCP (the monitor connects to the test)
// or UDP (the test sends to the monitor), one sentence per datagram.
class LoopbackSender {
 public:
  explicit LoopbackSender(Transport transport) : transport_(transport) {
    if (transport == Transport::Udp) udpPort_ = test::freeUdpPort();
  }
  std::string address() const {
    return transport_ == Transport::Tcp ? server_.address() : "udp://127.0.0.1:" + std::to_string(udpPort_);
  }
  // After the monitor started: the connection made or the datagram socket ready.
  bool connected() {
    if (transport_ == Transport::Tcp) return server_.accept();
    udp_.emplace(udpPort_);
    return true;
  }
  void write(std::string_view text) {
    if (transport_ == Transport::Tcp) {
      server_.write(text);
    } else {
      udp_->write(text);
    }
  }

 private:
  Transport transport_;
  test::LoopbackTcpServer server_;
  int udpPort_ = 0;
  std::optional<test::LoopbackUdpSender> udp_;
};

class NetworkReplay : public ::testing::TestWithParam<std::tuple<RecordedLog, Transport>> {};

// As through the pseudo-terminal: each fix sentence is sent, its texts read
// before the log goes on, and all of them must equal the log's .chk file.
TEST_P(NetworkReplay, EveryFixShowsTheTextsCheckedForIt) {
  const auto& [log, transport] = GetParam();
  LoopbackSender sender(transport);
  WakeCounter wakes;
  MonitorBench b;
  b.clock.set(log.utc, log.utc);
  b.monitor.setWakeUp(wakes.callback());
  b.settings.GPS_PORT = sender.address();
  b.monitor.toggle();
  ASSERT_TRUE(b.monitor.running()) << b.messages.text();
  ASSERT_TRUE(sender.connected());
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

INSTANTIATE_TEST_SUITE_P(Logs, NetworkReplay,
                         ::testing::Combine(::testing::ValuesIn(test::kRecordedLogs),
                                            ::testing::Values(Transport::Tcp, Transport::Udp)),
                         [](const auto& info) {
                           return test::logTestName(std::get<0>(info.param)) +
                                  (std::get<1>(info.param) == Transport::Tcp ? "_tcp" : "_udp");
                         });

// The network source, keeping a copy of every byte the reader reads.
class RecordingPort final : public SerialPort {
 public:
  OpenResult open(const std::string& device, int baud) override { return line_.open(device, baud); }
  void close() override { line_.close(); }
  bool isOpen() const override { return line_.isOpen(); }
  ReadResult read(std::span<char> buffer, std::chrono::milliseconds timeout) override {
    const ReadResult got = line_.read(buffer, timeout);
    std::lock_guard<std::mutex> hold(mutex_);
    if (got.status == ReadStatus::Data) bytes_.append(buffer.data(), got.count);
    return got;
  }
  void cancelRead() override { line_.cancelRead(); }
  void clearCancel() override { line_.clearCancel(); }

  // The fix sentences read so far, without line ends.
  std::vector<std::string> fixSentences() {
    std::lock_guard<std::mutex> hold(mutex_);
    std::vector<std::string> sentences;
    std::size_t at = 0;
    for (std::size_t end; (end = bytes_.find('\n', at)) != std::string::npos; at = end + 1) {
      std::string line = bytes_.substr(at, end - at);
      if (line.ends_with('\r')) line.pop_back();
      if (test::isFixSentence(line)) sentences.push_back(line);
    }
    return sentences;
  }

 private:
  NetworkPort line_;
  std::mutex mutex_;
  std::string bytes_;
};

// The texts of each update, copied on the reader thread as it announces them.
class UpdateRecorder {
 public:
  using Texts = std::array<std::string, T::kTextCount>;
  std::function<void()> callback(GpsTextSet& texts) {
    return [this, &texts] {
      Texts copy;
      for (int t = 0; t < T::kTextCount; ++t) copy[t] = texts.snapshot(static_cast<T::Text>(t));
      std::lock_guard<std::mutex> hold(mutex_);
      rows_.push_back(std::move(copy));
      changed_.notify_all();
    };
  }
  // Waits until `done` holds for the number of updates so far; false on time-out.
  bool waitUntil(const std::function<bool(std::size_t updates)>& done, std::chrono::seconds timeout = 60s) {
    std::unique_lock<std::mutex> hold(mutex_);
    return changed_.wait_for(hold, timeout, [&] { return done(rows_.size()); });
  }
  std::vector<Texts> rows() {
    std::lock_guard<std::mutex> hold(mutex_);
    return rows_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Texts> rows_;
};

// tests/support/gpsd_serve.py: a gpsd on a loopback port serving a log
// through gpsfake's pseudo-terminal, fed while the test lets it.
class GpsdServer {
 public:
  GpsdServer(const std::string& log, const test::TempDir& dir) : dir_(dir) {
    const std::string command = std::string(kPython) + " " Z5_SOURCE_DIR "/tests/support/gpsd_serve.py " +
                                test::kLogDirectory + log + " " + dir.home();
    pipe_ = ::popen(command.c_str(), "r");
    int port = 0;
    if (pipe_ != nullptr && std::fscanf(pipe_, "port %d", &port) == 1) port_ = port;
  }
  ~GpsdServer() {
    dir_.write("done", "");
    if (pipe_ != nullptr) ::pclose(pipe_);
  }
  GpsdServer(const GpsdServer&) = delete;
  GpsdServer& operator=(const GpsdServer&) = delete;

  static bool available() {
    return test::runProgram(std::string(kPython) + " -c 'import gps.fake' 2>&1").status == 0 &&
           test::runProgram("command -v gpsd >/dev/null").status == 0;
  }
  int port() const { return port_; }
  // Until now gpsd has been fed a void fix every 0.2 s; now the log, then the end sentence.
  void feedTheLog() { dir_.write("go", ""); }

  static constexpr const char* kPython = "/usr/bin/python3";
  static constexpr std::string_view kSync = "$GPRMC,000000,V,,,,,,,,,,N*53";
  static constexpr std::string_view kEnd = "$GPRMC,235959,V,,,,,,,,,,N*52";

 private:
  const test::TempDir& dir_;
  std::FILE* pipe_ = nullptr;
  int port_ = 0;
};

class GpsdReplay : public ::testing::TestWithParam<RecordedLog> {};

// The log comes through gpsd as fast as gpsd passes it on: the texts of
// each update are copied as the reader announces it and matched with the
// fix sentence read for it, then with that sentence's line of the log.
TEST_P(GpsdReplay, EveryFixServedByGpsdShowsTheTextsCheckedForIt) {
  if (!GpsdServer::available()) GTEST_SKIP() << "gpsd and gpsfake (Debian gpsd, gpsd-clients) are not installed";
  const RecordedLog& log = GetParam();
  test::TempDir dir;
  GpsdServer gpsd(log.name, dir);
  ASSERT_NE(gpsd.port(), 0) << "gpsd did not start";
  auto owned = std::make_unique<RecordingPort>();
  RecordingPort& line = *owned;
  UpdateRecorder updates;
  MonitorBench b(std::move(owned));
  b.clock.set(log.utc, log.utc);
  b.monitor.setWakeUp(updates.callback(b.monitor.texts()));
  b.settings.GPS_PORT = "gpsd://127.0.0.1:" + std::to_string(gpsd.port());
  b.monitor.toggle();
  ASSERT_TRUE(b.monitor.running()) << b.messages.text();
  ASSERT_TRUE(updates.waitUntil([](std::size_t n) { return n > 0; })) << "gpsd passed on no sentence";
  gpsd.feedTheLog();
  const auto endRead = [&](std::size_t n) {
    const std::vector<std::string> sentences = line.fixSentences();
    return n > 0 && n <= sentences.size() && sentences[n - 1] == GpsdServer::kEnd;
  };
  ASSERT_TRUE(updates.waitUntil(endRead)) << "the log did not come through";
  b.monitor.toggle();

  const std::vector<std::string> sentences = line.fixSentences();
  const std::vector<UpdateRecorder::Texts> rows = updates.rows();
  const std::vector<test::LogLine> logLines = test::receiverLines(log.name);
  auto next = logLines.begin();
  std::string shown(test::kCheckHeader);
  for (std::size_t i = 0; i < rows.size() && i < sentences.size(); ++i) {
    if (sentences[i] == GpsdServer::kSync || sentences[i] == GpsdServer::kEnd) continue;
    next = std::find_if(next, logLines.end(), [&](const test::LogLine& l) {
      return l.text.starts_with(sentences[i]) && l.text.size() <= sentences[i].size() + 2;
    });
    ASSERT_NE(next, logLines.end()) << "gpsd passed on a sentence the log does not have next: " << sentences[i];
    shown += test::checkLine(next->number, [&](T::Text text) { return rows[i][text]; });
    ++next;
  }
  EXPECT_EQ(shown, test::readFile(test::kLogDirectory + log.name + ".chk"));
}

INSTANTIATE_TEST_SUITE_P(Logs, GpsdReplay, ::testing::ValuesIn(test::kRecordedLogs),
                         [](const auto& info) { return test::logTestName(info.param); });

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
