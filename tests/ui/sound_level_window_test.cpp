#include "document_window.h"
#include "engine/sound_level_input.h"
#include "pictures/room_plan.h"
#include "sound_level/room_fixtures.h"
#include "ui/loudspeaker_library_editor.h"
#include "ui/sound_level_dialog.h"
#include "ui/sound_level_room_editor.h"
#include "ui/sound_level_rooms_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

// "Проект" → "Расчёт уровня звука…": rooms typed through their editor with their results in the table,
// the loudspeaker library kept in its file, the rooms in the card on OK and their sums in the lines.
namespace orvika::test::documents::sound_level {
namespace {

using Dialog = SoundLevelDialog;
using Table = SoundLevelRoomsTable;

const QString Ceiling = QStringLiteral("Потолочный 6 Вт");

class SoundLevelWindow : public OpenWindowTest
{
protected:
    void SetUp() override
    {
        OpenWindowTest::SetUp();
        LoudspeakerLibrary library;
        library.loudspeakers = {{Ceiling, 90, {0.75, 1.5, 3, 6}, 90, {}}};
        ASSERT_FALSE(writeLoudspeakerLibrary(libraryPath(), library));
    }

    QString libraryPath() const { return dir.filePath(LoudspeakerLibraryFileName); }

    // Opens the window from the menu and lets act work in it; then OK (ok) or Отмена.
    void openWindow(const std::function<void(Dialog &)> &act, bool ok = true)
    {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            act(*dialog);
            ok ? dialog->accept() : dialog->reject();
        });
        m().soundLevelAction->trigger();
    }

    // Runs open (which opens an editor modal) with fill acting in the editor, then OK; an editor that
    // refuses stays open and is closed with Отмена. Whether it stayed open.
    template <typename Editor> static bool inEditor(const std::function<void(Editor &)> &fill, auto open)
    {
        bool stayed = false;
        QTimer::singleShot(0, [&] {
            auto *editor = qobject_cast<Editor *>(QApplication::activeModalWidget());
            ASSERT_TRUE(editor);
            fill(*editor);
            editor->accept();
            stayed = editor->isVisible();
            if (stayed)
                editor->reject();
        });
        open();
        return stayed;
    }

    static void type(QWidget &editor, const char *field, const QString &text)
    {
        auto *edit = editor.findChild<QLineEdit *>(QLatin1String(field));
        ASSERT_TRUE(edit) << field;
        edit->setText(text);
    }

    static void choose(QWidget &editor, const char *box, const QString &shown)
    {
        auto *combo = editor.findChild<QComboBox *>(QLatin1String(box));
        const int index = combo->findText(shown);
        ASSERT_GE(index, 0) << shown.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // The office of 12 × 8 × 3 m, noise 60, typed as a user types it.
    static void typeOffice(SoundLevelRoomEditor &editor, int zone = 1)
    {
        editor.findChild<QSpinBox *>(QStringLiteral("roomZone"))->setValue(zone);
        type(editor, "roomName", QStringLiteral("Офис 101"));
        type(editor, "roomNoise", QStringLiteral("60"));
        type(editor, "roomLength", QStringLiteral("12"));
        type(editor, "roomWidth", QStringLiteral("8,0"));
        type(editor, "roomHeight", QStringLiteral("3"));
        choose(editor, "roomLoudspeaker", Ceiling);
    }

    static QStringList row(Dialog &dialog, int row)
    {
        auto *table = dialog.findChild<Table *>(QStringLiteral("soundLevelRoomsTable"));
        QStringList cells;
        for (int c = 0; c < Table::ColumnCount; ++c)
            cells << table->item(row, c)->text();
        return cells;
    }
};

TEST_F(SoundLevelWindow, ARoomTypedShowsItsResultsAndOkKeepsItInTheCard)
{
    EXPECT_EQ(m().soundLevelAction->text(), u"Расчёт уровня звука…");
    openWindow([](Dialog &dialog) {
        EXPECT_FALSE(dialog.findChild<QPushButton *>(QStringLiteral("transferToLines"))->isEnabled())
            << "no rooms to carry";
        EXPECT_FALSE(inEditor<SoundLevelRoomEditor>([](auto &editor) { typeOffice(editor); },
                                                    [&] { dialog.addRoom(); }));
        EXPECT_EQ(row(dialog, 0), QStringList({"1", "Офис 101", Ceiling, "24", "6 × 4", "0,75", "18", "75,0",
                                               "76,9", "79,2", "91,9", "нормы выполнены"}));
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("zoneTotalsLabel"))->text(),
                  u"Итого: зона 1: 24 шт., 18 Вт");
    });
    const Acoustics &kept = m().model().projectCard().acoustics;
    ASSERT_EQ(kept.rooms.size(), 1);
    EXPECT_EQ(kept.rooms[0].width, 8);
    EXPECT_EQ(kept.rooms[0].listening, 1.5) << "the listening height by default";
    EXPECT_EQ(kept.loudspeakers.size(), 1) << "the card's copy of the library's loudspeaker";

    // Opened again: the card's rooms; a room added and the window cancelled keeps nothing.
    openWindow(
        [](Dialog &dialog) {
            EXPECT_EQ(row(dialog, 0).value(Table::CountColumn), u"24");
            inEditor<SoundLevelRoomEditor>([](auto &editor) { typeOffice(editor, 2); },
                                           [&] { dialog.addRoom(); });
            EXPECT_EQ(dialog.rooms().acoustics().rooms.size(), 2);
        },
        false);
    EXPECT_EQ(m().model().projectCard().acoustics.rooms.size(), 1);
}

