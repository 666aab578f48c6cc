#pragma once

#include <QGroupBox>
#include <QMap>
#include <functional>

class QComboBox;
class QLineEdit;

namespace orvika {

class Dialogs;
class OfferEditor;

// The offer's settings: its number and dates, the VAT, the markup and the discount, the currencies' rates
// with their dates and the surcharge on them. A field is taken when the user leaves it or presses Enter; a
// text refused is told and the field shows the setting as it was.
class OfferSettingsPanel : public QGroupBox
{
    Q_OBJECT
public:
    OfferSettingsPanel(OfferEditor &editor, Dialogs &dialogs, QWidget *parent = nullptr);

    // The fields written from the settings.
    void showSettings();

signals:
    // A setting was taken.
    void changed();

private:
    QLineEdit *addField(const char *name, const QString &placeholder);
    // Takes the field's text through the setter; tells its refusal and shows the setting again.
    void take(QLineEdit *field, const std::function<QString(const QString &)> &set);
    void vatChosen();

    OfferEditor &m_editor;
    Dialogs &m_dialogs;
    QLineEdit *m_number = nullptr, *m_date = nullptr, *m_validUntil = nullptr;
    QComboBox *m_vatMode = nullptr, *m_vatRate = nullptr;
    QLineEdit *m_markup = nullptr, *m_discount = nullptr, *m_surcharge = nullptr;
    QMap<QString, QLineEdit *> m_rates, m_rateDates;
};

} // namespace orvika
