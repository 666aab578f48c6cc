#include "ui/main_window.h"

namespace orvika {

void MainWindow::connectSourceRules() {}

} // namespace orvika
