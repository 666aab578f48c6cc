#pragma once

#include "app/fonts.h"
#include "app/information_window.h"
#include "app/startup.h"
#include "data_folder.h"
#include "engine/shared_state.h"
#include "scripted_dialogs.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace orvika::test::startup {

// What a working directory holds when the program starts there.
enum class Base { Missing, Empty, WithSchemesOnly, Complete, ShortCatalogue, EmptyCatalogue, WithoutSchemes };

inline void prepare(const DataFolder &folder, Base base)
{
    switch (base) {
    case Base::Missing:
        break;
    case Base::Empty:
        ASSERT_TRUE(folder.makeBase());
        break;
    case Base::WithSchemesOnly:
        ASSERT_TRUE(folder.writeSchemes(SchemeLines));
        break;
    case Base::Complete:
        ASSERT_TRUE(folder.writeCatalogue(catalogueLines()));
        ASSERT_TRUE(folder.writeSchemes(SchemeLines));
        break;
    case Base::ShortCatalogue:
        ASSERT_TRUE(folder.writeCatalogue(catalogueLines().mid(0, 58)));
        ASSERT_TRUE(folder.writeSchemes(SchemeLines));
        break;
    case Base::EmptyCatalogue:
        ASSERT_TRUE(folder.writeCatalogue({}));
        ASSERT_TRUE(folder.writeSchemes(SchemeLines));
        break;
    case Base::WithoutSchemes:
        ASSERT_TRUE(folder.writeCatalogue(catalogueLines()));
        break;
    }
}

// A started window over a complete data folder, shown as the program shows it.
class StartedWindow : public ::testing::Test
{
protected:
    void start(Base base)
    {
        registerTahoma();
        ASSERT_TRUE(folder.isValid());
        prepare(folder, base);
        window = startUp(state, dialogs, folder.path(), QLocale::c());
        ASSERT_TRUE(window);
        dialogs.messages.clear();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    InformationWindow *informationWindow() const { return window->findChild<InformationWindow *>(); }

    // Opens Form2 from the menu, runs check while it is up, then closes it by its own close control.
    // Returns whether Form2 was up, and modal, meanwhile.
    bool whileInformationIsUp(const std::function<void(InformationWindow &)> &check)
    {
        bool up = false;
        QTimer::singleShot(0, [&] {
            InformationWindow *form = informationWindow();
            if (!form || !form->isVisible() || QApplication::activeModalWidget() != form)
                return;
            up = true;
            check(*form);
            form->close();
        });
        window->Minf->trigger();
        return up;
    }

    // What Form2's two counts read while it was up.
    QStringList readInformationWindow()
    {
        QStringList seen;
        EXPECT_TRUE(whileInformationIsUp([&](InformationWindow &form) {
            seen = {form.Label1->text(), form.Label2->text()};
        }));
        return seen;
    }

    DataFolder folder;
    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

} // namespace orvika::test::startup
