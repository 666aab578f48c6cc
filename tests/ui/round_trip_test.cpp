#include "document_window.h"
#include "ui/spinner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <random>

// A report saved under a new name and loaded back gives, after a new calculation, the same report:
// through a fresh window and through one that held other requirements and sources. Where the report
// cannot carry a value (the line control, the reserve unit's choice, the fraction of a power written
// with a comma, the row the control software was picked from), the expected report is the one the
// requirements give with that value as the load leaves it.
namespace orvika::test::documents {
namespace {

enum class Row { Microphones, AlarmBlocks, MusicSources, Consoles };

struct Addition
{
    Row row;
    QString name;
    int count = 1;

    friend bool operator==(const Addition &, const Addition &) = default;
};

struct RequirementSet
{
    bool commaLocale = false;
    bool semiAutomatic = false, automatic = false, music = false, console = false;
    bool multiZone = false;
    int zones = 2;
    bool multiChannel = false;
    int channels = 2;
    bool perZone = false;
    int power = 0;
    QStringList zoneAnswers;
    bool reserve = false;
    int percent = 20;
    LineControl lineControl = LineControl::None;
    bool amplifierReserve = false;
    QString reserveUnit; // empty: CmbBR keeps its prompt
    bool attenuators = false, fans = false, powerOn = false, powerSupplyReserve = false, cabinet = false;
    QList<Addition> additions;

    friend bool operator==(const RequirementSet &, const RequirementSet &) = default;
};

QLocale localeOf(const RequirementSet &set)
{
    return set.commaLocale ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
}

bool isSoftware(const QString &name)
{
    return name.startsWith(QStringLiteral("ZEP"));
}

class Drawer
{
public:
    explicit Drawer(const Catalogue &catalogue) : m_catalogue(catalogue) {}

    RequirementSet draw()
    {
        RequirementSet s;
        s.commaLocale = chance(30);
        s.perZone = chance(35);
        if (s.perZone) {
            s.multiZone = true;
            s.zones = between(2, 10);
            const QLocale locale = localeOf(s);
            for (int zone = 0; zone < s.zones; ++zone) {
                const int watts = between(1, 1500);
                s.zoneAnswers.append(chance(20) && watts < 1500 ? locale.toString(watts + 0.5, 'f', 1)
                                                                : QString::number(watts));
            }
        } else {
            s.multiZone = chance(50);
            s.zones = between(2, chance(70) ? 20 : 160);
            s.power = chance(80) ? between(1, 3000) : between(3000, 120000);
        }
        s.reserve = chance(45);
        s.percent = 5 * between(1, 5);
        s.multiChannel = chance(30);
        s.channels = between(2, 8);
        s.lineControl = static_cast<LineControl>(between(0, 2));
        s.amplifierReserve = chance(30);
        const int unit = between(0, 2);
        s.reserveUnit = unit < m_catalogue.reserveUnits.size() ? m_catalogue.reserveUnits[unit] : QString();
        s.attenuators = chance(30);
        s.fans = chance(30);
        s.powerOn = chance(30);
        s.powerSupplyReserve = chance(30);
        s.cabinet = chance(30);

        bool software = false;
        for (int n = between(0, 2); n > 0; --n)
            s.additions.append({Row::Microphones, any(m_catalogue.microphones), between(1, 50)});
        if (chance(50)) {
            const QString name = any(m_catalogue.alarmBlocks);
            software = isSoftware(name);
            s.additions.append({Row::AlarmBlocks, name, 1});
        }
        bool softwareFromMusic = false;
        for (int n = between(0, 2); n > 0; --n) {
            const QString name = any(m_catalogue.musicSources);
            if (isSoftware(name) && software)
                continue;
            softwareFromMusic = softwareFromMusic || isSoftware(name);
            software = software || isSoftware(name);
            s.additions.append({Row::MusicSources, name, between(1, 70)});
        }
        // Software from the music row comes back as if picked in the message-block row, where its count
        // is always 1; a console then counts the inputs differently. With a console such software is
        // drawn the way a load can reproduce it: alone in the message-block row's place, count 1.
        if (chance(30)) {
            s.additions.append({Row::Consoles, any(m_catalogue.consoles), between(1, 16)});
            if (softwareFromMusic) {
                s.additions.removeIf([](const Addition &a) { return a.row == Row::AlarmBlocks; });
                for (Addition &a : s.additions)
                    a.count = a.row == Row::MusicSources && isSoftware(a.name) ? 1 : a.count;
            }
        }
        std::shuffle(s.additions.begin(), s.additions.end(), m_random);

        const auto used = [&s](Row row) {
            return std::any_of(s.additions.begin(), s.additions.end(),
                               [row](const Addition &a) { return a.row == row; });
        };
        s.semiAutomatic = used(Row::Microphones) || chance(20);
        s.automatic = used(Row::AlarmBlocks) || chance(20);
        s.music = used(Row::MusicSources) || chance(20);
        s.console = used(Row::Consoles) || chance(20);
        return s;
    }

private:
    bool chance(int percent) { return between(1, 100) <= percent; }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    QString any(const QStringList &items) { return items.at(between(0, int(items.size()) - 1)); }

