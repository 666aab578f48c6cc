#include "document_window.h"
#include "ui/loudspeaker_lines_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTimer>

// "Проект" → "Линии громкоговорителей…": each zone's line typed in, its figures shown as typed, the
// lines kept in the card and their powers handed to the zone list.
namespace orvika::test::documents {
namespace {

using Dialog = LoudspeakerLinesDialog;

const QString Ceiling6 = QStringLiteral("K-3820 Громкоговоритель потолочный 6 Вт");
const QString Column40 = QStringLiteral("K-3830 Звуковая колонна 40 Вт");

class LoudspeakerLinesWindow : public OpenWindowTest
{
protected:
    void zonesByPower(int zones)
    {
        m().model().setTicked(CheckBoxId::Check1, true);
        m().model().setCounterValue(CounterId::VSKZ, zones);
        m().model().setPowerMode(PowerMode::PerZone);
        w->dialogs.takeMessages();
    }

    // Opens the dialog from the menu and lets act work in it; then OK (ok) or Отмена.
    void editLines(const std::function<void(Dialog &)> &act, bool ok = true)
    {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            act(*dialog);
            ok ? dialog->accept() : dialog->reject();
        });
        m().loudspeakerLinesAction->trigger();
    }

    static QTableWidget &table(Dialog &dialog)
    {
        return *dialog.findChild<QTableWidget *>(QStringLiteral("loudspeakerLinesTable"));
    }

    static void type(Dialog &dialog, int zone, int column, const QString &text)
    {
        table(dialog).item(zone - 1, column)->setText(text);
    }

    static QString cell(Dialog &dialog, int zone, int column)
    {
        return table(dialog).item(zone - 1, column)->text();
    }

    static QComboBox &picker(Dialog &dialog, int zone, int column)
    {
        return *qobject_cast<QComboBox *>(table(dialog).cellWidget(zone - 1, column));
    }

    static void pickSection(Dialog &dialog, int zone, const QString &section)
    {
        QComboBox &box = picker(dialog, zone, Dialog::SectionColumn);
        box.setCurrentIndex(box.findText(section));
    }

    static void pickLoudspeaker(Dialog &dialog, int zone, const QString &unit)
    {
        QComboBox &box = picker(dialog, zone, Dialog::LoudspeakerColumn);
        const int index = box.findText(unit);
        ASSERT_GE(index, 0) << unit.toStdString();
        box.setCurrentIndex(index);
        emit box.activated(index);
    }

    static void typeLine(Dialog &dialog, int zone, const QString &power, const QString &count,
                         const QString &length = {}, const QString &section = {})
    {
        type(dialog, zone, Dialog::PowerColumn, power);
        type(dialog, zone, Dialog::CountColumn, count);
        type(dialog, zone, Dialog::LengthColumn, length);
        pickSection(dialog, zone, section);
    }

    static QStringList figures(Dialog &dialog, int zone)
    {
        QStringList shown;
        for (int column = Dialog::ZonePowerColumn; column < Dialog::ColumnCount; ++column)
            shown << cell(dialog, zone, column);
        return shown;
    }
};

TEST_F(LoudspeakerLinesWindow, FiguresAppearInTheRowAsItIsTyped)
{
    editLines([](Dialog &dialog) {
        EXPECT_EQ(dialog.objectName(), u"loudspeakerLinesDialog");
        EXPECT_EQ(dialog.windowTitle(), u"Линии громкоговорителей");
        EXPECT_EQ(table(dialog).rowCount(), 1) << "one zone when the system is not multi-zone";
        // Each setting reads as its label.
        for (const char *field : {"lineVoltageBox", "lossLimitEdit", "cableReserveEdit"}) {
            QWidget *edit = dialog.findChild<QWidget *>(QLatin1String(field));
            auto *form = qobject_cast<QFormLayout *>(edit->parentWidget()->layout());
            auto *label = qobject_cast<QLabel *>(form->labelForField(edit));
            ASSERT_TRUE(label) << field;
            EXPECT_EQ(label->buddy(), edit) << field;
        }
        // The pickers in the table read as their column and zone, as its cells do by the header.
        EXPECT_EQ(picker(dialog, 1, Dialog::SectionColumn).accessibleName(), u"Сечение, мм², зона 1");
        EXPECT_EQ(table(dialog).horizontalHeaderItem(Dialog::LengthColumn)->text(), u"Длина линии, м");

        // Worked by hand: Z = 100 Ω, R = 2 · 300 m · 18,1 Ω/km = 10,86 Ω, 9,796 %, −0,896 dB.
        typeLine(dialog, 1, QStringLiteral("100"), QStringLiteral("1"), QStringLiteral("300"));
        EXPECT_EQ(figures(dialog, 1), QStringList(6)) << "no section yet";
        pickSection(dialog, 1, QStringLiteral("1"));
        EXPECT_EQ(figures(dialog, 1), QStringList({"100", "10,86", "9,8", "-0,9", "1", "в норме"}));
        type(dialog, 1, Dialog::LengthColumn, QString());
        EXPECT_EQ(figures(dialog, 1), QStringList(6)) << "no length";
    });
}