TEST_F(SoundLevelWindow, TheSelectedRoomShowsItsPlanAndGoesToPdf)
{
    openWindow([this](Dialog &dialog) {
        inEditor<SoundLevelRoomEditor>([](auto &editor) { typeOffice(editor); }, [&] { dialog.addRoom(); });
        auto *table = dialog.findChild<Table *>(QStringLiteral("soundLevelRoomsTable"));
        auto *plan = dialog.findChild<QWidget *>(QStringLiteral("roomPlanView"));
        auto *open = dialog.findChild<QPushButton *>(QStringLiteral("roomPlanButton"));
        auto *pdf = dialog.findChild<QPushButton *>(QStringLiteral("roomPlanPdfButton"));
        EXPECT_EQ(table->selectedRoom(), 0) << "the room added is selected";
        EXPECT_EQ(plan->accessibleName(), roomPlanTitle(dialog.rooms().acoustics().rooms[0]));
        EXPECT_TRUE(dialog.findChild<QLabel *>(QStringLiteral("roomVerdictsLabel"))
                        ->text()
                        .contains(u"п. 4.2: 76,9 дБА ≥ 75,0 дБА"));

        open->click();
        auto *window = dialog.findChild<QDialog *>(QStringLiteral("roomPlanWindow"));
        ASSERT_TRUE(window);
        EXPECT_EQ(window->windowTitle(), roomPlanTitle(dialog.rooms().acoustics().rooms[0]));
        window->close();

        w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("plan.pdf")));
        pdf->click();
        EXPECT_EQ(w->dialogs.takeMessages(), QStringList{"Сохранено как: plan.pdf"});
        EXPECT_TRUE(dir.read(QStringLiteral("plan.pdf")).startsWith("%PDF"));

        // A copy follows its room; removed, the table loses it.
        dialog.findChild<QPushButton *>(QStringLiteral("duplicateRoomButton"))->click();
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(row(dialog, 1).value(Table::NameColumn), u"Офис 101 (копия)");
        EXPECT_EQ(table->selectedRoom(), 1);
        dialog.findChild<QPushButton *>(QStringLiteral("removeRoomButton"))->click();
        EXPECT_EQ(table->rowCount(), 1);
        EXPECT_EQ(table->selectedRoom(), -1);
        EXPECT_FALSE(open->isEnabled()) << "no room selected, no plan";
    });
}

