// GBK through glibc's iconv, for the native build. wchar_t is UTF-32 here, so text crosses
// iconv as UTF-32LE.
#include "app/settings/Gbk.h"

#include <iconv.h>

#include <cerrno>

#include "app/settings/Utf.h"

namespace gbk {
namespace {

// One conversion direction, opened once per thread: iconv_open is far dearer than a conversion.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of input as it can into out. Returns errno of the stop, 0 when all went.
  int Convert(std::string_view& input, std::string& out) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    while (!input.empty()) {
      char* in = const_cast<char*>(input.data());
      std::size_t inLeft = input.size();
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
      const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
      out.append(buffer, outPtr);
      input.remove_prefix(input.size() - inLeft);
      if (error && error != E2BIG) return error;
    }
    return 0;
  }

 private:
  iconv_t handle_;
};

Converter& Decoder() {
  thread_local Converter converter("UTF-32LE", "CP936");
  return converter;
}

Converter& Encoder() {
  thread_local Converter converter("CP936", "UTF-32LE");
  return converter;
}

void AppendUtf32(std::wstring& text, std::string_view utf32) {
  for (std::size_t i = 0; i + 3 < utf32.size(); i += 4) {
    char32_t c = 0;
    for (int k = 3; k >= 0; --k) c = (c << 8) | static_cast<unsigned char>(utf32[i + k]);
    utf::Append(text, c);
  }
}

// ASCII stands for itself in GBK; only the runs of double-byte characters go through iconv.
// A run takes each lead byte's trail with it, since a trail byte may look like ASCII.
std::size_t DoubleByteRunEnd(std::string_view bytes, std::size_t pos) {
  while (pos < bytes.size() && static_cast<unsigned char>(bytes[pos]) >= 0x80) {
    const unsigned char lead = static_cast<unsigned char>(bytes[pos]);
    pos += lead >= 0x81 && lead <= 0xFE && pos + 1 < bytes.size() ? 2 : 1;
  }
  return pos;
}

void DecodeRun(std::string_view run, std::wstring& text) {
  Converter& decoder = Decoder();
  std::string utf32;
  while (!run.empty()) {
    utf32.clear();
    const int error = decoder.valid() ? decoder.Convert(run, utf32) : EILSEQ;
    AppendUtf32(text, utf32);
    if (error == 0) break;
    // A byte that starts no GBK character: stand in for it and go on with the next one.
    utf::Append(text, utf::kReplacement);
    run.remove_prefix(1);
  }
}

bool EncodeRun(std::wstring_view run, std::string& bytes) {
  Converter& encoder = Encoder();
  if (!encoder.valid()) return false;
  std::string utf32;
  utf32.reserve(run.size() * 4);
  for (std::size_t pos = 0; pos < run.size();) {
    const char32_t c = utf::Next(run, pos);
    for (int k = 0; k < 4; ++k) utf32 += static_cast<char>((c >> (8 * k)) & 0xFF);
  }
  std::string_view input = utf32;
  std::string encoded;
  if (encoder.Convert(input, encoded) != 0) return false;
  // A character that comes back as another one has no GBK form of its own.
  std::wstring back;
  DecodeRun(encoded, back);
  if (back != run) return false;
  bytes += encoded;
  return true;
}

}  // namespace

std::wstring Decode(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
      text += static_cast<wchar_t>(bytes[pos++]);
      continue;
    }
    const std::size_t end = DoubleByteRunEnd(bytes, pos);
    DecodeRun(bytes.substr(pos, end - pos), text);
    pos = end;
  }
  return text;
}

std::optional<std::string> Encode(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    if (static_cast<unsigned long>(text[pos]) < 0x80) {
      bytes += static_cast<char>(text[pos++]);
      continue;
    }
    std::size_t end = pos;
    while (end < text.size() && static_cast<unsigned long>(text[end]) >= 0x80) ++end;
    if (!EncodeRun(text.substr(pos, end - pos), bytes)) return std::nullopt;
    pos = end;
  }
  return bytes;
}

}  // namespace gbk
