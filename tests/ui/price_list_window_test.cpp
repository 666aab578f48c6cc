#include "document_window.h"
#include "engine/price_column_memory.h"
#include "price_list/price_list_file.h"
#include "ui/price_columns_dialog.h"
#include "ui/price_list_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

// "Проект" → "Прайс-лист…": the current list shown, a file imported through the file dialog, the choice of
// columns asked for when the header names two prices, and remembered for the next list of that header.
namespace orvika::test::documents::prices {
namespace {

class PriceListWindow : public OpenWindowTest
{
protected:
    QString writeCsv(const QString &name, const char *text)
    {
        EXPECT_TRUE(dir.write(name, QByteArray(text)));
        return dir.filePath(name);
    }

    // Opens the window from the menu and lets act work in it, then closes it.
    void openPriceList(const std::function<void(PriceListDialog &)> &act)
    {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<PriceListDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            act(*dialog);
            dialog->reject();
        });
        m().priceListAction->trigger();
    }

    // Runs the import of path from the window's button with choose acting in the choice of columns, if it
    // opens, then "Загрузить" (or Отмена when choose returns false). Whether the choice opened.
    bool importWith(PriceListDialog &dialog, const QString &path,
                    const std::function<bool(PriceColumnsDialog &)> &choose)
    {
        bool asked = false;
        // A timer of this call's own: when no choice opens, it goes with the call instead of firing later.
        QTimer inChoice;
        inChoice.setSingleShot(true);
        QObject::connect(&inChoice, &QTimer::timeout, [&] {
            auto *choice = qobject_cast<PriceColumnsDialog *>(QApplication::activeModalWidget());
            if (!choice)
                return;
            asked = true;
            choose(*choice) ? choice->accept() : choice->reject();
            if (choice->isVisible())
                choice->reject();
        });
        inChoice.start(0);
        w->dialogs.fileAnswers.enqueue(path);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("importPriceListButton")),
                          Qt::LeftButton);
        return asked;
    }

    static void choose(PriceColumnsDialog &choice, const char *box, int column)
    {
        auto *combo = choice.findChild<QComboBox *>(QLatin1String(box));
        combo->setCurrentIndex(combo->findData(column));
    }

    QList<qint64> keptPrices() const
    {
        QList<qint64> prices;
        for (const PriceEntry &entry : readPriceList(dir.filePath(PriceListFileName)).list.entries)
            prices.append(entry.priceMinor);
        return prices;
    }
};

const char *TwoPrices = "Артикул;Наименование;Цена дилерская;Цена розничная\n"
                        "K-3260;Блок сообщений;12000;15000\n"
                        "K-3284;Проигрыватель;8000;9900,50\n"
                        "K-3286;;по запросу;\n";

TEST_F(PriceListWindow, TwoPriceColumnsAreChosenBetweenAndTheChoiceServesTheNextList)
{
    const QString path = writeCsv(QStringLiteral("дилер.csv"), TwoPrices);
    openPriceList([&](PriceListDialog &dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("priceListDialog"));
        auto *summary = dialog.findChild<QLabel *>(QStringLiteral("priceListSummary"));
        EXPECT_TRUE(summary->text().startsWith(QStringLiteral("Прайс-лист не загружен")));

        // Cancelled: nothing changes.
        EXPECT_TRUE(importWith(dialog, path, [](PriceColumnsDialog &) { return false; }));
        EXPECT_TRUE(w->dialogs.takeMessages().isEmpty());
        EXPECT_FALSE(QFile::exists(dir.filePath(PriceListFileName)));

        // A choice without a price is refused in words, then the retail price taken.
        EXPECT_TRUE(importWith(dialog, path, [&](PriceColumnsDialog &choice) {
            auto *sample = choice.findChild<QTableWidget *>(QStringLiteral("priceColumnsSample"));
            EXPECT_EQ(sample->columnCount(), 4);
            EXPECT_EQ(sample->item(0, 3)->text(), QStringLiteral("15000"));
            EXPECT_EQ(choice.columns().price, 2) << "the first price column offered";
            choose(choice, "priceColumnChoice", -1);
            choice.accept();
            EXPECT_TRUE(choice.isVisible());
            EXPECT_EQ(w->dialogs.takeMessages(), QStringList{QStringLiteral("Укажите столбец цены.")});
            choose(choice, "priceColumnChoice", 3);
            return true;
        }));
        const QStringList told = w->dialogs.takeMessages();
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told[0].contains(QStringLiteral("позиций — 2"))) << told[0].toStdString();
        EXPECT_TRUE(told[0].contains(QStringLiteral("строки 4"))) << "the skipped line named";
        EXPECT_EQ(keptPrices(), (QList<qint64>{1500000, 990050}));
        EXPECT_TRUE(summary->text().contains(QStringLiteral("дилер.csv"))) << summary->text().toStdString();
        EXPECT_EQ(dialog.findChild<QTableView *>(QStringLiteral("priceListTable"))->model()->rowCount(), 2);

        // The next list of the same header is taken without asking; a refused one keeps the list.
        const QString next =
            writeCsv(QStringLiteral("дилер-2.csv"), "Артикул;Наименование;Цена дилерская;Цена "
                                                    "розничная\nK-3260;Блок;13000;16000\n");
        EXPECT_FALSE(importWith(dialog, next, [](PriceColumnsDialog &) { return true; }));
        EXPECT_EQ(keptPrices(), QList<qint64>{1600000});
        w->dialogs.takeMessages();
        EXPECT_FALSE(importWith(dialog, writeCsv(QStringLiteral("пусто.csv"), ""),
                                [](PriceColumnsDialog &) { return true; }));
        EXPECT_TRUE(w->dialogs.takeMessages().value(0).contains(QStringLiteral("не изменён")));
        EXPECT_EQ(keptPrices(), QList<qint64>{1600000});
    });
    EXPECT_TRUE(QFile::exists(dir.filePath(PriceColumnMemoryFileName)));
}

} // namespace
} // namespace orvika::test::documents::prices
