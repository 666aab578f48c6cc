#pragma once

#include "engine/dialog_seam.h"
#include "engine/main_window_model.h"
#include "engine/startup_data.h"
#include "report/report_file.h"
#include "support/test_catalogue.h"

#include <QLocale>
#include <QQueue>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The window's rules without a window: the model started as the program starts it, over the small
// test catalogue, with a scripted dialog seam.
namespace orvika::test {

class ScriptedSeam : public DialogSeam
{
public:
    struct Input
    {
        QString title;
        QString prompt;
        InputPlace place;
    };

    void message(const QString &text) override { messages.append(text); }
    QString input(const QString &title, const QString &prompt, const QString &, InputPlace place) override
    {
        inputs.append({title, prompt, place});
        return answers.isEmpty() ? QString() : answers.dequeue();
    }

    QStringList takeMessages() { return std::exchange(messages, {}); }

    QStringList messages;
    QList<Input> inputs;
    QQueue<QString> answers;
};

class ModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(writeCatalogue());
        ASSERT_TRUE(copyBaseFile(dir.path(), QStringLiteral("Sxemm"),
                                 QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/Sxemm")));
        ASSERT_TRUE(readStartUpData(state, seam, dir.path(), QLocale::c()));
        model = std::make_unique<MainWindowModel>(state, seam);
        QObject::connect(model.get(), &MainWindowModel::changed, [this] { ++changes; });
    }
    void TearDown() override { QLocale::setDefault(m_savedLocale); }

    // The catalogue the model starts with: the small test catalogue.
    virtual bool writeCatalogue()
    {
        return writeBaseFile(dir.path(), QStringLiteral("Base-Date"), testCatalogueLines());
    }

    // Leaves results behind as a finished calculation would, so a reset shows.
    void leaveResults()
    {
        state.workingTotals = {5, 70, 3};
        state.selectorCount = 4;
        state.calculationDone = true;
    }
    bool resultsDropped() const
    {
        return state.workingTotals == Totals{} && state.selectorCount == 1 && !state.calculationDone;
    }

    // Picks the unit from the picker's list, as the user does.
    void pick(PickerId picker, const QString &unit)
    {
        const qsizetype item = model->picker(picker).items.indexOf(unit);
        ASSERT_GE(item, 0) << unit.toStdString();
        model->pick(picker, int(item));
    }

    QTemporaryDir dir;
    SharedState state;
    ScriptedSeam seam;
    std::unique_ptr<MainWindowModel> model;
    int changes = 0;

private:
    QLocale m_savedLocale;
};

// The model over the bundled catalogue, and the saved reports of the window's tests.
inline const QString Reports = QStringLiteral(ORVIKA_SOURCE_DIR "/tests/ui/fixtures/reports/");

class BundledModelTest : public ModelTest
{
protected:
    bool writeCatalogue() override
    {
        return copyBaseFile(dir.path(), QStringLiteral("Base-Date"),
                            QStringLiteral(ORVIKA_SOURCE_DIR "/data/Base/Base-Date"));
    }

    QStringList reportLines(const QString &name)
    {
        QString failure;
        const std::optional<QStringList> lines = readReportLines(Reports + name, &failure);
        EXPECT_TRUE(lines) << failure.toStdString();
        return lines.value_or(QStringList());
    }
};

} // namespace orvika::test
