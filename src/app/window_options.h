#pragma once

namespace pelorin {

class Board;

// "窗口最前" clicked (its check mark already changed): follow it.
void OnTopmostClicked(Board& board);

}  // namespace pelorin
