#include "ui/main_window.h"

namespace orvika {

void MainWindow::connectCalculationRules() {}

} // namespace orvika
