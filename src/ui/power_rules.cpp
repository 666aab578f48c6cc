#include "ui/main_window.h"

namespace orvika {

void MainWindow::connectPowerRules() {}

} // namespace orvika
