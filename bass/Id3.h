#pragma once
// ID3 tags around compressed audio: v2 at the start (skipped), v1 at the end (reported).
#include <cstdint>
#include <optional>
#include <string>

#include "ByteSource.h"

namespace bass {

// Size of the ID3v2 tag (header, body and footer) starting at `offset`; 0 when none is there.
std::uint64_t Id3v2SizeAt(ByteSource& source, std::uint64_t offset);

// The 128 bytes of an ID3v1 block ("TAG"...) that ends the source, if any.
std::optional<std::string> ReadId3v1(ByteSource& source);

}  // namespace bass
