#pragma once
// A serial line scripted read by read: each item the test feeds is what one
// read of the reader thread returns (bytes, a time-out, a failure), in
// order. The test can wait until the reader has handled everything fed, so
// it never sleeps to let the reader catch up.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>

#include "gps/SerialPort.h"

namespace z5::test {

class ScriptedSerialPort final : public SerialPort {
 public:
  // The next reads return these bytes, as many reads as the reader's buffer needs.
  void feed(std::string bytes) { push({ReadStatus::Data, std::move(bytes)}); }
  // The next read finds the line quiet.
  void feedTimeOut() { push({ReadStatus::TimedOut, {}}); }
  // The next read finds the device gone.
  void feedFailure() { push({ReadStatus::Failed, {}}); }

  // Waits until every item fed has been read and the reader waits in its
  // next read, having handled them; false on time-out.
  bool waitUntilHandled(std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    std::unique_lock<std::mutex> hold(mutex_);
    return changed_.wait_for(hold, timeout, [this] { return script_.empty() && reading_; });
  }
  int opens() const {
    std::lock_guard<std::mutex> hold(mutex_);
    return opens_;
  }

  OpenResult open(const std::string&, int) override {
    std::lock_guard<std::mutex> hold(mutex_);
    open_ = true;
    ++opens_;
    return OpenResult::Opened;
  }
  void close() override {
    std::lock_guard<std::mutex> hold(mutex_);
    open_ = false;
  }
  bool isOpen() const override {
    std::lock_guard<std::mutex> hold(mutex_);
    return open_;
  }
  ReadResult read(std::span<char> buffer, std::chrono::milliseconds timeout) override {
    std::unique_lock<std::mutex> hold(mutex_);
    reading_ = true;
    changed_.notify_all();
    changed_.wait_for(hold, timeout, [this] { return cancelled_ || !script_.empty(); });
    reading_ = false;
    if (cancelled_) return {ReadStatus::Cancelled, 0};
    if (script_.empty()) return {ReadStatus::TimedOut, 0};
    Item& next = script_.front();
    const ReadStatus status = next.status;
    const std::size_t count = std::min(next.bytes.size(), buffer.size());
    std::copy_n(next.bytes.begin(), count, buffer.begin());
    next.bytes.erase(0, count);
    if (next.bytes.empty()) script_.pop_front();
    return {status, count};
  }
  void cancelRead() override {
    std::lock_guard<std::mutex> hold(mutex_);
    cancelled_ = true;
    changed_.notify_all();
  }
  void clearCancel() override {
    std::lock_guard<std::mutex> hold(mutex_);
    cancelled_ = false;
  }

 private:
  struct Item {
    ReadStatus status;
    std::string bytes;
  };
  void push(Item item) {
    std::lock_guard<std::mutex> hold(mutex_);
    script_.push_back(std::move(item));
    changed_.notify_all();
  }

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Item> script_;
  bool reading_ = false;
  bool cancelled_ = false;
  bool open_ = false;
  int opens_ = 0;
};

}  // namespace z5::test
