#include "ui/offer_dialog.h"

#include "engine/offer_composition.h"
#include "engine/offer_editor.h"
#include "engine/price_list_store.h"
#include "offer/offer_texts.h"
#include "ui/dialogs.h"
#include "ui/offer_lines_table.h"
#include "ui/offer_settings_panel.h"
#include "ui/offer_works_table.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace orvika {
namespace {

QLabel *textLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString listLine(const PriceList *list, const QString &problem)
{
    if (list)
        return QStringLiteral("Прайс-лист: ") + priceListSummary(*list) + u'.';
    if (!problem.isEmpty())
        return problem;
    return QStringLiteral(
        "Прайс-лист не загружен (Проект → Прайс-лист…): в предложении только цены, заданные "
        "вручную, и работы.");
}

// "Итого", the VAT line and "Всего" as the documents print them, then the count and the total in words.
QString totalsText(const Offer &offer)
{
    if (offer.tooLarge)
        return offerTooLarge();
    QStringList lines = {QStringLiteral("Итого: %1 руб.").arg(moneyText(offer.totals.subtotal))};
    lines.append(
        offer.vat.mode == VatMode::None
            ? vatLineText(offer.vat)
            : QStringLiteral("%1: %2 руб.").arg(vatLineText(offer.vat), moneyText(offer.totals.vat)));
    lines.append(QStringLiteral("%1: %2 руб.").arg(totalLineText(offer.vat), moneyText(offer.totals.total)));
    lines.append(countLine(offer));
    lines.append(totalInWords(offer));
    return lines.join(u'\n');
}

} // namespace

OfferDialog::OfferDialog(const FinishedCalculation &finished, const ProjectCard &card, const PriceList *list,
                         const QString &listProblem, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_editor(std::make_unique<OfferEditor>(finished, card, list)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("offerDialog"));
    setWindowTitle(OfferName);
    setSizeGripEnabled(true);
    auto *column = new QVBoxLayout(this);

    QLabel *source = textLabel("offerPriceListLabel", this);
    source->setText(listLine(list, listProblem));
    column->addWidget(source);
    m_title = textLabel("offerTitleLabel", this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    column->addWidget(m_title);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("offerSplitter"));
    auto *left = new QWidget(split);
    auto *leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    m_lines = new OfferLinesTable(left);
    m_lines->onPriceTyped = [this](const QString &key, const QString &text) { priceTyped(key, text); };
    leftColumn->addWidget(m_lines, 1);
    m_totals = textLabel("offerTotalsLabel", left);
    m_totals->setAlignment(Qt::AlignRight | Qt::AlignTop);
    leftColumn->addWidget(m_totals);
    m_missingLine = textLabel("offerMissingLabel", left);
    leftColumn->addWidget(m_missingLine);
    m_missing = new QListWidget(left);
    m_missing->setObjectName(QStringLiteral("offerMissingList"));
    m_missing->setAccessibleName(QStringLiteral("Позиции без цены"));
    m_missing->setMaximumHeight(m_missing->fontMetrics().lineSpacing() * 6);
    // A line without a price chosen here is shown in the table, where its price is typed.
    connect(m_missing, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        const int shown = m_lines->rowOfPosition(m_missing->item(row)->data(Qt::UserRole).toInt());
        if (shown >= 0)
            m_lines->setCurrentCell(shown, OfferLinesTable::Price);
    });
    leftColumn->addWidget(m_missing);

    auto *right = new QWidget(split);
    auto *rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    m_settings = new OfferSettingsPanel(*m_editor, m_dialogs, right);
    connect(m_settings, &OfferSettingsPanel::changed, this, &OfferDialog::refresh);
    rightColumn->addWidget(m_settings);
    m_works = new OfferWorksTable(*m_editor, m_dialogs, right);
    connect(m_works, &OfferWorksTable::changed, this, &OfferDialog::refresh);
    rightColumn->addWidget(m_works, 1);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({820, 460});
    column->addWidget(split, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("offerButtons"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    refresh();
    resize(1300, 780);
}

OfferDialog::~OfferDialog() = default;

const OfferSettings &OfferDialog::settings() const
{
    return m_editor->settings();
}

void OfferDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton *>(focusWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void OfferDialog::priceTyped(const QString &key, const QString &text)
{
    const QString refusal = m_editor->setHandPrice(key, text);
    refresh();
    if (!refusal.isEmpty())
        m_dialogs.message(this, refusal);
}

void OfferDialog::refresh()
{
    const Offer &offer = m_editor->offer();
    const QString validity = validityLine(m_editor->settings());
    m_title->setText(offerTitle(m_editor->settings()) + (validity.isEmpty() ? QString() : u'\n' + validity));
    m_lines->showOffer(offer);
    m_totals->setText(totalsText(offer));
    const QString missing = missingPricesLine(offer);
    m_missingLine->setText(missing);
    m_missingLine->setVisible(!missing.isEmpty());
    m_missing->clear();
    for (const OfferLine *line : offer.missing()) {
        const QString model = line->item.model.isEmpty() ? QString() : line->item.model + u' ';
        auto *item = new QListWidgetItem(QStringLiteral("%1. %2%3 — %4")
                                             .arg(line->position)
                                             .arg(model, line->item.name, line->missingReason),
                                         m_missing);
        item->setData(Qt::UserRole, line->position);
    }
    m_missing->setVisible(m_missing->count() > 0);
}

} // namespace orvika
