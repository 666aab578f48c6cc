#include "ui/sound_level_dialog.h"

#include "cad/room_plan_drawing.h"
#include "engine/main_window_model.h"
#include "engine/sound_level_input.h"
#include "files/number_text.h"
#include "lines/loudspeaker_units.h"
#include "pictures/room_plan.h"
#include "sound_level/zone_totals.h"
#include "ui/dialogs.h"
#include "ui/loudspeaker_library_editor.h"
#include "ui/output_file.h"
#include "ui/picture_window.h"
#include "ui/sound_level_plan_pdf.h"
#include "ui/sound_level_plan_view.h"
#include "ui/sound_level_room_editor.h"
#include "ui/sound_level_rooms_table.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

namespace orvika {
namespace {

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    return made;
}

QString entryText(const LoudspeakerData &entry, bool fromProject)
{
    return QStringLiteral("%1%2 — %3 дБ, %4°, отводы %5 Вт")
        .arg(entry.name, fromProject ? QStringLiteral(" (из проекта)") : QString(),
             russianDecimal(entry.sensitivity, 2), russianDecimal(entry.angle, 1), tapsText(entry.taps));
}

} // namespace

SoundLevelDialog::SoundLevelDialog(MainWindowModel &model, WindowDialogSeam &seam, Dialogs &dialogs,
                                   QWidget *parent)
    : QDialog(parent), m_model(model), m_seam(seam), m_dialogs(dialogs),
      m_rooms(model.projectCard().acoustics, model.state().appDir + u'/' + LoudspeakerLibraryFileName)
{
    setObjectName(QStringLiteral("soundLevelDialog"));
    setWindowTitle(QStringLiteral("Расчёт уровня звука (%1)").arg(sp3_13130_2009().edition));
    setSizeGripEnabled(true);

    auto *column = new QVBoxLayout(this);
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("soundLevelSplitter"));
    auto *roomsBox = new QWidget(split);
    buildRooms(roomsBox);
    m_plan = new SoundLevelPlanView(split);
    split->addWidget(roomsBox);
    split->addWidget(m_plan);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    split->setSizes({860, 420});
    column->addWidget(split, 1);

    auto *library = new QGroupBox(QStringLiteral("Библиотека громкоговорителей"), this);
    library->setObjectName(QStringLiteral("loudspeakerLibraryBox"));
    buildLibrary(library);
    column->addWidget(library);

    auto *commands = new QHBoxLayout;
    m_transfer = button(QStringLiteral("Перенести в линии"), "transferToLines", this);
    m_transfer->setToolTip(QStringLiteral("Громкоговоритель, количество и отвод каждой зоны — в линии "
                                          "громкоговорителей"));
    connect(m_transfer, &QPushButton::clicked, this, &SoundLevelDialog::transfer);
    commands->addWidget(m_transfer);
    commands->addStretch(1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("soundLevelButtons"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    commands->addWidget(buttons);
    column->addLayout(commands);

    refresh();
    resize(1300, 760);
}

void SoundLevelDialog::buildRooms(QWidget *box)
{
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_table = new SoundLevelRoomsTable(box);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &SoundLevelDialog::roomSelected);
    connect(m_table, &QTableWidget::itemDoubleClicked, this, &SoundLevelDialog::editRoom);
    column->addWidget(m_table, 1);
    // The selected room's every clause with its figures.
    m_verdicts = new QLabel(box);
    m_verdicts->setObjectName(QStringLiteral("roomVerdictsLabel"));
    m_verdicts->setWordWrap(true);
    m_verdicts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_verdicts);
    m_zoneTotals = new QLabel(box);
    m_zoneTotals->setObjectName(QStringLiteral("zoneTotalsLabel"));
    m_zoneTotals->setWordWrap(true);
    m_zoneTotals->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_zoneTotals);

    auto *row = new QHBoxLayout;
    auto *add = button(QStringLiteral("Добавить…"), "addRoomButton", box);
    m_editRoom = button(QStringLiteral("Изменить…"), "editRoomButton", box);
    m_duplicateRoom = button(QStringLiteral("Дублировать"), "duplicateRoomButton", box);
    m_removeRoom = button(QStringLiteral("Удалить"), "removeRoomButton", box);
    m_showPlan = button(QStringLiteral("План помещения…"), "roomPlanButton", box);
    m_planPdf = button(QStringLiteral("План в PDF…"), "roomPlanPdfButton", box);
    m_planPdf->setToolTip(QStringLiteral("План выбранного помещения на листе A4"));
    for (QPushButton *b : {add, m_editRoom, m_duplicateRoom, m_removeRoom})
        b->setAccessibleDescription(QStringLiteral("Помещения"));
    connect(add, &QPushButton::clicked, this, &SoundLevelDialog::addRoom);
    connect(m_editRoom, &QPushButton::clicked, this, &SoundLevelDialog::editRoom);
    connect(m_duplicateRoom, &QPushButton::clicked, this, &SoundLevelDialog::duplicateRoom);
    connect(m_removeRoom, &QPushButton::clicked, this, &SoundLevelDialog::removeRoom);
    connect(m_showPlan, &QPushButton::clicked, this, &SoundLevelDialog::showPlan);
    connect(m_planPdf, &QPushButton::clicked, this, &SoundLevelDialog::savePlanPdf);
    for (QPushButton *b : {add, m_editRoom, m_duplicateRoom, m_removeRoom})
        row->addWidget(b);
    row->addStretch(1);
    row->addWidget(m_showPlan);
    row->addWidget(m_planPdf);
    column->addLayout(row);
}

