#include "app/information_window.h"
#include "ui/compare_window.h"
#include "ui/load_window.h"
#include "ui/picture_window.h"
#include "ui/recheck_window.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QMenuBar>
#include <QSet>

// What assistive technology reads of the windows, and the keyboard's way through the main window.
namespace orvika::test {
namespace {

const auto accessible = QAccessible::queryAccessibleInterface;

// Every control a user operates reads as a name, and as a name no other control of its window has;
// but a menu's item and its drop-down share theirs, and so do the columns of like tables.
void expectNamed(QAccessibleInterface *node, QSet<QString> &names)
{
    using A = QAccessible;
    static const QSet<A::Role> operated = {
        A::PushButton, A::CheckBox, A::RadioButton, A::ComboBox, A::EditableText, A::SpinBox,  A::ScrollBar,
        A::List,       A::Table,    A::ProgressBar, A::MenuBar,  A::ColumnHeader, A::MenuItem, A::PopupMenu};
    static const QSet<A::Role> shared = {A::ColumnHeader, A::MenuItem, A::PopupMenu};
    const QString name = node->text(A::Name);
    if (operated.contains(node->role())) {
        EXPECT_FALSE(name.isEmpty()) << (node->object() ? qPrintable(node->object()->objectName()) : "")
                                     << " role " << node->role();
        EXPECT_TRUE(shared.contains(node->role()) || !names.contains(name)) << name.toStdString();
        names.insert(name);
    }
    for (int i = 0; i < node->childCount(); ++i)
        expectNamed(node->child(i), names);
}

void expectNamed(QWidget *window)
{
    window->show(); // the picture's scroll bars show
    QSet<QString> names;
    expectNamed(accessible(window), names);
}

class Accessibility : public WindowTest
{
};

TEST_F(Accessibility, EveryControlOfEveryWindowReadsAsANameOfItsOwn)
{
    Comparison comparison;
    comparison.requirements = {{QStringLiteral("- Наличие вентиляторов"), {}, {}, DifferenceKind::Added}};
    const Picture picture{QStringLiteral("Вид шкафа"), QSizeF(3000, 3000), {}, {}};
    const std::unique_ptr<QWidget> windows[] = {
        std::make_unique<LoadWindow>(*window, window.get()),
        std::make_unique<InformationWindow>(59, 7, window.get()),
        std::make_unique<PictureWindow>(
            picture, [] { return CadDrawing(); }, dialogs, workingDir(), QStringLiteral("шкаф"),
            window.get()),
        std::make_unique<CompareWindow>(comparison, QStringLiteral("а.dat"), QStringLiteral("б.dat"), dialogs,
                                        workingDir(), window.get()),
        std::make_unique<RecheckWindow>(state, dialogs, window.get())};
    expectNamed(window.get());
    for (const auto &each : windows)
        expectNamed(each.get());
}

// The counters by what they count, their value the count beside them: Up a step more, Down a step
// less, and the counts of a loaded report, set beside spinners that keep their values.
TEST_F(Accessibility, CountersAndListsReadAsWhatTheyHold)
{
    const struct
    {
        const char *object, *name, *label = nullptr;
        int start = 0, afterUp = 0;
    } controls[] = {
        {"VSMC", "Количество микрофонов", "LblMC", 1, 2},
        {"VSAL", "Количество блоков сообщений", "LblAL", 1, 1}, // one block only
        {"VSMZ", "Количество музыкальных источников", "LblMZ", 1, 2},
        {"VSRM", "Количество микрофонных консолей", "LblRM", 1, 2},
        {"VSKZ", "Количество зон", "LblZ", 2, 3},
        {"VSCH", "Количество каналов", "LblCh", 2, 3},
        {"VSZP", "Запас по мощности, %", "LblZP", 20, 25},
        {"List1", "Список выбранных звуковых источников"},
        {"List2", "Раскладка по зонам"},
        {"List3", "Список предлагаемого оборудования"},
    };
    for (const auto &c : controls) {
        auto *control = window->findChild<QWidget *>(QString::fromLatin1(c.object));
        ASSERT_TRUE(control) << c.object;
        EXPECT_EQ(accessible(control)->text(QAccessible::Name), QString::fromUtf8(c.name));
        if (!c.label)
            continue;
        const auto *label = window->findChild<QLabel *>(QString::fromLatin1(c.label));
        control->setEnabled(true);
        for (auto [key, count] : {std::pair{Qt::Key_Up, c.afterUp}, std::pair{Qt::Key_Down, c.start}}) {
            QTest::keyClick(control, key);
            EXPECT_EQ(label->text(), QString::number(count)) << c.object;
            EXPECT_EQ(accessible(control)->valueInterface()->currentValue(), count) << c.object;
        }
    }
    window->model().loadReportLines(
        {QStringLiteral("- Количество зон - 12"), QStringLiteral("- Количество каналов - 4")});
    EXPECT_EQ(accessible(window->VSKZ)->valueInterface()->currentValue(), 12);
    EXPECT_EQ(accessible(window->VSCH)->valueInterface()->currentValue(), 4);
}

TEST_F(Accessibility, TheKeyboardReachesTheCountersAndTheMenus)
{
    const QList<Spinner *> counters = window->findChildren<Spinner *>();
    for (Spinner *counter : counters)
        counter->setEnabled(true);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->Check1->setFocus();
    QSet<QWidget *> reached;
    for (QWidget *focus = window->Check1; !reached.contains(focus); focus = QApplication::focusWidget()) {
        reached.insert(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    for (Spinner *counter : counters)
        EXPECT_TRUE(reached.contains(counter)) << counter->objectName().toStdString();

    // Alt takes the keyboard to the menu bar, the arrows along it and Down into a menu: every
    // action of "Меню" and "Документ" is there.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
    EXPECT_EQ(window->menuBar()->activeAction(), window->menuBar()->actions().value(0));
    QTest::keyClick(window->menuBar(), Qt::Key_Right);
    EXPECT_EQ(window->menuBar()->activeAction(), window->menuBar()->actions().value(1));
    QTest::keyClick(window->menuBar(), Qt::Key_Escape);
}

} // namespace
} // namespace orvika::test
