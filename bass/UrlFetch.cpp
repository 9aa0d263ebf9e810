#include "UrlFetch.h"

#include <windows.h>
#include <winhttp.h>

#include "BassApi.h"

namespace bass {

namespace {

// A sound effect is small; a body past this is not one, and must not eat the memory.
constexpr std::size_t kMaxBody = 256u << 20;
constexpr int kTimeoutMs = 15000;

class HttpHandle {
 public:
  explicit HttpHandle(HINTERNET h) : h_(h) {}
  ~HttpHandle() {
    if (h_) WinHttpCloseHandle(h_);
  }
  HttpHandle(const HttpHandle&) = delete;
  HttpHandle& operator=(const HttpHandle&) = delete;
  HINTERNET get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HINTERNET h_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> FetchUrl(const std::wstring& url, int& error) {
  error = kErrorFileOpen;
  URL_COMPONENTS parts = {};
  parts.dwStructSize = sizeof parts;
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts) ||
      (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)) {
    error = kErrorIllParam;
    return std::nullopt;
  }
  const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
  path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
  if (path.empty()) path = L"/";

  HttpHandle session(WinHttpOpen(L"bass/1.0", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                 WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session) return std::nullopt;
  WinHttpSetTimeouts(session.get(), kTimeoutMs, kTimeoutMs, kTimeoutMs, kTimeoutMs);
  HttpHandle connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
  if (!connection) return std::nullopt;
  const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
  HttpHandle request(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                        WINHTTP_DEFAULT_ACCEPT_TYPES, secure));
  if (!request) return std::nullopt;
  if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
      !WinHttpReceiveResponse(request.get(), nullptr))
    return std::nullopt;
  DWORD status = 0;
  DWORD size = sizeof status;
  WinHttpQueryHeaders(request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                      &status, &size, WINHTTP_NO_HEADER_INDEX);
  if (status != 200) return std::nullopt;
  std::vector<std::uint8_t> body;
  for (;;) {
    std::uint8_t chunk[16384];
    DWORD got = 0;
    if (!WinHttpReadData(request.get(), chunk, sizeof chunk, &got)) return std::nullopt;
    if (got == 0) break;
    if (body.size() + got > kMaxBody) {
      error = kErrorMem;
      return std::nullopt;
    }
    body.insert(body.end(), chunk, chunk + got);
  }
  error = 0;
  return body;
}

}  // namespace bass