TEST_F(LoudspeakerLinesWindow, EveryRowShowsTheFiguresOfItsLine)
{
    zonesByPower(3);
    struct Row
    {
        const char *power, *count, *length, *section;
        ZoneLine line;
    };
    const Row rows[] = {
        {"6", "12", "180", "1,5", ZoneLine{1, {}, {}, 6, 12, 180, 1.5, {}}},
        // Even 10 mm² loses 26,8 %: no section keeps this line within the limit.
        {"100", "1", "10000", "10", ZoneLine{2, {}, {}, 100, 1, 10000, 10, {}}},
        {"2.5", "40", "450,5", "0,75", ZoneLine{3, {}, {}, 2.5, 40, 450.5, 0.75, {}}},
    };
    editLines([&](Dialog &dialog) {
        ASSERT_EQ(table(dialog).rowCount(), 3);
        for (const Row &row : rows)
            typeLine(dialog, row.line.zone, row.power, row.count, row.length, row.section);
        for (const Row &row : rows) {
            const std::optional<LineFigures> expected = lineFigures(row.line, LineSettings());
            ASSERT_TRUE(expected);
            EXPECT_EQ(figures(dialog, row.line.zone),
                      QStringList({lineNumber(expected->zonePower), lineNumber(expected->resistance),
                                   lineNumber(expected->lossPercent), lineNumber(expected->levelDb),
                                   expected->smallestSection ? lineNumber(*expected->smallestSection)
                                                             : QStringLiteral("—"),
                                   lineVerdict(*expected, LineSettings())}))
                << row.power << " × " << row.count;
        }
        EXPECT_EQ(cell(dialog, 2, Dialog::SmallestSectionColumn), u"—");
        EXPECT_EQ(cell(dialog, 2, Dialog::VerdictColumn), u"потери 26,8 % > 10 %");
        EXPECT_EQ(cell(dialog, 3, Dialog::PowerColumn), u"2,5") << "a point typed shows as a comma";

        // A higher voltage takes the same power with less current.
        QComboBox *voltage = dialog.findChild<QComboBox *>(QStringLiteral("lineVoltageBox"));
        EXPECT_EQ(voltage->currentText(), u"100");
        voltage->setCurrentIndex(voltage->findText(QStringLiteral("70")));
        const std::optional<LineFigures> at70 = lineFigures(rows[0].line, LineSettings{70, 10, 0});
        EXPECT_EQ(cell(dialog, 1, Dialog::LossColumn), lineNumber(at70->lossPercent));
    });
}

TEST_F(LoudspeakerLinesWindow, ACatalogueUnitBringsItsPower)
{
    editLines([](Dialog &dialog) {
        EXPECT_EQ(picker(dialog, 1, Dialog::LoudspeakerColumn).count(), 6);
        pickLoudspeaker(dialog, 1, Ceiling6);
        EXPECT_EQ(cell(dialog, 1, Dialog::PowerColumn), u"6");
        pickLoudspeaker(dialog, 1, Column40);
        EXPECT_EQ(cell(dialog, 1, Dialog::PowerColumn), u"40") << "the unit's power follows the unit";
        type(dialog, 1, Dialog::PowerColumn, QStringLiteral("30"));
        pickLoudspeaker(dialog, 1, Ceiling6);
        EXPECT_EQ(cell(dialog, 1, Dialog::PowerColumn), u"30") << "a typed power stays";
        // A unit not in the catalogue is typed.
        QLineEdit *typed = picker(dialog, 1, Dialog::LoudspeakerColumn).lineEdit();
        typed->setText(QStringLiteral("АС-30 Вт"));
        emit typed->editingFinished();
    });
    ASSERT_EQ(m().model().projectCard().lines.zones.size(), 1);
    EXPECT_EQ(m().model().projectCard().lines.zones[0].loudspeaker, u"АС-30 Вт");
    EXPECT_EQ(m().model().projectCard().lines.zones[0].power, 30);
}