TEST_F(SoundLevelWindow, BadInputInEveryFieldIsNamedAndTheEditorStaysOpen)
{
    const struct
    {
        const char *field;
        const char *typed;
        const char *message;
    } cases[] = {
        {"roomLength", "0", "длина — число больше 0 и не больше 1000 м"},
        {"roomLength", "1000,5", "длина — число больше 0 и не больше 1000 м"},
        {"roomWidth", "восемь", "ширина — число больше 0 и не больше 1000 м"},
        {"roomHeight", "", "высота — число больше 0 и не больше 1000 м"},
        {"roomNoise", "131", "допустимый шум — число от 0 до 130 дБА"},
        {"roomNoise", "-5", "допустимый шум — число от 0 до 130 дБА"},
        {"roomListening", "3", "высота прослушивания — ниже потолка"},
        {"roomSpeakerHeight", "3,2", "высота верха громкоговорителя — число больше 0 и не выше потолка"},
        {"roomLoudspeaker", "", "громкоговоритель не выбран"},
    };
    openWindow([&](Dialog &dialog) {
        for (const auto &c : cases) {
            const bool stayed = inEditor<SoundLevelRoomEditor>(
                [&](SoundLevelRoomEditor &editor) {
                    typeOffice(editor);
                    choose(editor, "roomMounting", QStringLiteral("на одной стене"));
                    if (QLatin1String(c.field) == QLatin1String("roomLoudspeaker"))
                        choose(editor, c.field, QString());
                    else
                        type(editor, c.field, QString::fromUtf8(c.typed));
                },
                [&] { dialog.addRoom(); });
            EXPECT_TRUE(stayed) << c.field << " " << c.typed;
            EXPECT_EQ(w->dialogs.takeMessages(),
                      QStringList{QStringLiteral("Зона 1, «Офис 101»: ") + QString::fromUtf8(c.message)})
                << c.field;
            EXPECT_TRUE(dialog.rooms().acoustics().rooms.isEmpty()) << c.field;
        }
    });
    EXPECT_TRUE(m().model().projectCard().acoustics.rooms.isEmpty());
}

TEST_F(SoundLevelWindow, ATypicalKindFillsTheNoiseAndShowsItsSource)
{
    openWindow([](Dialog &dialog) {
        inEditor<SoundLevelRoomEditor>(
            [](SoundLevelRoomEditor &editor) {
                typeOffice(editor);
                choose(editor, "roomKind", QStringLiteral("Палаты больниц"));
                EXPECT_EQ(editor.findChild<QLineEdit *>(QStringLiteral("roomNoise"))->text(), u"35");
                EXPECT_TRUE(editor.findChild<QCheckBox *>(QStringLiteral("roomSleeping"))->isChecked());
                EXPECT_EQ(editor.findChild<QLabel *>(QStringLiteral("roomNoiseSource"))->text(),
                          u"Шум 35 дБА: СанПиН 1.2.3685-21, типовое значение");
                EXPECT_EQ(editor.room().listening, 1.5) << "the listening height is the user's to lower";
            },
            [&] { dialog.addRoom(); });
        EXPECT_EQ(dialog.rooms().acoustics().rooms.value(0).noise, 35);
        EXPECT_EQ(row(dialog, 0).value(Table::RequiredColumn), u"70,0") << "a sleeping room's least";
    });
}

