#include "document_window.h"
#include "engine/offer_composition.h"
#include "engine/offer_editor.h"
#include "offer/offer_texts.h"
#include "price_list/price_list_file.h"
#include "ui/offer_dialog.h"
#include "ui/offer_lines_table.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTableWidget>
#include <QTimer>

// "Проект" → "Коммерческое предложение…": the calculation's lines priced from the current list, prices typed
// in place, the settings and the works, the card's settings kept on OK; and the offer's documents.
namespace orvika::test::documents::offer {
namespace {

const QString BlockModel = QStringLiteral("K-3260");

// A sum as the window shows it: the thousands apart by a no-break space.
QString shown(const char *text)
{
    return QString::fromUtf8(text).replace(u' ', QChar(0x00A0));
}

class OfferWindow : public OpenWindowTest
{
protected:
    void SetUp() override
    {
        OpenWindowTest::SetUp();
        PriceList list;
        list.fileName = QStringLiteral("дилер.csv");
        list.date = QDate(2026, 12, 1);
        list.entries = {{BlockModel, QStringLiteral("Блок сообщений"), 1500000, Roubles, 2}};
        ASSERT_FALSE(writePriceList(dir.filePath(PriceListFileName), list));
    }

    void calculate()
    {
        stateSmallInstallation(m());
        QTest::mouseClick(m().CmdUs, Qt::LeftButton);
        ASSERT_EQ(w->dialogs.takeMessages(), QStringList{Done});
    }

    // Opens the window from the menu and lets act work in it; then OK (ok) or Отмена.
    void openOffer(const std::function<void(OfferDialog &)> &act, bool ok = true)
    {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<OfferDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            act(*dialog);
            ok ? dialog->accept() : dialog->reject();
        });
        m().offerAction->trigger();
    }

    static OfferLinesTable *table(OfferDialog &dialog)
    {
        return dialog.findChild<OfferLinesTable *>(QStringLiteral("offerLinesTable"));
    }

    // The row of the line whose model (or, without one, name) is key.
    static int rowOf(OfferDialog &dialog, const QString &key)
    {
        for (const OfferLine &line : dialog.editor().offer().lines)
            if (line.item.priceKey() == key)
                return table(dialog)->rowOfPosition(line.position);
        return -1;
    }

    // The first line of the equipment without a price.
    static QString missingModel(OfferDialog &dialog)
    {
        for (const OfferLine *line : dialog.editor().offer().missing())
            if (!line->item.model.isEmpty())
                return line->item.model;
        return {};
    }

    static QString label(OfferDialog &dialog, const char *name)
    {
        return dialog.findChild<QLabel *>(QLatin1String(name))->text();
    }

    static void typeField(OfferDialog &dialog, const char *name, const QString &text)
    {
        auto *field = dialog.findChild<QLineEdit *>(QLatin1String(name));
        ASSERT_TRUE(field) << name;
        field->setText(text);
        emit field->editingFinished();
    }
};

TEST_F(OfferWindow, MenusOfferTheWindowsAndTheDocumentsFollowTheCalculation)
{
    const auto titles = [this](const char *menu) {
        QStringList texts;
        for (QAction *action : m().menuBar()->findChild<QMenu *>(QLatin1String(menu))->actions())
            texts.append(action->text());
        return texts;
    };
    EXPECT_TRUE(titles("projectMenu").contains(QStringLiteral("Прайс-лист…")));
    EXPECT_TRUE(titles("projectMenu").contains(QStringLiteral("Коммерческое предложение…")));
    EXPECT_TRUE(titles("documentMenu").contains(QStringLiteral("Коммерческое предложение (PDF)…")));
    EXPECT_TRUE(titles("documentMenu").contains(QStringLiteral("Коммерческое предложение (Excel)…")));
    EXPECT_TRUE(m().offerAction->isEnabled());
    EXPECT_FALSE(m().exportOfferPdfAction->isEnabled());
    EXPECT_FALSE(m().exportOfferExcelAction->isEnabled());

    // Without a calculation the window says what it needs and does not open.
    m().offerAction->trigger();
    EXPECT_EQ(w->dialogs.takeMessages(), QStringList{offerNeedsCalculation()});

    calculate();
    EXPECT_TRUE(m().exportOfferPdfAction->isEnabled());
    EXPECT_TRUE(m().exportOfferExcelAction->isEnabled());
    QTest::mouseClick(m().Command2, Qt::LeftButton);
    EXPECT_FALSE(m().exportOfferPdfAction->isEnabled());
}

