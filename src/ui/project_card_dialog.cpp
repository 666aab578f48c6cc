#include "ui/project_card_dialog.h"

#include "ui/dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvika {
namespace {

const QString DateFormat = QStringLiteral("dd.MM.yyyy");

} // namespace

ProjectCardDialog::ProjectCardDialog(const ProjectCard &card, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_card(card)
{
    setObjectName(QStringLiteral("projectCardDialog"));
    setWindowTitle(QStringLiteral("Сведения о проекте"));
    auto *column = new QVBoxLayout(this);
    m_form = new QFormLayout;
    column->addLayout(m_form);

    m_object = addField(QStringLiteral("Объект"), "objectEdit", card.object);
    m_address = addField(QStringLiteral("Адрес"), "addressEdit", card.address);
    m_customer = addField(QStringLiteral("Заказчик"), "customerEdit", card.customer);
    m_designation = addField(QStringLiteral("Обозначение (шифр)"), "designationEdit", card.designation);
    m_stage = new QComboBox(this);
    m_stage->setObjectName(QStringLiteral("stageBox"));
    m_stage->addItems(CardStages);
    m_stage->setCurrentIndex(std::max<int>(0, m_stage->findText(card.stage)));
    m_form->addRow(QStringLiteral("Стадия"), m_stage);
    m_organisation = addField(QStringLiteral("Организация"), "organisationEdit", card.organisation);
    m_supplier = addField(QStringLiteral("Поставщик"), "supplierEdit", card.supplier);
    m_developer = addField(QStringLiteral("Разработал"), "developerEdit", card.people.developer);
    m_checker = addField(QStringLiteral("Проверил"), "checkerEdit", card.people.checker);
    m_normControl = addField(QStringLiteral("Н. контр."), "normControlEdit", card.people.normControl);
    m_chiefEngineer = addField(QStringLiteral("ГИП"), "chiefEngineerEdit", card.people.chiefEngineer);
    m_approver = addField(QStringLiteral("Утвердил"), "approverEdit", card.people.approver);
    m_revision = new QSpinBox(this);
    m_revision->setObjectName(QStringLiteral("revisionBox"));
    m_revision->setRange(0, LastRevision);
    m_revision->setValue(card.revision);
    m_form->addRow(QStringLiteral("Изм."), m_revision);
    m_date = addField(QStringLiteral("Дата"), "dateEdit",
                      card.date.isValid() ? card.date.toString(DateFormat) : QString());
    m_date->setPlaceholderText(QStringLiteral("ДД.ММ.ГГГГ"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("projectCardButtons"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    m_object->setMinimumWidth(360);
}

QLineEdit *ProjectCardDialog::addField(const QString &label, const char *name, const QString &text)
{
    auto *field = new QLineEdit(text, this);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(LongestCardText);
    m_form->addRow(label, field);
    return field;
}

ProjectCard ProjectCardDialog::card() const
{
    ProjectCard card = m_card; // what the dialog does not show stays: the lines, the unknown keys
    card.object = m_object->text().trimmed();
    card.address = m_address->text().trimmed();
    card.customer = m_customer->text().trimmed();
    card.designation = m_designation->text().trimmed();
    card.stage = m_stage->currentText();
    card.organisation = m_organisation->text().trimmed();
    card.supplier = m_supplier->text().trimmed();
    card.people = {m_developer->text().trimmed(), m_checker->text().trimmed(),
                   m_normControl->text().trimmed(), m_chiefEngineer->text().trimmed(),
                   m_approver->text().trimmed()};
    card.revision = m_revision->value();
    card.date = QDate::fromString(m_date->text().trimmed(), DateFormat);
    return card;
}

// A date that is not a day keeps the dialog open rather than being dropped unseen.
void ProjectCardDialog::accept()
{
    const QString date = m_date->text().trimmed();
    if (!date.isEmpty() && !QDate::fromString(date, DateFormat).isValid()) {
        m_dialogs.message(this, QStringLiteral("Дата указывается в виде ДД.ММ.ГГГГ, например 07.12.2026"));
        m_date->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace orvika
