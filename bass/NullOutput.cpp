#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "Output.h"

namespace bass {

namespace {

class NullOutput final : public Output {
 public:
  NullOutput(std::uint32_t rate, RenderFn render) : rate_(rate), render_(std::move(render)) {
    thread_ = std::thread([this] { Run(); });
  }
  ~NullOutput() override {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  std::uint32_t Rate() const override { return rate_; }
  std::uint32_t Channels() const override { return 2; }

 private:
  void Run() {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    std::uint64_t rendered = 0;
    std::vector<float> block;
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(10), [this] { return stop_; })) {
      // Render exactly as many frames as real time has passed, so positions keep pace.
      const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
      const auto due = static_cast<std::uint64_t>(elapsed * rate_);
      if (due <= rendered) continue;
      const std::size_t frames = static_cast<std::size_t>(std::min<std::uint64_t>(due - rendered, rate_));
      block.assign(frames * 2, 0.0f);
      lock.unlock();
      render_(block.data(), frames, 2);
      lock.lock();
      rendered += frames;
    }
  }

  std::uint32_t rate_;
  RenderFn render_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace

std::unique_ptr<Output> OpenNullOutput(std::uint32_t rate, RenderFn render) {
  return std::make_unique<NullOutput>(rate, std::move(render));
}

}  // namespace bass