TEST_F(OfferWindow, PricesFromTheListAndTypedByHandTotalsAndOkKeepsTheSettings)
{
    calculate();
    openOffer([&](OfferDialog &dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("offerDialog"));
        EXPECT_TRUE(label(dialog, "offerPriceListLabel").contains(QStringLiteral("дилер.csv от 01.12.2026")));
        OfferLinesTable *lines = table(dialog);
        QStringList headers;
        for (int column = 0; column < lines->columnCount(); ++column)
            headers.append(lines->horizontalHeaderItem(column)->text());
        EXPECT_EQ(headers,
                  (QStringList{"№", "Наименование", "Модель", "Ед.", "Кол.", "Цена, руб.", "Сумма, руб."}));
        EXPECT_EQ(lines->item(0, 0)->text(), offerSectionTitle(OfferSection::Equipment));

        const int block = rowOf(dialog, BlockModel);
        ASSERT_GE(block, 0);
        EXPECT_EQ(lines->item(block, OfferLinesTable::Price)->text(), shown("15 000,00"));

        // A price typed into a line without one.
        const QString model = missingModel(dialog);
        ASSERT_FALSE(model.isEmpty());
        const int row = rowOf(dialog, model);
        QTableWidgetItem *price = lines->item(row, OfferLinesTable::Price);
        EXPECT_EQ(price->text(), MissingPriceText);
        EXPECT_TRUE(price->flags() & Qt::ItemIsEditable);
        const QString totalsBefore = label(dialog, "offerTotalsLabel");
        // Typed as the user types it: F2 on the cell opens an empty editor (not "нет цены"), Enter takes it.
        lines->setCurrentCell(row, OfferLinesTable::Price);
        QTest::keyClick(lines, Qt::Key_F2);
        auto *editor = qobject_cast<QLineEdit *>(lines->indexWidget(lines->currentIndex()));
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->text(), QString());
        QTest::keyClicks(editor, QStringLiteral("2500"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the view commits the editor's text once the key is through
        EXPECT_EQ(price->text(), shown("2 500,00"));
        EXPECT_TRUE(dialog.isVisible()) << "Enter takes the cell, not the window";

        // A list price looked at and left as it was stays the list's.
        lines->setCurrentCell(block, OfferLinesTable::Price);
        QTest::keyClick(lines, Qt::Key_F2);
        editor = qobject_cast<QLineEdit *>(lines->indexWidget(lines->currentIndex()));
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->text(), shown("15 000,00"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the view commits the editor's text once the key is through
        EXPECT_FALSE(dialog.editor().settings().prices.contains(BlockModel));
        EXPECT_NE(label(dialog, "offerTotalsLabel"), totalsBefore);
        EXPECT_TRUE(label(dialog, "offerTotalsLabel").contains(countLine(dialog.editor().offer())));

        // Refused: told, and the cell shows the price as it stays.
        price->setText(QStringLiteral("дорого"));
        EXPECT_EQ(w->dialogs.takeMessages().size(), 1);
        EXPECT_EQ(price->text(), shown("2 500,00"));

        typeField(dialog, "offerMarkup", QStringLiteral("10"));
        EXPECT_EQ(lines->item(block, OfferLinesTable::Price)->text(), shown("16 500,00"));
        typeField(dialog, "offerNumber", QStringLiteral("К-17"));
        EXPECT_TRUE(
            label(dialog, "offerTitleLabel").startsWith(QStringLiteral("Коммерческое предложение № К-17")));
        typeField(dialog, "offerDate", QStringLiteral("32.12.2026"));
        EXPECT_EQ(w->dialogs.takeMessages().size(), 1);
        EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("offerDate"))->text(), QString());

        // The missing lines are listed with their reasons.
        auto *missing = dialog.findChild<QListWidget *>(QStringLiteral("offerMissingList"));
        EXPECT_EQ(missing->count(), dialog.editor().offer().missing().size());
        if (missing->count() > 0) {
            EXPECT_TRUE(
                missing->item(0)->text().contains(dialog.editor().offer().missing().first()->missingReason));
        }
    });
    const OfferSettings &kept = m().model().projectCard().offer;
    EXPECT_EQ(kept.markup, Percent{1000});
    EXPECT_EQ(kept.number, QStringLiteral("К-17"));
    EXPECT_EQ(kept.prices.size(), 1);
    EXPECT_EQ(kept.prices.first(), Money{250000});

    // Cancel drops what was typed.
    openOffer([&](OfferDialog &dialog) { typeField(dialog, "offerMarkup", QStringLiteral("50")); }, false);
    EXPECT_EQ(m().model().projectCard().offer.markup, Percent{1000});
}

