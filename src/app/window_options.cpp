#include "app/window_options.h"

#include "app/board.h"

namespace pelorin {

// "程序优化" (选择框3) is an option shown without any effect: it has no handler.

void OnTopmostClicked(Board& board) { board.SetTopmost(board.IsChecked(kCheckBox2)); }

}  // namespace pelorin
