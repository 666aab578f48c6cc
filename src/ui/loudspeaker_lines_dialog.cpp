#include "ui/loudspeaker_lines_dialog.h"

#include "engine/main_window_model.h"
#include "lines/line_limits.h"
#include "lines/line_table.h"
#include "lines/loudspeaker_units.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

namespace orvika {
namespace {

// The window's columns, as the lines' table names them.
const QStringList &Captions = lineTableHeader();

// Digits with a decimal comma or point; no sign, no exponent, no group separators.
std::optional<double> typedNumber(const QString &text, const NumberRule &rule)
{
    static const QRegularExpression form(QStringLiteral("^\\d{1,9}(?:[.,]\\d{1,9})?$"));
    const QString trimmed = text.trimmed();
    if (!form.match(trimmed).hasMatch())
        return std::nullopt;
    const double value = QString(trimmed).replace(u',', u'.').toDouble();
    return rule.admits(value) ? std::optional(value) : std::nullopt;
}

// What the user is told of a number the rule does not admit.
QString hint(const NumberRule &rule)
{
    return QStringLiteral("введите ") + QString::fromUtf8(rule.range);
}

ZoneLine unstated(int zone)
{
    ZoneLine line;
    line.zone = zone;
    return line;
}

QString shown(const std::optional<double> &value)
{
    return value ? lineNumber(*value) : QString();
}

QString shown(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QString();
}

} // namespace

LoudspeakerLinesDialog::LoudspeakerLinesDialog(MainWindowModel &model, WindowDialogSeam &seam,
                                               Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_model(model), m_seam(seam), m_dialogs(dialogs),
      m_units(loudspeakerUnits(model.state().catalogue))
{
    setObjectName(QStringLiteral("loudspeakerLinesDialog"));
    setWindowTitle(QStringLiteral("Линии громкоговорителей"));

    const LoudspeakerLines &card = model.projectCard().lines;
    m_settings = card.settings;
    const int zones = model.lineZoneCount();
    for (int zone = 1; zone <= zones; ++zone) {
        const auto kept = std::find_if(card.zones.cbegin(), card.zones.cend(),
                                       [zone](const ZoneLine &line) { return line.zone == zone; });
        m_rows.append(kept != card.zones.cend() ? *kept : unstated(zone));
    }
    for (const ZoneLine &line : card.zones) {
        if (line.zone < 1 || line.zone > zones)
            m_hidden.append(line);
    }

    auto *column = new QVBoxLayout(this);
    auto *settings = new QWidget(this);
    buildSettings(settings);
    column->addWidget(settings);
    buildTable();
    column->addWidget(m_table, 1);

    auto *commands = new QHBoxLayout;
    m_transfer = new QPushButton(QStringLiteral("Перенести мощности в список зон"), this);
    m_transfer->setObjectName(QStringLiteral("transferZonePowersButton"));
    connect(m_transfer, &QPushButton::clicked, this, &LoudspeakerLinesDialog::transfer);
    commands->addWidget(m_transfer);
    commands->addStretch(1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("loudspeakerLinesButtons"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    commands->addWidget(buttons);
    column->addLayout(commands);

    showAllFigures();
    fitColumns();
    // Wide enough for every column when the screen allows it, rather than a scroll bar from the start.
    int width = m_table->frameWidth() * 2 + m_table->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < ColumnCount; ++c)
        width += m_table->columnWidth(c);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int available = screen ? screen->availableGeometry().width() - 40 : width;
    resize(std::min(width + 24, available), 460);
}

void LoudspeakerLinesDialog::buildSettings(QWidget *box)
{
    auto *form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setContentsMargins(0, 0, 0, 0);
    m_voltage = new QComboBox(box);
    m_voltage->setObjectName(QStringLiteral("lineVoltageBox"));
    for (const int voltage : LineVoltages)
        m_voltage->addItem(QString::number(voltage), voltage);
    // A voltage not offered cannot be chosen again; the line is then taken at 100 V.
    const int index = m_voltage->findData(int(m_settings.voltage));
    m_voltage->setCurrentIndex(
        index >= 0 && m_settings.voltage == int(m_settings.voltage) ? index : m_voltage->findData(100));
    m_settings.voltage = m_voltage->currentData().toInt();
    connect(m_voltage, &QComboBox::currentIndexChanged, this, [this] {
        m_settings.voltage = m_voltage->currentData().toInt();
        showAllFigures();
    });
    form->addRow(QStringLiteral("Напряжение линии, В"), m_voltage);

    m_lossLimit = new QLineEdit(lineNumber(m_settings.lossLimit), box);
    m_lossLimit->setObjectName(QStringLiteral("lossLimitEdit"));
    form->addRow(QStringLiteral("Допустимые потери, % мощности"), m_lossLimit);
    connect(m_lossLimit, &QLineEdit::editingFinished, this,
            [this] { settingEdited(m_lossLimit, m_settings.lossLimit, false); });

    m_cableReserve = new QLineEdit(lineNumber(m_settings.cableReserve), box);
    m_cableReserve->setObjectName(QStringLiteral("cableReserveEdit"));
    form->addRow(QStringLiteral("Запас кабеля, % длины"), m_cableReserve);
    connect(m_cableReserve, &QLineEdit::editingFinished, this,
            [this] { settingEdited(m_cableReserve, m_settings.cableReserve, true); });
    for (QLineEdit *field : {m_lossLimit, m_cableReserve})
        field->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
}

void LoudspeakerLinesDialog::buildTable()
{
    m_table = new QTableWidget(int(m_rows.size()), ColumnCount, this);
    m_table->setObjectName(QStringLiteral("loudspeakerLinesTable"));
    m_table->setAccessibleName(QStringLiteral("Линии зон"));
    for (int c = 0; c < ColumnCount; ++c)
        m_table->setHorizontalHeaderItem(c, new QTableWidgetItem(Captions[c]));
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    m_table->verticalHeader()->hide();
    m_filling = true;
    for (int row = 0; row < m_rows.size(); ++row)
        fillRow(row);
    m_filling = false;
    connect(m_table, &QTableWidget::itemChanged, this, &LoudspeakerLinesDialog::cellEdited);
}

void LoudspeakerLinesDialog::fillRow(int row)
{
    const ZoneLine &line = m_rows.at(row);
    const auto place = [this, row](int column, const QString &text, bool editable) {
        auto *item = new QTableWidgetItem(text);
        if (!editable)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        if (column != NameColumn && column != CableColumn && column != VerdictColumn)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_table->setItem(row, column, item);
    };
    const QString zone = QString::number(line.zone);
    place(ZoneColumn, zone, false);
    place(NameColumn, line.name, true);
    place(PowerColumn, shown(line.power), true);
    place(CountColumn, shown(line.count), true);
    place(LengthColumn, shown(line.length), true);
    place(CableColumn, line.cable, true);
    for (int column = ZonePowerColumn; column < ColumnCount; ++column)
        place(column, QString(), false);

    // The pickers read as their column and zone, as the cells do by their header.
    auto *loudspeaker = new QComboBox(m_table);
    loudspeaker->setObjectName(QStringLiteral("loudspeakerBox%1").arg(zone));
    loudspeaker->setAccessibleName(QStringLiteral("%1, зона %2").arg(Captions[LoudspeakerColumn], zone));
    loudspeaker->setEditable(true);
    loudspeaker->setInsertPolicy(QComboBox::NoInsert);
    loudspeaker->addItems(m_units);
    loudspeaker->setCurrentIndex(int(m_units.indexOf(line.loudspeaker)));
    loudspeaker->setEditText(line.loudspeaker);
    loudspeaker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(loudspeaker, &QComboBox::activated, this, [this, row] { loudspeakerChosen(row); });
    connect(loudspeaker->lineEdit(), &QLineEdit::editingFinished, this,
            [this, row] { loudspeakerChosen(row); });
    m_table->setCellWidget(row, LoudspeakerColumn, loudspeaker);

    auto *section = new QComboBox(m_table);
    section->setObjectName(QStringLiteral("sectionBox%1").arg(zone));
    section->setAccessibleName(QStringLiteral("%1, зона %2").arg(Captions[SectionColumn], zone));
    section->addItem(QString());
    for (const double s : CrossSections)
        section->addItem(lineNumber(s), s);
    section->setCurrentIndex(line.section ? std::max(0, section->findData(*line.section)) : 0);
    connect(section, &QComboBox::currentIndexChanged, this, [this, row] { sectionChosen(row); });
    m_table->setCellWidget(row, SectionColumn, section);
}

// A caption wraps at its spaces rather than widening its column beyond its longest word and figures;
// the names and marks are given room for a few words.
void LoudspeakerLinesDialog::fitColumns()
{
    QHeaderView *header = m_table->horizontalHeader();
    const QFontMetrics metrics = header->fontMetrics();
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin) + 4;
    const QFontMetrics cells = m_table->fontMetrics();
    const int padding = 2 * m_table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const auto contents = [&](int c) {
        int width = 0;
        for (int row = 0; row < m_table->rowCount(); ++row) {
            if (const QWidget *widget = m_table->cellWidget(row, c))
                width = std::max(width, widget->sizeHint().width());
            else
                width = std::max(width, cells.horizontalAdvance(m_table->item(row, c)->text()) + padding);
        }
        return width;
    };
    int lines = 1;
    for (int c = 0; c < ColumnCount; ++c) {
        int word = 0;
        for (const QString &part : Captions[c].split(u' '))
            word = std::max(word, metrics.horizontalAdvance(part));
        int width = std::max(word + margin, contents(c));
        if (c >= ZonePowerColumn && c < VerdictColumn)
            width = std::max(width, cells.horizontalAdvance(QStringLiteral("-00,00")) + padding);
        if (c == NameColumn || c == CableColumn)
            width =
                std::max(width, cells.horizontalAdvance(QStringLiteral("КПСнг(А)-FRLS 1x2x1,5")) + padding);
        if (c == VerdictColumn)
            width = std::max(
                width, cells.horizontalAdvance(QStringLiteral("потери 26,8 % > 10 %; в списке зон 1500 Вт")) +
                           padding);
        m_table->setColumnWidth(c, width);
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, width - margin, 1000), Qt::TextWordWrap, Captions[c]);
        lines = std::max(lines, int(std::ceil(double(wrapped.height()) / metrics.lineSpacing())));
    }
    header->setFixedHeight(lines * metrics.lineSpacing() + margin);
    header->setStretchLastSection(true);
    m_table->resizeRowsToContents();
}