TEST_F(SoundLevelWindow, TheLibraryIsWrittenAsItIsEdited)
{
    const LoudspeakerData horn{QStringLiteral("Рупор"), 100, {5, 10}, 60, {}};
    ProjectCard card = m().model().projectCard();
    card.acoustics.loudspeakers = {horn};
    card.acoustics.rooms = {testRoom(20, 10, 6, 70, Mounting::Ceiling, horn.name)};
    m().model().setProjectCard(card);
    openWindow([&](Dialog &dialog) {
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("loudspeakerLibraryList"));
        auto *edit = dialog.findChild<QPushButton *>(QStringLiteral("editLoudspeakerButton"));
        auto *remove = dialog.findChild<QPushButton *>(QStringLiteral("removeLoudspeakerButton"));
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(1)->text(), u"Рупор (из проекта) — 100 дБ, 60°, отводы 5; 10 Вт");
        // The card's copy is not the library's to remove; it may go into the library.
        list->setCurrentRow(1);
        EXPECT_FALSE(remove->isEnabled());
        EXPECT_EQ(edit->text(), u"В библиотеку…");
        EXPECT_FALSE(inEditor<LoudspeakerLibraryEditor>([](auto &) {}, [&] { edit->click(); }));
        EXPECT_EQ(readLoudspeakerLibrary(libraryPath()).library.loudspeakers.value(1), horn);
        EXPECT_EQ(list->item(1)->text(), u"Рупор — 100 дБ, 60°, отводы 5; 10 Вт");
        list->setCurrentRow(1);
        EXPECT_TRUE(remove->isEnabled());
        remove->click();
        EXPECT_EQ(readLoudspeakerLibrary(libraryPath()).library.loudspeakers.size(), 1);
        EXPECT_EQ(list->item(1)->text(), u"Рупор (из проекта) — 100 дБ, 60°, отводы 5; 10 Вт")
            << "the card keeps the copy its room uses";

        // A bad angle is named; the entry typed stays in the editor and the file as it was.
        EXPECT_TRUE(inEditor<LoudspeakerLibraryEditor>(
            [](LoudspeakerLibraryEditor &editor) {
                choose(editor, "loudspeakerName", QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт"));
                type(editor, "loudspeakerSensitivity", QStringLiteral("91,5"));
                type(editor, "loudspeakerTaps", QStringLiteral("0,75; 1,5;3 6"));
                type(editor, "loudspeakerAngle", QStringLiteral("180"));
            },
            [&] { dialog.addLoudspeaker(); }));
        EXPECT_EQ(w->dialogs.takeMessages(),
                  QStringList{"«Угол охвата по −6 дБ, °»: введите число больше 0 и меньше 180"});
        EXPECT_EQ(readLoudspeakerLibrary(libraryPath()).library.loudspeakers.size(), 1);
        EXPECT_EQ(list->count(), 2);

        EXPECT_FALSE(inEditor<LoudspeakerLibraryEditor>(
            [](LoudspeakerLibraryEditor &editor) {
                choose(editor, "loudspeakerName", QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт"));
                type(editor, "loudspeakerSensitivity", QStringLiteral("91,5"));
                type(editor, "loudspeakerTaps", QStringLiteral("0,75; 1,5;3 6"));
                type(editor, "loudspeakerAngle", QStringLiteral("100"));
            },
            [&] { dialog.addLoudspeaker(); }));
        const QList<LoudspeakerData> written = readLoudspeakerLibrary(libraryPath()).library.loudspeakers;
        ASSERT_EQ(written.size(), 2);
        EXPECT_EQ(written[1], (LoudspeakerData{QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт"),
                                               91.5,
                                               {0.75, 1.5, 3, 6},
                                               100,
                                               {}}));
        EXPECT_EQ(list->item(1)->text(),
                  u"K-3820 Громкоговоритель потолочный 6 Вт — 91,5 дБ, 100°, отводы 0,75; "
                  u"1,5; 3; 6 Вт");
    });
}

TEST_F(SoundLevelWindow, AForeignLibraryIsToldOnceAndNeverWritten)
{
    const QByteArray foreign(R"({"name": "package", "version": "1.0"})");
    QFile file(libraryPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(foreign);
    file.close();
    openWindow([this](Dialog &dialog) {
        const QStringList told = w->dialogs.takeMessages();
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told[0].startsWith(u"Библиотека громкоговорителей «loudspeakers.json» не прочитана"));
        EXPECT_FALSE(dialog.findChild<QPushButton *>(QStringLiteral("addLoudspeakerButton"))->isEnabled());
        EXPECT_TRUE(dialog.findChild<QLabel *>(QStringLiteral("libraryProblemLabel"))->isVisible());
    });
    EXPECT_EQ(w->dialogs.takeMessages(), QStringList());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), foreign);
}

TEST_F(SoundLevelWindow, TheZonesGoIntoTheLines)
{
    m().model().setTicked(CheckBoxId::Check1, true);
    m().model().setCounterValue(CounterId::VSKZ, 2);
    m().model().setPowerMode(PowerMode::PerZone);
    w->dialogs.takeMessages();
    openWindow([this](Dialog &dialog) {
        inEditor<SoundLevelRoomEditor>([](auto &editor) { typeOffice(editor, 2); },
                                       [&] { dialog.addRoom(); });
        inEditor<SoundLevelRoomEditor>([](auto &editor) { typeOffice(editor, 5); },
                                       [&] { dialog.addRoom(); });
        dialog.findChild<QPushButton *>(QStringLiteral("transferToLines"))->click();
        EXPECT_EQ(
            w->dialogs.takeMessages(),
            QStringList{"В линии громкоговорителей перенесены зоны: 2. Мощности зон переносит окно «Линии "
                        "громкоговорителей».\nНе перенесены:\nЗона 5: зоны нет в системе (зон: 2)"});
    });
    const QList<ZoneLine> &lines = m().model().projectCard().lines.zones;
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].zone, 2);
    EXPECT_EQ(lines[0].loudspeaker, Ceiling);
    EXPECT_EQ(lines[0].count, 24);
    EXPECT_EQ(lines[0].power, 0.75);
}

} // namespace
} // namespace orvika::test::documents::sound_level
