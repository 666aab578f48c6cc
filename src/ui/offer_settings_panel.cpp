#include "ui/offer_settings_panel.h"

#include "engine/offer_editor.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>

namespace orvika {
namespace {

const QString DatePlaceholder = QStringLiteral("дд.мм.гггг");

QString percentShown(Percent percent)
{
    return percent.hundredths == 0 ? QString() : percentText(percent);
}

} // namespace

OfferSettingsPanel::OfferSettingsPanel(OfferEditor &editor, Dialogs &dialogs, QWidget *parent)
    : QGroupBox(QStringLiteral("Условия"), parent), m_editor(editor), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("offerSettingsPanel"));
    auto *form = new QFormLayout(this);

    m_number = addField("offerNumber", QString());
    connect(m_number, &QLineEdit::editingFinished, this, [this] {
        m_editor.setNumber(m_number->text());
        emit changed();
    });
    form->addRow(QStringLiteral("Номер:"), m_number);
    m_date = addField("offerDate", DatePlaceholder);
    connect(m_date, &QLineEdit::editingFinished, this, [this] {
        take(m_date, [this](const QString &t) { return m_editor.setDate(OfferDateField::Date, t); });
    });
    form->addRow(QStringLiteral("Дата:"), m_date);
    m_validUntil = addField("offerValidUntil", DatePlaceholder);
    connect(m_validUntil, &QLineEdit::editingFinished, this, [this] {
        take(m_validUntil,
             [this](const QString &t) { return m_editor.setDate(OfferDateField::ValidUntil, t); });
    });
    form->addRow(QStringLiteral("Действительно до:"), m_validUntil);

    auto *vat = new QHBoxLayout;
    m_vatMode = new QComboBox(this);
    m_vatMode->setObjectName(QStringLiteral("offerVatMode"));
    m_vatMode->setAccessibleName(QStringLiteral("НДС"));
    m_vatMode->addItem(QStringLiteral("сверх цены"), int(VatMode::Over));
    m_vatMode->addItem(QStringLiteral("в том числе"), int(VatMode::Included));
    m_vatMode->addItem(QStringLiteral("без НДС"), int(VatMode::None));
    m_vatRate = new QComboBox(this);
    m_vatRate->setObjectName(QStringLiteral("offerVatRate"));
    m_vatRate->setAccessibleName(QStringLiteral("Ставка НДС"));
    for (int rate : offeredVatRates())
        m_vatRate->addItem(QStringLiteral("%1 %").arg(rate), rate);
    connect(m_vatMode, &QComboBox::activated, this, &OfferSettingsPanel::vatChosen);
    connect(m_vatRate, &QComboBox::activated, this, &OfferSettingsPanel::vatChosen);
    vat->addWidget(m_vatMode, 1);
    vat->addWidget(m_vatRate);
    form->addRow(QStringLiteral("НДС:"), vat);

    m_markup = addField("offerMarkup", QStringLiteral("0"));
    connect(m_markup, &QLineEdit::editingFinished, this, [this] {
        take(m_markup,
             [this](const QString &t) { return m_editor.setPercent(OfferPercentField::Markup, t); });
    });
    form->addRow(QStringLiteral("Наценка, %:"), m_markup);
    m_discount = addField("offerDiscount", QStringLiteral("0"));
    connect(m_discount, &QLineEdit::editingFinished, this, [this] {
        take(m_discount,
             [this](const QString &t) { return m_editor.setPercent(OfferPercentField::Discount, t); });
    });
    form->addRow(QStringLiteral("Скидка, %:"), m_discount);

    for (const QString &currency : ForeignCurrencies) {
        auto *row = new QHBoxLayout;
        QLineEdit *rate =
            addField(qPrintable(QStringLiteral("offerRate") + currency), QStringLiteral("нет курса"));
        rate->setAccessibleName(QStringLiteral("Курс %1, руб.").arg(currency));
        QLineEdit *date = addField(qPrintable(QStringLiteral("offerRateDate") + currency), DatePlaceholder);
        date->setAccessibleName(QStringLiteral("Дата курса %1").arg(currency));
        connect(rate, &QLineEdit::editingFinished, this, [this, rate, currency] {
            take(rate, [this, currency](const QString &t) { return m_editor.setRate(currency, t); });
        });
        connect(date, &QLineEdit::editingFinished, this, [this, date, currency] {
            take(date, [this, currency](const QString &t) { return m_editor.setRateDate(currency, t); });
        });
        m_rates.insert(currency, rate);
        m_rateDates.insert(currency, date);
        row->addWidget(rate, 1);
        row->addWidget(date, 1);
        form->addRow(QStringLiteral("Курс %1, руб. / на дату:").arg(currency), row);
    }
    m_surcharge = addField("offerRateSurcharge", QStringLiteral("0"));
    connect(m_surcharge, &QLineEdit::editingFinished, this, [this] {
        take(m_surcharge,
             [this](const QString &t) { return m_editor.setPercent(OfferPercentField::RateSurcharge, t); });
    });
    form->addRow(QStringLiteral("Надбавка к курсу, %:"), m_surcharge);

    showSettings();
}

QLineEdit *OfferSettingsPanel::addField(const char *name, const QString &placeholder)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setPlaceholderText(placeholder);
    return field;
}

void OfferSettingsPanel::take(QLineEdit *field, const std::function<QString(const QString &)> &set)
{
    const QString refusal = set(field->text());
    // The field shows what was taken (or what stays) before a box takes the focus from it.
    showSettings();
    if (!refusal.isEmpty())
        m_dialogs.message(this, refusal);
    emit changed();
}

void OfferSettingsPanel::vatChosen()
{
    const Vat vat{VatMode(m_vatMode->currentData().toInt()), m_vatRate->currentData().toInt()};
    const QString refusal = m_editor.setVat(vat);
    showSettings();
    if (!refusal.isEmpty())
        m_dialogs.message(this, refusal);
    emit changed();
}

void OfferSettingsPanel::showSettings()
{
    const OfferSettings &settings = m_editor.settings();
    const auto show = [](QLineEdit *field, const QString &text) {
        if (field->text() != text)
            field->setText(text);
    };
    show(m_number, settings.number);
    show(m_date, OfferEditor::dateText(settings.date));
    show(m_validUntil, OfferEditor::dateText(settings.validUntil));
    {
        const QSignalBlocker quietMode(m_vatMode), quietRate(m_vatRate);
        m_vatMode->setCurrentIndex(m_vatMode->findData(int(settings.vat.mode)));
        // A rate the card holds that is not offered any more stays choosable.
        if (m_vatRate->findData(settings.vat.rate) < 0)
            m_vatRate->addItem(QStringLiteral("%1 %").arg(settings.vat.rate), settings.vat.rate);
        m_vatRate->setCurrentIndex(m_vatRate->findData(settings.vat.rate));
        m_vatRate->setEnabled(settings.vat.mode != VatMode::None);
    }
    show(m_markup, percentShown(settings.markup));
    show(m_discount, percentShown(settings.discount));
    show(m_surcharge, percentShown(settings.rateSurcharge));
    for (const QString &currency : ForeignCurrencies) {
        const auto rate = settings.rates.constFind(currency);
        const bool stated = rate != settings.rates.cend();
        show(m_rates[currency], stated ? rateText(rate->rate) : QString());
        show(m_rateDates[currency], stated ? OfferEditor::dateText(rate->date) : QString());
        m_rateDates[currency]->setEnabled(stated);
    }
}

} // namespace orvika
