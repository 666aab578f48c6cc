#pragma once

#include <QDialog>
#include <optional>

class QLabel;

namespace orvika {

// Form2: how many lines the catalogue and the block-diagram library had at start-up. The counts
// are fixed when the window is made; a file that could not be read shows no count.
class InformationWindow : public QDialog
{
    Q_OBJECT
public:
    InformationWindow(std::optional<int> blockCount, std::optional<int> schemeCount,
                      QWidget *parent = nullptr);

    QLabel *Label13 = nullptr; // "Количество блоков в базе:"
    QLabel *Label1 = nullptr;  // the catalogue's line count
    QLabel *Label3 = nullptr;  // "Количество схем в базе:"
    QLabel *Label2 = nullptr;  // the library's line count
};

} // namespace orvika
