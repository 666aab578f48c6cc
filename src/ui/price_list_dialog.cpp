#include "ui/price_list_dialog.h"

#include "engine/price_list_import_rule.h"
#include "offer/money.h"
#include "ui/dialogs.h"
#include "ui/price_columns_dialog.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace orvika {
namespace {

// The list's rows as the table shows them; a list of many thousand rows costs no widget per cell.
class PriceEntriesModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(const PriceList *list)
    {
        beginResetModel();
        m_entries = list ? list->entries : QList<PriceEntry>();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_entries.size());
    }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : 5; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const PriceEntry &entry = m_entries.at(index.row());
        if (role == Qt::TextAlignmentRole)
            return index.column() >= 2 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case 0:
            return entry.model;
        case 1:
            return entry.name;
        case 2:
            return moneyText(Money::fromKopecks(entry.priceMinor));
        case 3:
            return entry.currency;
        default:
            return entry.line;
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        static const QStringList titles = {QStringLiteral("Модель"), QStringLiteral("Наименование"),
                                           QStringLiteral("Цена"), QStringLiteral("Валюта"),
                                           QStringLiteral("Строка файла")};
        return titles.value(section);
    }

private:
    QList<PriceEntry> m_entries;
};

// Where the file dialog opens: the folder of the last list imported in this session, else the home folder.
QString &lastFolder()
{
    static QString folder;
    return folder;
}

} // namespace

PriceListDialog::PriceListDialog(PriceListStore &store, const PriceColumnMemory &memory, Dialogs &dialogs,
                                 QWidget *parent)
    : QDialog(parent), m_store(store), m_memory(memory), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("priceListDialog"));
    setWindowTitle(QStringLiteral("Прайс-лист"));
    setSizeGripEnabled(true);
    auto *column = new QVBoxLayout(this);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("priceListSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_summary);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("priceListTable"));
    m_table->setAccessibleName(QStringLiteral("Строки прайс-листа"));
    m_table->setModel(new PriceEntriesModel(m_table));
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    column->addWidget(m_table, 1);

    auto *row = new QHBoxLayout;
    auto *import = new QPushButton(QStringLiteral("Загрузить из файла…"), this);
    import->setObjectName(QStringLiteral("importPriceListButton"));
    import->setToolTip(QStringLiteral("CSV или XLSX: модель (код) или наименование и цена в строке; новый "
                                      "прайс-лист заменяет текущий"));
    connect(import, &QPushButton::clicked, this, &PriceListDialog::chooseAndImport);
    row->addWidget(import);
    row->addStretch(1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("priceListButtons"));
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    row->addWidget(buttons);
    column->addLayout(row);

    refresh();
    resize(900, 560);
}

void PriceListDialog::refresh()
{
    const PriceList *list = m_store.current();
    QString text;
    if (list)
        text = QStringLiteral("Текущий прайс-лист: ") + priceListSummary(*list) + u'.';
    else if (m_store.problem().isEmpty())
        text =
            QStringLiteral("Прайс-лист не загружен. Загрузите его из файла CSV или XLSX: цены коммерческого "
                           "предложения берутся из него.");
    else
        text = m_store.problem();
    m_summary->setText(text);
    static_cast<PriceEntriesModel *>(m_table->model())->show(list);
    m_table->resizeColumnToContents(0);
}

void PriceListDialog::chooseAndImport()
{
    const QString folder = lastFolder().isEmpty() ? QDir::homePath() : lastFolder();
    const QString path = m_dialogs.openFileName(this, QStringLiteral("Загрузить прайс-лист"), folder,
                                                QStringLiteral("Прайс-листы (*.csv *.xlsx);;Все файлы (*)"));
    if (path.isEmpty())
        return;
    lastFolder() = QFileInfo(path).absolutePath();
    importFile(path);
}

void PriceListDialog::importFile(const QString &path)
{
    const QDate today = QDate::currentDate();
    PriceListImportStep step = importPriceList(m_store, m_memory, path, today);
    while (step.outcome == PriceListImportStep::ChooseColumns) {
        PriceColumnsDialog choice(step.import, step.proposed, m_dialogs, this);
        if (choice.exec() != QDialog::Accepted)
            return;
        step = importPriceList(m_store, m_memory, path, today, choice.columns());
    }
    refresh();
    m_dialogs.message(this, step.message);
}

} // namespace orvika
