#include "Board.h"

void Board::OnStopClick() { player_.Stop(currentChannel_); }

void Board::OnShopClick() { runtime_.ShellOpen(options_.links.shopAddress); }

void Board::OnChatPictureClick() {
  runtime_.ShellOpen(L"tencent://message/?uin=" + options_.links.chatAccount + L"&Site=&Menu=yes");
}

void Board::ShowPage(int page) { runtime_.SetTabPage(Find(names::kPages), page - 1); }