void LoudspeakerLinesDialog::setCell(int row, int column, const QString &text)
{
    const bool filling = std::exchange(m_filling, true);
    m_table->item(row, column)->setText(text);
    m_filling = filling;
}

void LoudspeakerLinesDialog::showFigures(int row)
{
    const ZoneLine &line = m_rows.at(row);
    // The figures as the lines' table computes them: empty for a line short of them.
    const QStringList figures = lineTableRow(line, m_settings);
    for (int column = ZonePowerColumn; column < VerdictColumn; ++column)
        setCell(row, column, lineFigures(line, m_settings) ? figures.value(column) : QString());
    QStringList verdict;
    if (!figures.value(VerdictColumn).isEmpty())
        verdict << figures.value(VerdictColumn);
    const QString note = zoneListNote(line, m_model.zoneListPower(line.zone));
    if (!note.isEmpty())
        verdict << note;
    setCell(row, VerdictColumn, verdict.join(QStringLiteral("; ")));
    m_transfer->setEnabled(m_model.canTransferZonePowers(lines()));
}

void LoudspeakerLinesDialog::showAllFigures()
{
    for (int row = 0; row < m_rows.size(); ++row)
        showFigures(row);
}

void LoudspeakerLinesDialog::cellEdited(QTableWidgetItem *item)
{
    if (m_filling)
        return;
    const int row = item->row();
    ZoneLine &line = m_rows[row];
    const QString text = item->text();
    const auto refuse = [&](const NumberRule &rule, const QString &before) {
        setCell(row, item->column(), before);
        m_dialogs.message(this, QStringLiteral("Зона %1, «%2»: %3")
                                    .arg(QString::number(line.zone), Captions[item->column()], hint(rule)));
    };
    switch (item->column()) {
    case NameColumn:
        line.name = text.trimmed();
        break;
    case CableColumn:
        line.cable = text.trimmed();
        break;
    case PowerColumn:
    case LengthColumn: {
        std::optional<double> &value = item->column() == PowerColumn ? line.power : line.length;
        const NumberRule &rule = item->column() == PowerColumn ? PowerRule : LengthRule;
        const std::optional<double> typed = typedNumber(text, rule);
        if (!text.trimmed().isEmpty() && !typed)
            return refuse(rule, shown(value));
        value = typed;
        setCell(row, item->column(), shown(value));
        break;
    }
    case CountColumn: {
        const std::optional<double> typed = typedNumber(text, CountRule);
        if (!text.trimmed().isEmpty() && !typed)
            return refuse(CountRule, shown(line.count));
        line.count = typed ? std::optional<int>(int(*typed)) : std::nullopt;
        setCell(row, CountColumn, shown(line.count));
        break;
    }
    default:
        return;
    }
    showFigures(row);
}

