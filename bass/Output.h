#pragma once
// The sound device seen from the engine: something that, on its own thread, keeps asking for
// the next block of mixed sound until it is destroyed. Windows-free.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bass {

// Fills `frames` interleaved float frames of `channels` channels.
using RenderFn = std::function<void(float* out, std::size_t frames, std::uint32_t channels)>;

class Output {
 public:
  virtual ~Output() = default;  // stops the device thread before returning
  virtual std::uint32_t Rate() const = 0;
  virtual std::uint32_t Channels() const = 0;
};

struct Endpoint {
  std::string name;    // UTF-8 friendly name
  std::string driver;  // UTF-8 endpoint id
};

// The machine's sound outputs.
class DeviceBackend {
 public:
  virtual ~DeviceBackend() = default;
  // Active render endpoints, in a stable order; device numbers 2.. map onto them.
  virtual std::vector<Endpoint> Endpoints() = 0;
  // Opens device 1 (the system default) or 2.. and starts rendering; nullptr and an error
  // code when it cannot.
  virtual std::unique_ptr<Output> Open(int device, std::uint32_t rate, RenderFn render, int& error) = 0;
};

// The no-sound device: renders in real time into nothing, so channels advance as if heard.
std::unique_ptr<Output> OpenNullOutput(std::uint32_t rate, RenderFn render);

}  // namespace bass
