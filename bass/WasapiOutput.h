#pragma once
// The machine's render endpoints through WASAPI, shared mode, event-driven.
#include <memory>

#include "Output.h"

namespace bass {

std::unique_ptr<DeviceBackend> MakeWasapiBackend();

}  // namespace bass
