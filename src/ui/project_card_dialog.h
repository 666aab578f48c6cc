#pragma once

#include "project/project_card.h"

#include <QDialog>

class QComboBox;
class QFormLayout;
class QLineEdit;
class QSpinBox;

namespace orvika {

class Dialogs;

// "Сведения о проекте": the project's card as the user fills it in. Every field may stay empty; a
// date, when given, is a real day in the form ДД.ММ.ГГГГ.
class ProjectCardDialog : public QDialog
{
    Q_OBJECT
public:
    ProjectCardDialog(const ProjectCard &card, Dialogs &dialogs, QWidget *parent = nullptr);

    // The card given, with what the fields state.
    ProjectCard card() const;

    void accept() override;

private:
    QLineEdit *addField(const QString &label, const char *name, const QString &text);

    Dialogs &m_dialogs;
    QFormLayout *m_form;
    ProjectCard m_card; // as it was given
    QLineEdit *m_object, *m_address, *m_customer, *m_designation;
    QComboBox *m_stage;
    QLineEdit *m_organisation, *m_supplier;
    QLineEdit *m_developer, *m_checker, *m_normControl, *m_chiefEngineer, *m_approver;
    QSpinBox *m_revision;
    QLineEdit *m_date;
};

} // namespace orvika