void LoudspeakerLinesDialog::loudspeakerChosen(int row)
{
    const auto *box = qobject_cast<QComboBox *>(m_table->cellWidget(row, LoudspeakerColumn));
    ZoneLine &line = m_rows[row];
    const QString chosen = box->currentText().trimmed();
    if (chosen == line.loudspeaker)
        return;
    chooseLoudspeaker(line, chosen, m_units);
    setCell(row, PowerColumn, shown(line.power));
    showFigures(row);
}

void LoudspeakerLinesDialog::sectionChosen(int row)
{
    const auto *box = qobject_cast<QComboBox *>(m_table->cellWidget(row, SectionColumn));
    const QVariant section = box->currentData();
    m_rows[row].section = section.isValid() ? std::optional<double>(section.toDouble()) : std::nullopt;
    showFigures(row);
}

QString LoudspeakerLinesDialog::label(QLineEdit *field) const
{
    const auto *form = qobject_cast<QFormLayout *>(field->parentWidget()->layout());
    const auto *caption = form ? form->labelForField(field) : nullptr;
    const auto *text = qobject_cast<const QLabel *>(caption);
    return text ? text->text() : field->objectName();
}

void LoudspeakerLinesDialog::settingEdited(QLineEdit *field, double &value, bool zeroAllowed)
{
    const NumberRule &rule = zeroAllowed ? CableReserveRule : LossLimitRule;
    const std::optional<double> typed = typedNumber(field->text(), rule);
    // Put back before the box takes the focus, so that leaving the field does not ask again.
    field->setText(lineNumber(typed ? *typed : value));
    if (!typed) {
        m_dialogs.message(this, QStringLiteral("«%1»: %2").arg(label(field), hint(rule)));
        return;
    }
    value = *typed;
    showAllFigures();
}

LoudspeakerLines LoudspeakerLinesDialog::lines() const
{
    LoudspeakerLines lines;
    lines.settings = m_settings;
    for (const ZoneLine &line : m_rows) {
        if (line != unstated(line.zone))
            lines.zones.append(line);
    }
    lines.zones.append(m_hidden);
    std::stable_sort(lines.zones.begin(), lines.zones.end(),
                     [](const ZoneLine &a, const ZoneLine &b) { return a.zone < b.zone; });
    return lines;
}

void LoudspeakerLinesDialog::transfer()
{
    const WindowDialogSeam::Over over(m_seam, this);
    m_model.setLoudspeakerLines(lines());
    m_model.transferZonePowers();
    showAllFigures();
}

void LoudspeakerLinesDialog::accept()
{
    const WindowDialogSeam::Over over(m_seam, this);
    m_model.setLoudspeakerLines(lines());
    QDialog::accept();
}

} // namespace orvika
