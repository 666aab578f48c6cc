#include "ui/sound_level_room_editor.h"

#include "engine/sound_level_input.h"
#include "sound_level/room_kinds.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvika {
namespace {

// The zones a room may be in: as many as a system may have.
constexpr int LastZone = 999;

QLineEdit *figureField(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(objectName);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000000000000")));
    return field;
}

} // namespace

SoundLevelRoomEditor::SoundLevelRoomEditor(const Room &room, const QStringList &loudspeakers,
                                           const QStringList &shownNames, Keep keep, Dialogs &dialogs,
                                           QWidget *parent)
    : QDialog(parent), m_room(room), m_keep(std::move(keep)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("soundLevelRoomEditor"));
    setWindowTitle(room.name.isEmpty() ? QStringLiteral("Помещение") : room.name);
    auto *form = new QFormLayout;

    m_zone = new QSpinBox(this);
    m_zone->setObjectName(QStringLiteral("roomZone"));
    m_zone->setRange(1, LastZone);
    m_zone->setValue(room.zone);
    form->addRow(QStringLiteral("Зона"), m_zone);
    m_name = new QLineEdit(room.name, this);
    m_name->setObjectName(QStringLiteral("roomName"));
    form->addRow(QStringLiteral("Помещение"), m_name);

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("roomKind"));
    m_kind->setEditable(true);
    m_kind->setInsertPolicy(QComboBox::NoInsert);
    for (const RoomKind &kind : typicalRoomKinds())
        m_kind->addItem(kind.name);
    m_kind->setCurrentIndex(m_kind->findText(room.kind));
    m_kind->setEditText(room.kind);
    connect(m_kind, &QComboBox::activated, this, &SoundLevelRoomEditor::kindChosen);
    form->addRow(QStringLiteral("Назначение"), m_kind);
    m_source = new QLabel(this);
    m_source->setObjectName(QStringLiteral("roomNoiseSource"));
    m_source->setWordWrap(true);
    form->addRow(QString(), m_source);

    m_noise = figureField(QStringLiteral("roomNoise"), figureText(room.noise), this);
    form->addRow(QStringLiteral("Допустимый шум, дБА"), m_noise);
    m_sleeping = new QCheckBox(QStringLiteral("Помещение для сна (не менее 70 дБА)"), this);
    m_sleeping->setObjectName(QStringLiteral("roomSleeping"));
    m_sleeping->setChecked(room.sleeping);
    form->addRow(QString(), m_sleeping);

    const auto shown = [](double value) { return value > 0 ? figureText(value) : QString(); };
    m_length = figureField(QStringLiteral("roomLength"), shown(room.length), this);
    form->addRow(QStringLiteral("Длина, м"), m_length);
    m_width = figureField(QStringLiteral("roomWidth"), shown(room.width), this);
    form->addRow(QStringLiteral("Ширина, м"), m_width);
    m_height = figureField(QStringLiteral("roomHeight"), shown(room.height), this);
    form->addRow(QStringLiteral("Высота, м"), m_height);
    m_listening = figureField(QStringLiteral("roomListening"), figureText(room.listening), this);
    m_listening->setToolTip(QStringLiteral("1,5 м по п. 4.2; в помещениях для сна — высота головы спящего, "
                                           "например 0,7 м"));
    form->addRow(QStringLiteral("Высота прослушивания, м"), m_listening);

    m_mounting = new QComboBox(this);
    m_mounting->setObjectName(QStringLiteral("roomMounting"));
    m_mounting->addItem(QStringLiteral("на потолке"), int(Mounting::Ceiling));
    m_mounting->addItem(QStringLiteral("на одной стене"), int(Mounting::Wall));
    m_mounting->addItem(QStringLiteral("на двух длинных стенах"), int(Mounting::Walls));
    m_mounting->setCurrentIndex(m_mounting->findData(int(room.mounting)));
    connect(m_mounting, &QComboBox::currentIndexChanged, this, &SoundLevelRoomEditor::mountingChosen);
    form->addRow(QStringLiteral("Установка громкоговорителей"), m_mounting);
    m_density = new QComboBox(this);
    m_density->setObjectName(QStringLiteral("roomDensity"));
    m_density->addItem(QStringLiteral("минимальное перекрытие"), int(Density::Minimum));
    m_density->addItem(QStringLiteral("полное перекрытие"), int(Density::Full));
    m_density->setCurrentIndex(m_density->findData(int(room.density)));
    form->addRow(QStringLiteral("Размещение"), m_density);
    m_speakerHeight = figureField(QStringLiteral("roomSpeakerHeight"),
                                  room.speakerHeight ? figureText(*room.speakerHeight) : QString(), this);
    m_speakerHeight->setPlaceholderText(QStringLiteral("H − 0,15"));
    form->addRow(QStringLiteral("Верх громкоговорителя на стене, м"), m_speakerHeight);

    m_loudspeaker = new QComboBox(this);
    m_loudspeaker->setObjectName(QStringLiteral("roomLoudspeaker"));
    m_loudspeaker->addItem(QString(), QString());
    for (qsizetype i = 0; i < loudspeakers.size(); ++i)
        m_loudspeaker->addItem(shownNames.value(i, loudspeakers.at(i)), loudspeakers.at(i));
    m_loudspeaker->setCurrentIndex(std::max(0, m_loudspeaker->findData(room.loudspeaker)));
    form->addRow(QStringLiteral("Громкоговоритель"), m_loudspeaker);

    // Each field reads as its label.
    for (int row = 0; row < form->rowCount(); ++row) {
        auto *label = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)
                                                 ? form->itemAt(row, QFormLayout::LabelRole)->widget()
                                                 : nullptr);
        QLayoutItem *field = form->itemAt(row, QFormLayout::FieldRole);
        if (label && field && field->widget())
            field->widget()->setAccessibleName(label->text());
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("roomEditorButtons"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);

    const RoomKind *kind = findRoomKind(room.kind);
    m_source->setText(kind ? kind->source : QString());
    m_source->setVisible(kind);
    mountingChosen();
}

