#include "Program.h"

#include <float.h>

#include "widgets/ControlWindows.h"

namespace {

// The maker's links are build options; a build without them leaves the two links out.
MakerLinks BuildLinks() {
#if defined(BOARD_SHOP_ADDRESS) && defined(BOARD_CHAT_ACCOUNT)
  return {BOARD_SHOP_ADDRESS, BOARD_CHAT_ACCOUNT};
#elif defined(BOARD_SHOP_ADDRESS)
  return {BOARD_SHOP_ADDRESS, L""};
#elif defined(BOARD_CHAT_ACCOUNT)
  return {L"", BOARD_CHAT_ACCOUNT};
#else
  return {};
#endif
}

}  // namespace

Program::Program() {
  _fpreset();
  player_ = MakeAudioPlayer([this] { return runtime_.LibraryFolder(); });
  hotkeyBox_.emplace();
  spareTable_.emplace();
  StartModules();
  hotkeyInput_.emplace(*hotkeyBox_);
  board_.emplace(runtime_, *player_, *hotkeyInput_, Board::Options{BuildLinks(), {}});
}

// The drawing module starts GDI+ (and keeps the token); the control-windows module hands out
// control identifiers from 501 and readies the spare table.
void Program::StartModules() {
  gdiplusToken_ = StartGdiplus();
  StartControlWindows(*spareTable_);
}

Program::~Program() {
  board_.reset();
  player_.reset();
  ShutdownGdiplus(gdiplusToken_);
  hotkeyInput_.reset();
  hotkeyBox_.reset();
  spareTable_.reset();
}

int Program::Run() {
  board_->Open();
  return runtime_.RunMessageLoop();
}
