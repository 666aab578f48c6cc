#pragma once

#include "app/shared_state.h"
#include "calc/proposal.h"
#include "calc/requirements.h"
#include "comparison/report_comparison.h"
#include "documents/document_content.h"
#include "documents/document_files.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace orvika {

class Dialogs;
class Spinner;

// Form1: the requirements, the sources, the calculation and the proposal. The rules behind the
// controls are split by concern: parameter_rules.cpp (zones, channels, options, line control),
// source_rules.cpp (the four source rows), power_rules.cpp (the load in watts and the clearing
// buttons), calculation_rules.cpp ("Составить спецификацию" and the report), document_rules.cpp
// (the menu's save and load), export_rules.cpp (the documents of a finished calculation).
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(SharedState &state, Dialogs &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Public procedures, called by the controls' rules and by the report loader.
    void ppkz(std::int16_t kz);
    void ppkk(std::int16_t kk);
    void ОчистСпиУс();
    void ДобАварБл(const QString &name, std::int32_t count);
    void ДобМузБл(const QString &name, std::int32_t count);
    void ДобКонс();
    void ОчистСпиВх();
    // Writes the report of the finished calculation; true when it is on disk.
    bool Pech();

    // A complete calculation: what was required and what was proposed.
    struct FinishedCalculation
    {
        Requirements requirements;
        Proposal proposal;
    };
    std::optional<FinishedCalculation> runCalculation();

    SharedState &state() { return m_state; }
    Dialogs &dialogs() { return m_dialogs; }

    // The requirements as the controls state them now.
    Requirements gatherRequirements() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // main_window_layout.cpp
    void buildWindow();
    void buildMenu();
    void buildSourceFrame();
    void buildParameterFrame();
    void buildLoadFrame();
    void buildOptionFrame();
    void buildLineControlFrame();
    void buildListsAndCommands();
    void setFocusOrder();
    void nameControls();

    // parameter_rules.cpp, source_rules.cpp, power_rules.cpp, calculation_rules.cpp, document_rules.cpp
    void connectParameterRules();
    void connectSourceRules();
    void connectPowerRules();
    void connectCalculationRules();
    void connectDocumentRules();
    void connectExportRules();
    void connectComparisonRules();

    // Rules with more than a line or two.
    void chooseAlarmBlock();
    void chooseMusicSource();
    void chooseConsole();
    void addMicrophones();
    void addAlarmBlock();
    void addMusicSources();
    void addConsoles();
    void addZone();
    void clearZones();
    void clearSources();
    void composeSpecification();
    void saveAs();
    void openLoadWindow();
    void openInformationWindow();
    bool accountSource(const QString &name, std::int32_t count);

    // export_rules.cpp: the documents are offered while List3 shows a calculation that wrote its report.
    enum class View { Rack, Diagram };
    void rememberFinishedCalculation(const FinishedCalculation &finished);
    void forgetFinishedCalculation();
    void printDocument();
    void exportDocument(DocumentFormat format);
    void showPicture(View view);
    DocumentContent finishedDocument(DocumentFormat format) const;

    std::optional<FinishedCalculation> m_finished;

    // comparison_rules.cpp: saved reports against the proposal shown, each other, and today's catalogue.
    void compareWithSaved();
    void compareTwoSaved();
    void recheckSaved();
    QString chooseSavedReport(const QString &caption);
    void showComparison(const Comparison &comparison, const QString &before, const QString &after);
    QPointer<QWidget> m_pictureWindow;

    SharedState &m_state;
    Dialogs &m_dialogs;
    QWidget *m_informationWindow = nullptr;

public:
    // The controls, named as the program's documentation names them (object names alike).
    // Frame3: kinds of announcement and sound sources.
    QGroupBox *Frame3 = nullptr;
    QCheckBox *Check4 = nullptr, *Check3 = nullptr, *Check5 = nullptr, *Check6 = nullptr;
    QLabel *Label5 = nullptr, *Label6 = nullptr, *Label4 = nullptr, *Label7 = nullptr;
    QComboBox *CmbMC = nullptr, *CmbAL = nullptr, *CmbMZ = nullptr, *CmbRM = nullptr;
    QLabel *Label11 = nullptr, *Label1 = nullptr, *Label14 = nullptr, *Label8 = nullptr;
    QLabel *LblMC = nullptr, *LblAL = nullptr, *LblMZ = nullptr, *LblRM = nullptr;
    Spinner *VSMC = nullptr, *VSAL = nullptr, *VSMZ = nullptr, *VSRM = nullptr;
    QPushButton *CmdMC = nullptr, *CmdAL = nullptr, *CmdMZ = nullptr, *CmdRM = nullptr;

    // Frame1: system parameters.
    QGroupBox *Frame1 = nullptr;
    QCheckBox *Check1 = nullptr, *Check2 = nullptr;
    QLabel *LblZ = nullptr, *LblCh = nullptr;
    Spinner *VSKZ = nullptr, *VSCH = nullptr;

    // Frame2: the load in watts.
    QGroupBox *Frame2 = nullptr;
    QRadioButton *Opt1 = nullptr, *Opt2 = nullptr;
    QLineEdit *TxtP = nullptr;
    QPushButton *CmdAdd = nullptr, *CmdDl = nullptr;
    QListWidget *List2 = nullptr;
    QCheckBox *ChkZP = nullptr;
    QLabel *LblZP = nullptr;
    Spinner *VSZP = nullptr;

    // Frame4: additional options.
    QGroupBox *Frame4 = nullptr;
    QCheckBox *ChkBR = nullptr;
    QComboBox *CmbBR = nullptr;
    QCheckBox *ChkAtt = nullptr, *ChkBL = nullptr, *ChkPD = nullptr, *ChkRP = nullptr, *ChkRU = nullptr;

    // Frame5: line control.
    QGroupBox *Frame5 = nullptr;
    QRadioButton *OptR = nullptr, *OptA = nullptr, *Option1 = nullptr;

    // On the window itself.
    QLabel *Label13 = nullptr, *Label9 = nullptr;
    QListWidget *List1 = nullptr, *List3 = nullptr;
    QPushButton *CmdUs = nullptr, *Command2 = nullptr, *Command3 = nullptr;

    // Menu "Меню".
    QAction *Mnuskak = nullptr, *M_z_spec = nullptr, *Minf = nullptr, *fEx = nullptr;

    // Menu "Документ": the printed specification and the bills of materials.
    QAction *printDocumentAction = nullptr, *exportPdfAction = nullptr, *exportCsvAction = nullptr,
            *exportExcelAction = nullptr, *rackViewAction = nullptr, *diagramViewAction = nullptr,
            *compareWithSavedAction = nullptr, *compareTwoSavedAction = nullptr,
            *recheckSavedAction = nullptr;
};

} // namespace orvika