void SoundLevelDialog::buildLibrary(QWidget *box)
{
    auto *column = new QVBoxLayout(box);
    m_libraryProblem = new QLabel(box);
    m_libraryProblem->setObjectName(QStringLiteral("libraryProblemLabel"));
    m_libraryProblem->setWordWrap(true);
    m_libraryProblem->setText(m_rooms.libraryProblem());
    m_libraryProblem->setVisible(!m_rooms.libraryProblem().isEmpty());
    column->addWidget(m_libraryProblem);
    auto *row = new QHBoxLayout;
    m_library = new QListWidget(box);
    m_library->setObjectName(QStringLiteral("loudspeakerLibraryList"));
    m_library->setAccessibleName(QStringLiteral("Библиотека громкоговорителей"));
    m_library->setMaximumHeight(m_library->fontMetrics().lineSpacing() * 6);
    connect(m_library, &QListWidget::currentRowChanged, this, &SoundLevelDialog::libraryRowChosen);
    connect(m_library, &QListWidget::itemDoubleClicked, this, &SoundLevelDialog::editLoudspeaker);
    row->addWidget(m_library, 1);
    auto *buttons = new QVBoxLayout;
    m_addLoudspeaker = button(QStringLiteral("Добавить…"), "addLoudspeakerButton", box);
    m_editLoudspeaker = button(QStringLiteral("Изменить…"), "editLoudspeakerButton", box);
    m_removeLoudspeaker = button(QStringLiteral("Удалить"), "removeLoudspeakerButton", box);
    for (QPushButton *b : {m_addLoudspeaker, m_editLoudspeaker, m_removeLoudspeaker}) {
        b->setAccessibleDescription(QStringLiteral("Библиотека громкоговорителей"));
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    connect(m_addLoudspeaker, &QPushButton::clicked, this, &SoundLevelDialog::addLoudspeaker);
    connect(m_editLoudspeaker, &QPushButton::clicked, this, &SoundLevelDialog::editLoudspeaker);
    connect(m_removeLoudspeaker, &QPushButton::clicked, this, &SoundLevelDialog::removeLoudspeaker);
    row->addLayout(buttons);
    column->addLayout(row);
}

void SoundLevelDialog::tellLibraryProblem()
{
    if (!m_rooms.libraryProblem().isEmpty())
        m_dialogs.message(parentWidget(), m_rooms.libraryProblem());
}

void SoundLevelDialog::refresh()
{
    m_table->showRooms(m_rooms);
    QStringList zones;
    for (const ZoneTotal &total : zoneTotals(m_rooms.acoustics(), m_rooms.calculations())) {
        QString text = QStringLiteral("зона %1: %2 шт., %3 Вт")
                           .arg(total.zone)
                           .arg(total.count)
                           .arg(russianDecimal(total.power, 2));
        if (!total.unsolved.isEmpty())
            text += QStringLiteral(" (без нерассчитанных: %1)").arg(total.unsolved.size());
        zones.append(text);
    }
    m_zoneTotals->setText(zones.isEmpty() ? QStringLiteral("Помещений нет: добавьте их кнопкой «Добавить…».")
                                          : QStringLiteral("Итого: ") + zones.join(QStringLiteral("; ")));
    m_transfer->setEnabled(!m_rooms.acoustics().rooms.isEmpty());

    refreshLibrary();
    roomSelected();
}

void SoundLevelDialog::refreshLibrary()
{
    const QSignalBlocker quiet(m_library);
    const int current = m_library->currentRow();
    const QList<LoudspeakerData> choices = m_rooms.choices();
    m_library->clear();
    for (const LoudspeakerData &entry : choices)
        m_library->addItem(entryText(entry, m_rooms.fromProject(entry.name)));
    m_library->setCurrentRow(std::min(std::max(current, 0), int(choices.size()) - 1));
    libraryRowChosen();
}

void SoundLevelDialog::libraryRowChosen()
{
    // A copy only the card has is edited into the library ("В библиотеку…"), never removed from the card.
    const int row = m_library->currentRow();
    const bool inLibrary = row >= 0 && row < m_rooms.library().loudspeakers.size();
    m_addLoudspeaker->setEnabled(m_rooms.libraryEditable());
    m_editLoudspeaker->setEnabled(m_rooms.libraryEditable() && row >= 0);
    m_editLoudspeaker->setText(row >= 0 && !inLibrary ? QStringLiteral("В библиотеку…")
                                                      : QStringLiteral("Изменить…"));
    m_removeLoudspeaker->setEnabled(m_rooms.libraryEditable() && inLibrary);
}

void SoundLevelDialog::roomSelected()
{
    const qsizetype index = m_table->selectedRoom();
    for (QPushButton *b : {m_editRoom, m_duplicateRoom, m_removeRoom})
        b->setEnabled(index >= 0);
    std::optional<Picture> plan;
    QString note = QStringLiteral("Выберите помещение, чтобы увидеть его план");
    if (index >= 0) {
        const Room &room = m_rooms.acoustics().rooms.at(index);
        const RoomCalculation &calculation = m_rooms.calculations().at(index);
        QStringList clauses;
        if (calculation.result) {
            plan = roomPlanPicture(room, *calculation.result, *m_rooms.loudspeaker(room.loudspeaker));
            for (const Verdict &verdict : calculation.result->verdicts)
                clauses.append(verdict.text);
        } else {
            note = calculation.error;
            clauses.append(note);
        }
        m_verdicts->setText(QStringLiteral("«%1»:\n").arg(room.name) + clauses.join(u'\n'));
    }
    m_verdicts->setVisible(index >= 0);
    m_plan->setPlan(plan, note);
    m_showPlan->setEnabled(plan.has_value());
    m_planPdf->setEnabled(plan.has_value());
}

bool SoundLevelDialog::openRoomEditor(qsizetype index, const Room &start)
{
    QStringList names, shown;
    for (const LoudspeakerData &entry : m_rooms.choices()) {
        names.append(entry.name);
        shown.append(m_rooms.fromProject(entry.name) ? entry.name + QStringLiteral(" (из проекта)")
                                                     : entry.name);
    }
    SoundLevelRoomEditor editor(
        start, names, shown, [this, index](const Room &room) { return m_rooms.setRoom(index, room); },
        m_dialogs, this);
    if (editor.exec() != QDialog::Accepted)
        return false;
    refresh();
    m_table->selectRoom(index >= 0 ? index : m_rooms.acoustics().rooms.size() - 1);
    return true;
}

void SoundLevelDialog::addRoom()
{
    Room room;
    // A new room starts where the selected one is: same zone, height and loudspeaker.
    const qsizetype selected = m_table->selectedRoom();
    if (selected >= 0) {
        const Room &near = m_rooms.acoustics().rooms.at(selected);
        room.zone = near.zone;
        room.height = near.height;
        room.mounting = near.mounting;
        room.density = near.density;
        room.loudspeaker = near.loudspeaker;
    } else if (!m_rooms.choices().isEmpty()) {
        room.loudspeaker = m_rooms.choices().first().name;
    }
    openRoomEditor(-1, room);
}

void SoundLevelDialog::editRoom()
{
    const qsizetype index = m_table->selectedRoom();
    if (index >= 0)
        openRoomEditor(index, m_rooms.acoustics().rooms.at(index));
}

void SoundLevelDialog::duplicateRoom()
{
    const qsizetype copy = m_rooms.duplicateRoom(m_table->selectedRoom());
    refresh();
    m_table->selectRoom(copy);
}

void SoundLevelDialog::removeRoom()
{
    m_rooms.removeRoom(m_table->selectedRoom());
    refresh();
}

QStringList SoundLevelDialog::catalogueLoudspeakers() const
{
    return loudspeakerUnits(m_model.state().catalogue);
}

bool SoundLevelDialog::openLoudspeakerEditor(qsizetype index, const LoudspeakerData &start)
{
    LoudspeakerLibraryEditor editor(
        start, catalogueLoudspeakers(),
        [this, index](const LoudspeakerData &entry) { return m_rooms.setLibraryEntry(index, entry); },
        m_dialogs, this);
    if (editor.exec() != QDialog::Accepted)
        return false;
    refresh();
    return true;
}

void SoundLevelDialog::addLoudspeaker()
{
    LoudspeakerData entry;
    entry.taps = {0.75, 1.5, 3, 6};
    entry.angle = 90;
    openLoudspeakerEditor(-1, entry);
}

void SoundLevelDialog::editLoudspeaker()
{
    const int row = m_library->currentRow();
    const QList<LoudspeakerData> choices = m_rooms.choices();
    if (!m_rooms.libraryEditable() || row < 0 || row >= choices.size())
        return;
    // The card's copy goes into the library as a new entry.
    const bool inLibrary = row < m_rooms.library().loudspeakers.size();
    openLoudspeakerEditor(inLibrary ? row : -1, choices.at(row));
}

void SoundLevelDialog::removeLoudspeaker()
{
    const int row = m_library->currentRow();
    if (row < 0 || row >= m_rooms.library().loudspeakers.size())
        return;
    if (const QString failure = m_rooms.removeLibraryEntry(row); !failure.isEmpty())
        m_dialogs.message(this, failure);
    refresh();
}

void SoundLevelDialog::transfer()
{
    const WindowDialogSeam::Over over(m_seam, this);
    transferRoomsToLines(m_model, m_rooms);
}

void SoundLevelDialog::showPlan()
{
    const std::optional<Picture> &plan = m_plan->plan();
    if (!plan)
        return;
    if (m_planWindow)
        m_planWindow->close();
    const Picture picture = *plan;
    // The sheet's title block is filled from the card as it is when the drawing is saved.
    const auto drawing = [this, picture] { return roomPlanDrawing(picture, m_model.projectCard()); };
    const QString &folder = m_model.state().appDir;
    auto *window = new PictureWindow(picture, drawing, m_dialogs, folder, picture.title, this,
                                     windowProtectedFiles(folder));
    window->setObjectName(QStringLiteral("roomPlanWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_planWindow = window;
    window->show();
}

void SoundLevelDialog::savePlanPdf()
{
    const std::optional<Picture> &plan = m_plan->plan();
    if (!plan)
        return;
    const QString &folder = m_model.state().appDir;
    const QString path = askOutputFile(m_dialogs, this, QStringLiteral("План помещения в PDF"), folder,
                                       plan->title + QStringLiteral(".pdf"), QStringLiteral("PDF (*.pdf)"),
                                       windowProtectedFiles(folder));
    if (!path.isEmpty())
        announceWrite(m_dialogs, this, QFileInfo(path).fileName(), writeRoomPlanPdf(path, *plan));
}

void SoundLevelDialog::accept()
{
    const WindowDialogSeam::Over over(m_seam, this);
    ProjectCard card = m_model.projectCard();
    card.acoustics = m_rooms.acoustics();
    m_model.setProjectCard(card);
    QDialog::accept();
}

} // namespace orvika
