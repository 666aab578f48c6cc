#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QTableView;

namespace orvika {

class Dialogs;
class PriceListStore;
class PriceColumnMemory;

// "Прайс-лист": the current price list (its file, day and rows) and its replacement by an import from a CSV
// or XLSX file, with the choice of columns when the file's header does not tell them.
class PriceListDialog : public QDialog
{
    Q_OBJECT
public:
    PriceListDialog(PriceListStore &store, const PriceColumnMemory &memory, Dialogs &dialogs,
                    QWidget *parent = nullptr);

    // "Загрузить из файла…": the file asked for, then imported.
    void chooseAndImport();
    // The file imported; the choice of columns asked for when needed; the outcome told.
    void importFile(const QString &path);

private:
    void refresh();

    PriceListStore &m_store;
    const PriceColumnMemory &m_memory;
    Dialogs &m_dialogs;
    QLabel *m_summary = nullptr;
    QTableView *m_table = nullptr;
};

} // namespace orvika
