#pragma once

namespace pelorin {

class MainWindow;

// "窗口最前" clicked (its check mark already changed): follow it.
void OnTopmostClicked(MainWindow& window);

}  // namespace pelorin
