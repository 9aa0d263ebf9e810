#include "FileDialog.h"

#include <commdlg.h>

#include <algorithm>

namespace {

// "a|b|c|d" becomes the double-NUL-terminated list the common dialog wants.
std::wstring NulSeparated(const std::wstring& filter) {
  std::wstring list = filter;
  std::replace(list.begin(), list.end(), L'|', L'\0');
  list.push_back(L'\0');
  list.push_back(L'\0');
  return list;
}

bool IsRelative(const std::wstring& path) {
  return !(path.size() >= 2 && path[1] == L':') && !(path.size() >= 1 && (path[0] == L'\\' || path[0] == L'/'));
}

}  // namespace

std::optional<std::wstring> ShowOpenFileDialog(HWND owner, const FileDialogSettings& settings,
                                               const std::wstring& runDirectory) {
  const std::wstring filter = NulSeparated(settings.filter);
  std::wstring folder = settings.folder;
  // The dialog's folder is meant beside the program, not wherever the current directory is.
  if (!folder.empty() && IsRelative(folder)) folder = runDirectory + L"\\" + folder;
  std::replace(folder.begin(), folder.end(), L'/', L'\\');

  std::wstring file(32768, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = settings.title.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  file.resize(wcslen(file.c_str()));
  return file;
}
