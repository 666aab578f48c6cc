#include "ui/loudspeaker_library_editor.h"

#include "engine/sound_level_input.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

namespace orvika {

LoudspeakerLibraryEditor::LoudspeakerLibraryEditor(const LoudspeakerData &entry,
                                                   const QStringList &catalogueNames, Keep keep,
                                                   Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_entry(entry), m_keep(std::move(keep)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("loudspeakerLibraryEditor"));
    setWindowTitle(QStringLiteral("Громкоговоритель библиотеки"));
    auto *form = new QFormLayout;
    const auto add = [&](const QString &label, QWidget *field) {
        form->addRow(label, field);
        field->setAccessibleName(label);
    };

    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("loudspeakerName"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->addItems(catalogueNames);
    m_name->setCurrentIndex(int(catalogueNames.indexOf(entry.name)));
    m_name->setEditText(entry.name);
    m_name->setMinimumContentsLength(32);
    add(QStringLiteral("Название"), m_name);

    const auto figure = [](double value) { return value > 0 ? figureText(value) : QString(); };
    m_sensitivity = new QLineEdit(figure(entry.sensitivity), this);
    m_sensitivity->setObjectName(QStringLiteral("loudspeakerSensitivity"));
    m_sensitivity->setToolTip(QStringLiteral("Уровень на 1 м при 1 Вт; значение на 3 м больше на 9,5 дБ"));
    add(QStringLiteral("Чувствительность, дБ (1 Вт, 1 м)"), m_sensitivity);
    m_taps = new QLineEdit(tapsText(entry.taps), this);
    m_taps->setObjectName(QStringLiteral("loudspeakerTaps"));
    m_taps->setPlaceholderText(QStringLiteral("0,75; 1,5; 3; 6"));
    add(QStringLiteral("Отводы, Вт"), m_taps);
    m_angle = new QLineEdit(figure(entry.angle), this);
    m_angle->setObjectName(QStringLiteral("loudspeakerAngle"));
    m_angle->setToolTip(QStringLiteral("Полный угол, на краю которого уровень на 6 дБ ниже, чем на оси"));
    add(QStringLiteral("Угол охвата по −6 дБ, °"), m_angle);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("loudspeakerEditorButtons"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
}

LoudspeakerData LoudspeakerLibraryEditor::entry() const
{
    LoudspeakerData entry = m_entry;
    entry.name = m_name->currentText().trimmed();
    entry.sensitivity = typedFigure(m_sensitivity->text());
    // A part that is not a figure reads as a tap that is not one.
    entry.taps = typedTaps(m_taps->text()).value_or(QList<double>{std::numeric_limits<double>::quiet_NaN()});
    entry.angle = typedFigure(m_angle->text());
    return entry;
}

void LoudspeakerLibraryEditor::accept()
{
    if (const QString error = m_keep(entry()); !error.isEmpty()) {
        m_dialogs.message(this, error);
        return;
    }
    QDialog::accept();
}

} // namespace orvika
