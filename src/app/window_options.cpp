#include "app/window_options.h"

#include "app/main_window.h"

namespace pelorin {

// "程序优化" (选择框3) is an option shown without any effect: it has no handler.

void OnTopmostClicked(MainWindow& window) { window.SetTopmost(window.IsChecked(kCheckBox2)); }

}  // namespace pelorin