TEST_F(OfferWindow, WorksTypedInTheirTableJoinTheOffer)
{
    calculate();
    openOffer([&](OfferDialog &dialog) {
        auto *add = dialog.findChild<QPushButton *>(QStringLiteral("addWorkButton"));
        auto *works = dialog.findChild<QTableWidget *>(QStringLiteral("offerWorksTable"));
        QTest::mouseClick(add, Qt::LeftButton);
        ASSERT_EQ(works->rowCount(), 1);
        works->item(0, 0)->setText(QStringLiteral("Монтаж системы"));
        works->item(0, 3)->setText(QStringLiteral("40000"));
        works->item(0, 2)->setText(QStringLiteral("0"));
        EXPECT_EQ(w->dialogs.takeMessages().size(), 1) << "no work of quantity 0";
        EXPECT_EQ(works->item(0, 2)->text(), QStringLiteral("1"));
        const int row = rowOf(dialog, QStringLiteral("Монтаж системы"));
        ASSERT_GE(row, 0);
        EXPECT_EQ(table(dialog)->item(row, OfferLinesTable::Sum)->text(), shown("40 000,00"));
        EXPECT_FALSE(table(dialog)->item(row, OfferLinesTable::Price)->flags() & Qt::ItemIsEditable);
    });
    ASSERT_EQ(m().model().projectCard().offer.works.size(), 1);
    EXPECT_EQ(m().model().projectCard().offer.works[0].price, Money{4000000});
}

TEST_F(OfferWindow, TheDocumentsAreWrittenFromTheCardAndTheList)
{
    calculate();
    struct Case
    {
        QAction *action;
        QString name;
        QByteArray starts;
    };
    const Case cases[] = {
        {m().exportOfferPdfAction, QStringLiteral("Коммерческое предложение.pdf"), "%PDF-"},
        {m().exportOfferExcelAction, QStringLiteral("Коммерческое предложение.xlsx"), "PK"}};
    for (const Case &c : cases) {
        w->dialogs.fileCalls.clear();
        w->dialogs.fileAnswers.enqueue(dir.filePath(c.name));
        c.action->trigger();
        EXPECT_EQ(w->dialogs.takeMessages(), QStringList{QStringLiteral("Сохранено как: ") + c.name});
        ASSERT_EQ(w->dialogs.fileCalls.size(), 1);
        EXPECT_EQ(w->dialogs.fileCalls[0].proposedName, c.name);
        EXPECT_TRUE(dir.read(c.name).startsWith(c.starts)) << c.name.toStdString();
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {dir.filePath(cases[0].name), QStringLiteral("-")});
    text.waitForFinished(60000);
    const QString printed = QString::fromUtf8(text.readAllStandardOutput()).replace(QChar(0x00A0), u' ');
    EXPECT_TRUE(printed.contains(QStringLiteral("15 000,00"))) << printed.toStdString();
}

TEST_F(OfferWindow, ADamagedListIsToldOfAndTheOfferHasNoListPrices)
{
    ASSERT_TRUE(dir.write(PriceListFileName, "{\"format\": \"orvika-prices\""));
    calculate();
    openOffer(
        [&](OfferDialog &dialog) {
            EXPECT_TRUE(label(dialog, "offerPriceListLabel").contains(QStringLiteral("не прочитан")));
            for (const OfferLine &line : dialog.editor().offer().lines)
                EXPECT_NE(line.source, PriceSource::List);
        },
        false);
    const QStringList told = w->dialogs.takeMessages();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(PriceListFileName)) << told[0].toStdString();
}

} // namespace
} // namespace orvika::test::documents::offer
