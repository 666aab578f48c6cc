#pragma once

#include "lines/loudspeaker_lines.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace orvika {

class Dialogs;
class MainWindowModel;
class WindowDialogSeam;

// "Линии громкоговорителей": each zone's loudspeakers and cable, with the figures of its line as
// they are typed. A number is checked as soon as its cell or field is left: a wrong one is named
// with its zone and column, and the cell goes back to what it held.
class LoudspeakerLinesDialog : public QDialog
{
    Q_OBJECT
public:
    enum Column {
        ZoneColumn,
        NameColumn,
        LoudspeakerColumn,
        PowerColumn,
        CountColumn,
        LengthColumn,
        SectionColumn,
        CableColumn,
        ZonePowerColumn,
        ResistanceColumn,
        LossColumn,
        LevelColumn,
        SmallestSectionColumn,
        VerdictColumn,
        ColumnCount
    };

    LoudspeakerLinesDialog(MainWindowModel &model, WindowDialogSeam &seam, Dialogs &dialogs,
                           QWidget *parent = nullptr);

    // The lines as edited: the shown zones that state anything, and the zones not shown as they were.
    LoudspeakerLines lines() const;

    void accept() override;

private:
    void buildSettings(QWidget *box);
    void buildTable();
    void fillRow(int row);
    void fitColumns();
    void showFigures(int row);
    void showAllFigures();
    void cellEdited(QTableWidgetItem *item);
    void loudspeakerChosen(int row);
    void sectionChosen(int row);
    void settingEdited(QLineEdit *field, double &value, bool zeroAllowed);
    void transfer();
    void setCell(int row, int column, const QString &text);
    QString label(QLineEdit *field) const;

    MainWindowModel &m_model;
    WindowDialogSeam &m_seam;
    Dialogs &m_dialogs;
    QStringList m_units;
    LineSettings m_settings;
    QList<ZoneLine> m_rows;   // zone 1 … the zone count, in order
    QList<ZoneLine> m_hidden; // zones beyond the count, kept
    bool m_filling = false;   // cells are set by the dialog, not typed

    QComboBox *m_voltage = nullptr;
    QLineEdit *m_lossLimit = nullptr, *m_cableReserve = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_transfer = nullptr;
};

} // namespace orvika
