// The POSIX serial port on a pseudo-terminal: opening, exclusive use, raw
// bytes, and a read that a stop ends at once.

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "GpsTestSupport.h"
#include "gps/LineRate.h"
#include "gps/PosixSerialPort.h"

namespace z5 {
namespace {

using namespace std::chrono_literals;
using test::PtyPair;
using Status = SerialPort::ReadStatus;

TEST(SerialPort, OpeningFailsForAMissingDeviceADirectoryAndAFileThatIsNoTerminal) {
  PosixSerialPort port;
  EXPECT_EQ(port.open("/dev/z5-no-such-port", 4800), SerialPort::OpenResult::CannotOpen);
  EXPECT_EQ(port.open("/dev", 4800), SerialPort::OpenResult::IsDirectory);
  EXPECT_EQ(port.open("/dev/null", 4800), SerialPort::OpenResult::CannotConfigure);
  EXPECT_FALSE(port.isOpen());
}

TEST(SerialPort, EveryRateTheSettingsOfferIsSetOnTheLine) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  for (int baud = 1200; baud <= 9600; baud += 1200) {
    PosixSerialPort port;
    ASSERT_EQ(port.open(pty.slaveName(), baud), SerialPort::OpenResult::Opened) << baud;
    EXPECT_EQ(lineRate(pty.master()), baud) << "the line runs at another rate";
  }
  PosixSerialPort port;
  EXPECT_EQ(port.open(pty.slaveName(), 0), SerialPort::OpenResult::CannotConfigure) << "no rate at all";
}

TEST(SerialPort, APortHeldByAnotherUserCannotBeOpened) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  PosixSerialPort first, second;
  ASSERT_EQ(first.open(pty.slaveName(), 4800), SerialPort::OpenResult::Opened);
  EXPECT_EQ(second.open(pty.slaveName(), 4800), SerialPort::OpenResult::CannotOpen);
  first.close();
  EXPECT_EQ(second.open(pty.slaveName(), 4800), SerialPort::OpenResult::Opened);
}

TEST(SerialPort, BytesArriveAsSentWithCarriageReturnsKept) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  PosixSerialPort port;
  ASSERT_EQ(port.open(pty.slaveName(), 4800), SerialPort::OpenResult::Opened);
  pty.write("$GPGGA,1*00\r\n\x03\x1a");
  std::string got;
  std::array<char, 256> buffer{};
  while (got.size() < 15) {
    const auto r = port.read(buffer, 2s);
    ASSERT_EQ(r.status, Status::Data);
    got.append(buffer.data(), r.count);
  }
  EXPECT_EQ(got, "$GPGGA,1*00\r\n\x03\x1a");
}

TEST(SerialPort, AReadWithNothingToReadTimesOut) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  PosixSerialPort port;
  ASSERT_EQ(port.open(pty.slaveName(), 4800), SerialPort::OpenResult::Opened);
  std::array<char, 16> buffer{};
  EXPECT_EQ(port.read(buffer, 20ms).status, Status::TimedOut);
}

TEST(SerialPort, ACancelEndsAPendingReadAtOnceAndStaysUntilCleared) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  PosixSerialPort port;
  ASSERT_EQ(port.open(pty.slaveName(), 4800), SerialPort::OpenResult::Opened);
  auto pending = std::async(std::launch::async, [&] {
    std::array<char, 16> buffer{};
    return port.read(buffer, 60s).status;
  });
  std::this_thread::sleep_for(50ms);
  port.cancelRead();
  ASSERT_EQ(pending.wait_for(10s), std::future_status::ready) << "the read did not end";
  EXPECT_EQ(pending.get(), Status::Cancelled);
  std::array<char, 16> buffer{};
  EXPECT_EQ(port.read(buffer, 60s).status, Status::Cancelled) << "a cancel before the read is not lost";
  port.clearCancel();
  EXPECT_EQ(port.read(buffer, 10ms).status, Status::TimedOut);
}

TEST(SerialPort, AClosedPortOnlyWaitsForACancel) {
  PosixSerialPort port;
  std::array<char, 16> buffer{};
  EXPECT_EQ(port.read(buffer, 10ms).status, Status::TimedOut);
  port.cancelRead();
  EXPECT_EQ(port.read(buffer, 60s).status, Status::Cancelled);
}

TEST(SerialPort, AHungUpLineReadsAsFailed) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  PosixSerialPort port;
  ASSERT_EQ(port.open(pty.slaveName(), 4800), SerialPort::OpenResult::Opened);
  pty.closeMaster();
  std::array<char, 16> buffer{};
  EXPECT_EQ(port.read(buffer, 2s).status, Status::Failed);
}

}  // namespace
}  // namespace z5