void SoundLevelRoomEditor::kindChosen()
{
    const RoomKind *kind = findRoomKind(m_kind->currentText());
    m_source->setVisible(kind);
    if (!kind)
        return;
    m_noise->setText(figureText(kind->noise));
    m_sleeping->setChecked(kind->sleeping);
    m_source->setText(QStringLiteral("Шум %1 дБА: %2").arg(figureText(kind->noise), kind->source));
}

void SoundLevelRoomEditor::mountingChosen()
{
    m_speakerHeight->setEnabled(m_mounting->currentData().toInt() != int(Mounting::Ceiling));
}

Room SoundLevelRoomEditor::room() const
{
    Room room = m_room;
    room.zone = m_zone->value();
    room.name = m_name->text().trimmed();
    room.kind = m_kind->currentText().trimmed();
    room.noise = typedFigure(m_noise->text());
    room.sleeping = m_sleeping->isChecked();
    room.length = typedFigure(m_length->text());
    room.width = typedFigure(m_width->text());
    room.height = typedFigure(m_height->text());
    room.listening = typedFigure(m_listening->text());
    room.mounting = Mounting(m_mounting->currentData().toInt());
    room.density = Density(m_density->currentData().toInt());
    // Empty: 0.15 m under the ceiling.
    const QString top = m_speakerHeight->text().trimmed();
    room.speakerHeight = top.isEmpty() ? std::nullopt : std::optional(typedFigure(top));
    room.loudspeaker = m_loudspeaker->currentData().toString();
    return room;
}

void SoundLevelRoomEditor::accept()
{
    if (const QString error = m_keep(room()); !error.isEmpty()) {
        m_dialogs.message(this, error);
        return;
    }
    QDialog::accept();
}

} // namespace orvika