TEST_F(LoudspeakerLinesWindow, AWrongNumberIsNamedAndNothingOfItStored)
{
    zonesByPower(3);
    const struct
    {
        int column; // of zone 3; -1 the loss limit, -2 the cable reserve
        const char *typed;
        const char *message;
    } cases[] = {
        {Dialog::PowerColumn, "шесть",
         "Зона 3, «Мощность 1 шт., Вт»: введите число больше 0 и не больше 1500"},
        {Dialog::PowerColumn, "-6", "Зона 3, «Мощность 1 шт., Вт»: введите число больше 0 и не больше 1500"},
        {Dialog::PowerColumn, "0", "Зона 3, «Мощность 1 шт., Вт»: введите число больше 0 и не больше 1500"},
        {Dialog::PowerColumn, "1500,5",
         "Зона 3, «Мощность 1 шт., Вт»: введите число больше 0 и не больше 1500"},
        {Dialog::CountColumn, "2,5", "Зона 3, «Кол-во»: введите целое число от 1 до 1000"},
        {Dialog::CountColumn, "0", "Зона 3, «Кол-во»: введите целое число от 1 до 1000"},
        {Dialog::CountColumn, "1001", "Зона 3, «Кол-во»: введите целое число от 1 до 1000"},
        {Dialog::LengthColumn, "1e3", "Зона 3, «Длина линии, м»: введите число больше 0 и не больше 10000"},
        {Dialog::LengthColumn, "0", "Зона 3, «Длина линии, м»: введите число больше 0 и не больше 10000"},
        {Dialog::LengthColumn, "10000.1",
         "Зона 3, «Длина линии, м»: введите число больше 0 и не больше 10000"},
        {-1, "0", "«Допустимые потери, % мощности»: введите число больше 0 и не больше 100"},
        {-1, "100,01", "«Допустимые потери, % мощности»: введите число больше 0 и не больше 100"},
        {-2, "-1", "«Запас кабеля, % длины»: введите число от 0 до 100"},
        {-2, "", "«Запас кабеля, % длины»: введите число от 0 до 100"},
    };
    editLines([&](Dialog &dialog) {
        typeLine(dialog, 3, QStringLiteral("6"), QStringLiteral("12"), QStringLiteral("180"),
                 QStringLiteral("1,5"));
        for (const auto &c : cases) {
            if (c.column >= 0) {
                type(dialog, 3, c.column, QString::fromUtf8(c.typed));
            } else {
                auto *field = dialog.findChild<QLineEdit *>(
                    c.column == -1 ? QStringLiteral("lossLimitEdit") : QStringLiteral("cableReserveEdit"));
                field->setText(QString::fromUtf8(c.typed));
                emit field->editingFinished();
            }
            EXPECT_EQ(w->dialogs.takeMessages(), QStringList{QString::fromUtf8(c.message)}) << c.typed;
        }
        EXPECT_EQ(cell(dialog, 3, Dialog::VerdictColumn), u"в норме");
        EXPECT_EQ(cell(dialog, 3, Dialog::PowerColumn), u"6");
        EXPECT_EQ(cell(dialog, 3, Dialog::CountColumn), u"12");
        EXPECT_EQ(cell(dialog, 3, Dialog::LengthColumn), u"180");
        EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("lossLimitEdit"))->text(), u"10");
        EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("cableReserveEdit"))->text(), u"0");
    });
    const LoudspeakerLines expected{LineSettings(), {ZoneLine{3, {}, {}, 6, 12, 180, 1.5, {}}}};
    EXPECT_EQ(m().model().projectCard().lines, expected);
}

