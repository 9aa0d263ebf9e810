#pragma once
// MP3 streams: our frame reader feeds whole frames to the system's MPEG Layer-3 ACM codec.
#include <memory>

#include "ByteSource.h"
#include "Decoder.h"

namespace bass {

// nullptr and an error code when the bytes are no MP3 or the codec is missing; the source then
// stays with the caller.
std::unique_ptr<Decoder> OpenMp3(std::unique_ptr<ByteSource>& source, int& error);

}  // namespace bass