    const Catalogue &m_catalogue;
    std::mt19937 m_random{20240611};
};

// A pick from the list, as the user's pick reaches the window: the combo shows the item, then its
// activated rule runs.
void choose(QComboBox *combo, const QString &item)
{
    const int row = combo->findText(item);
    ASSERT_GE(row, 0) << item.toStdString();
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

// Adds a unit to its list: the pick, the count on the row's spinner when the row has one, a click on
// the row's add button.
void add(QComboBox *combo, Spinner *count, QPushButton *button, const Addition &addition)
{
    choose(combo, addition.name);
    if (count)
        count->setValue(addition.count);
    QTest::mouseClick(button, Qt::LeftButton);
}

void enter(OpenWindow &w, const RequirementSet &s)
{
    MainWindow &m = *w.window;
    m.Check4->setChecked(s.semiAutomatic);
    m.Check3->setChecked(s.automatic);
    m.Check5->setChecked(s.music);
    m.Check6->setChecked(s.console);
    if (s.multiZone) {
        m.Check1->setChecked(true);
        m.VSKZ->setValue(s.zones);
    }
    if (s.multiChannel) {
        m.Check2->setChecked(true);
        m.VSCH->setValue(s.channels);
    }
    if (s.perZone) {
        m.Opt2->setChecked(true);
        for (const QString &answer : s.zoneAnswers) {
            w.dialogs.answers.enqueue(answer);
            QTest::mouseClick(m.CmdAdd, Qt::LeftButton);
        }
    } else {
        m.Opt1->setChecked(true);
        QTest::keyClicks(m.TxtP, QString::number(s.power));
    }
    if (s.reserve) {
        m.ChkZP->setChecked(true);
        m.VSZP->setValue(s.percent);
    }
    switch (s.lineControl) {
    case LineControl::None:
        m.Option1->setChecked(true);
        break;
    case LineControl::Manual:
        m.OptR->setChecked(true);
        break;
    case LineControl::Automatic:
        m.OptA->setChecked(true);
        break;
    }
    m.ChkBR->setChecked(s.amplifierReserve);
    if (!s.reserveUnit.isEmpty())
        choose(m.CmbBR, s.reserveUnit);
    m.ChkAtt->setChecked(s.attenuators);
    m.ChkBL->setChecked(s.fans);
    m.ChkPD->setChecked(s.powerOn);
    m.ChkRP->setChecked(s.powerSupplyReserve);
    m.ChkRU->setChecked(s.cabinet);

    for (const Addition &a : s.additions) {
        switch (a.row) {
        case Row::Microphones:
            add(m.CmbMC, m.VSMC, m.CmdMC, a);
            break;
        case Row::AlarmBlocks:
            add(m.CmbAL, nullptr, m.CmdAL, a);
            break;
        case Row::MusicSources:
            add(m.CmbMZ, m.VSMZ, m.CmdMZ, a);
            break;
        case Row::Consoles:
            add(m.CmbRM, m.VSRM, m.CmdRM, a);
            break;
        }
    }
}

const QString ReportWritten = QStringLiteral("Данные находятся в файле Спецификация");

// Runs the calculation; the report's bytes when it was written, nothing when the calculation stopped.
QByteArray calculate(OpenWindow &w, const WorkingDirectory &dir)
{
    w.dialogs.messages.clear();
    QFile::remove(dir.filePath(ReportFileName));
    QTest::mouseClick(w->CmdUs, Qt::LeftButton);
    return w.dialogs.messages.contains(ReportWritten) ? dir.report() : QByteArray();
}

// The power TxtP holds after a load: the report gives the total with the reserve, written with the
// locale's separator; the load reads it up to the separator and takes the reserve off again.
int reloadedPower(const RequirementSet &s)
{
    if (!s.reserve)
        return s.power;
    const double total = s.power + s.power * s.percent / 100.0;
    const bool whole = std::fabs(total - std::round(total)) < 1e-9;
    if (whole || !s.commaLocale)
        return s.power;
    return static_cast<int>(std::nearbyint(std::floor(total) / (1 + s.percent / 100.0)));
}

LineControl lineControlOf(const MainWindow &m)
{
    return m.OptR->isChecked()   ? LineControl::Manual
           : m.OptA->isChecked() ? LineControl::Automatic
                                 : LineControl::None;
}

// The requirements as a load into the target window leaves them.
RequirementSet asReloaded(const RequirementSet &s, const MainWindow &target)
{
    RequirementSet r = s;
    r.lineControl = lineControlOf(target);
    const QString unit = target.CmbBR->currentText();
    r.reserveUnit = target.CmbBR->findText(unit) >= 0 ? unit : QString();
    if (!r.perZone)
        r.power = reloadedPower(s);
    // Control software is registered through the message-block row, where both rows list it; that
    // matters only to a console, which takes a music input away.
    const bool console = std::any_of(r.additions.begin(), r.additions.end(),
                                     [](const Addition &a) { return a.row == Row::Consoles; });
    for (Addition &a : r.additions) {
        if (console && a.row == Row::MusicSources && isSoftware(a.name))
            a.row = Row::AlarmBlocks;
    }
    return r;
}

std::string decoded(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1251");
    return QString(decoder.decode(bytes)).toStdString();
}

class RoundTrip : public ::testing::Test
{
protected:
    void TearDown() override { QLocale::setDefault(m_savedLocale); }

    // The report the requirements give when entered into a new window.
    QByteArray referenceReport(const RequirementSet &s)
    {
        auto reference = openWindow(dir);
        enter(*reference, s);
        return calculate(*reference, dir);
    }

    // Loads the saved copy into the target, recalculates and compares with the expected report.
    void reloadAndCompare(OpenWindow &target, const RequirementSet &s, const QByteArray &original,
                          const QString &copy, const char *what)
    {
        const RequirementSet restored = asReloaded(s, *target.window);
        const QByteArray expected = restored == s ? original : referenceReport(restored);
        ASSERT_FALSE(expected.isEmpty()) << what;
        target.dialogs.messages.clear();
        ASSERT_TRUE(loadThroughWindow(target, copy)) << what;
        EXPECT_EQ(target.dialogs.messages, QStringList()) << what;
        const QByteArray reloaded = calculate(target, dir);
        EXPECT_EQ(decoded(reloaded), decoded(expected)) << what;
        EXPECT_EQ(reloaded, expected) << what;
        if (restored != s)
            ++differing;
    }

    WorkingDirectory dir;
    int differing = 0;

private:
    QLocale m_savedLocale;
};

TEST_F(RoundTrip, SavedReportsLoadBackIntoFreshAndUsedWindows)
{
    ASSERT_TRUE(dir.isValid());
    std::unique_ptr<OpenWindow> used;
    SharedState catalogueHolder;
    {
        auto first = openWindow(dir);
        ASSERT_TRUE(first->window);
        catalogueHolder.catalogue = first->state.catalogue;
    }
    Drawer drawer(catalogueHolder.catalogue);
    constexpr int Sets = 200;
    int compared = 0;
    int stopped = 0;
    for (int n = 0; compared < Sets; ++n) {
        ASSERT_LT(n, 3 * Sets) << "too many requirement sets stop the calculation";
        const RequirementSet s = drawer.draw();
        QLocale::setDefault(localeOf(s));

        auto original = openWindow(dir);
        enter(*original, s);
        const QByteArray report = calculate(*original, dir);
        if (report.isEmpty()) {
            ++stopped;
            continue;
        }
        ++compared;
        const QString name = QStringLiteral("набор %1").arg(n);
        const QString copy = name + QStringLiteral(".dat");
        original->dialogs.messages.clear();
        original->dialogs.answers.enqueue(name);
        original->window->Mnuskak->trigger();
        ASSERT_EQ(original->dialogs.messages, QStringList{QStringLiteral("Сохранено как: ") + copy});
        ASSERT_EQ(dir.read(copy), report);

        const std::string what = "set " + std::to_string(n);
        auto fresh = openWindow(dir);
        reloadAndCompare(*fresh, s, report, copy, (what + ", fresh window").c_str());
        if (used)
            reloadAndCompare(*used, s, report, copy, (what + ", used window").c_str());
        if (HasFailure())
            return;
        used = std::move(original);
    }
    // The draw reaches every kind of difference and most sets complete their calculation.
    EXPECT_GT(differing, Sets / 4);
    EXPECT_LT(stopped, Sets);
}

// With automatic line control the reloaded report lacks the line-control line and the ML units: 16 zones
// take two K-3620 units (one per 8 zones) of 25 W and 1 U each. The other units stay: the K-3650
// distribution units serve 6 blocks each and the count of blocks stays within the same six.
TEST_F(RoundTrip, AutomaticLineControlIsNotRestoredAndItsUnitsDropOut)
{
    ASSERT_TRUE(dir.isValid());
    RequirementSet s;
    s.multiZone = true;
    s.zones = 16;
    s.power = 400;
    s.lineControl = LineControl::Automatic;
    s.semiAutomatic = true;
    s.additions = {{Row::Microphones, unit::DeskMicrophone, 2}};
    QLocale::setDefault(QLocale::c());

    auto original = openWindow(dir);
    enter(*original, s);
    const QByteArray report = calculate(*original, dir);
    ASSERT_FALSE(report.isEmpty()) << original->dialogs.messages.join(u'|').toStdString();
    original->dialogs.answers.enqueue(QStringLiteral("контроль"));
    original->window->Mnuskak->trigger();

    auto fresh = openWindow(dir);
    ASSERT_TRUE(loadThroughWindow(*fresh, QStringLiteral("контроль.dat")));
    EXPECT_TRUE(fresh->window->Option1->isChecked());
    const QByteArray reloaded = calculate(*fresh, dir);

    QStringList expected = decodeLines(report);
    const QString lineControl = QStringLiteral("- Возможность автоматического контроля линий");
    const QString units = QStringLiteral("- ") + unit::LineMonitor + QStringLiteral(" - 2 шт.");
    ASSERT_EQ(expected.removeAll(lineControl), 1);
    ASSERT_EQ(expected.removeAll(units), 1);
    const auto adjust = [&expected](const QString &start, int less, const QString &end) {
        for (QString &line : expected) {
            if (!line.startsWith(start))
                continue;
            const int value = line.mid(start.size(), line.size() - start.size() - end.size()).toInt();
            line = start + QString::number(value - less) + end;
            return;
        }
        ADD_FAILURE() << start.toStdString();
    };
    adjust(QStringLiteral("Суммарная потребляемая мощность системы - "), 2 * 25, QStringLiteral(" Вт"));
    adjust(QStringLiteral("Суммарная высота блоков (в юнитах) - "), 2 * 1, QString());
    EXPECT_EQ(decoded(reloaded), decoded(encodeLines(expected)));
}

} // namespace
} // namespace orvika::test::documents