TEST_F(LoudspeakerLinesWindow, OkStoresTheLinesInTheCardAndCancelDropsTheEdits)
{
    zonesByPower(2);
    // A zone beyond the zone count is kept, though not shown.
    const ZoneLine fifth{5, QStringLiteral("Склад"), Column40, 40, 2, 60, 1, QStringLiteral("КПСнг(А)-FRLS")};
    m().model().setLoudspeakerLines({LineSettings(), {fifth}});
    editLines([](Dialog &dialog) {
        EXPECT_EQ(table(dialog).rowCount(), 2);
        type(dialog, 2, Dialog::NameColumn, QStringLiteral(" Холл "));
        type(dialog, 2, Dialog::CableColumn, QStringLiteral("КПСнг(А)-FRLS 1x2x1"));
        typeLine(dialog, 2, QStringLiteral("6"), QStringLiteral("4"), QStringLiteral("25"),
                 QStringLiteral("0,5"));
        QComboBox *voltage = dialog.findChild<QComboBox *>(QStringLiteral("lineVoltageBox"));
        voltage->setCurrentIndex(voltage->findText(QStringLiteral("120")));
        QLineEdit *reserve = dialog.findChild<QLineEdit *>(QStringLiteral("cableReserveEdit"));
        reserve->setText(QStringLiteral("15"));
        emit reserve->editingFinished();
    });
    const LoudspeakerLines stored{
        LineSettings{120, 10, 15},
        {ZoneLine{2, QStringLiteral("Холл"), {}, 6, 4, 25, 0.5, QStringLiteral("КПСнг(А)-FRLS 1x2x1")},
         fifth}};
    EXPECT_EQ(m().model().projectCard().lines, stored);

    editLines(
        [](Dialog &dialog) {
            EXPECT_EQ(cell(dialog, 2, Dialog::NameColumn), u"Холл");
            EXPECT_EQ(picker(dialog, 2, Dialog::SectionColumn).currentText(), u"0,5");
            type(dialog, 1, Dialog::CountColumn, QStringLiteral("3"));
            type(dialog, 2, Dialog::LengthColumn, QStringLiteral("40"));
        },
        false);
    EXPECT_EQ(m().model().projectCard().lines, stored);
    EXPECT_TRUE(w->dialogs.messages.isEmpty()) << w->dialogs.messages.join(u'\n').toStdString();
}

TEST_F(LoudspeakerLinesWindow, ThePowersGoToTheZoneListThroughItsRule)
{
    // The powers are typed in the user's notation, whatever the locale the tests run in.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const auto restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
    zonesByPower(3);
    editLines([this](Dialog &dialog) {
        QPushButton *transfer = dialog.findChild<QPushButton *>(QStringLiteral("transferZonePowersButton"));
        typeLine(dialog, 1, QStringLiteral("6"), QStringLiteral("12"));
        typeLine(dialog, 2, QStringLiteral("30"), QStringLiteral("10"));
        EXPECT_FALSE(transfer->isEnabled()) << "zone 3 has no power";
        typeLine(dialog, 3, QStringLiteral("2,5"), QStringLiteral("3"));
        ASSERT_TRUE(transfer->isEnabled());
        transfer->click();
        EXPECT_EQ(w->dialogs.takeMessages(), QStringList());
        EXPECT_EQ(m().model().zoneList().items,
                  QStringList({"Зона 1 - 72 Вт", "Зона 2 - 300 Вт", "Зона 3 - 7,5 Вт"}));
        EXPECT_EQ(m().List2->count(), 3);
        EXPECT_EQ(cell(dialog, 2, Dialog::VerdictColumn), QString()) << "the list agrees";

        type(dialog, 2, Dialog::CountColumn, QStringLiteral("12"));
        EXPECT_EQ(cell(dialog, 2, Dialog::VerdictColumn), u"в списке зон 300 Вт");
        // 360 W on 100 m of 1,5 mm²: 8 % lost.
        typeLine(dialog, 2, QStringLiteral("30"), QStringLiteral("12"), QStringLiteral("100"),
                 QStringLiteral("1,5"));
        EXPECT_EQ(cell(dialog, 2, Dialog::VerdictColumn), u"в норме; в списке зон 300 Вт");

        // A zone of more than 1500 W is refused by the zone list's own rule, with its message.
        type(dialog, 1, Dialog::CountColumn, QStringLiteral("300"));
        transfer->click();
        EXPECT_EQ(w->dialogs.takeMessages(), QStringList{"Мощность зоны не должна превышать 1500 Вт"});
        EXPECT_TRUE(m().model().zoneList().items.isEmpty());
    });
}

} // namespace
} // namespace orvika::test::documents
