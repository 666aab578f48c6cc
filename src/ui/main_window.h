#pragma once

#include "comparison/report_comparison.h"
#include "documents/document_content.h"
#include "documents/document_files.h"
#include "engine/main_window_model.h"
#include "engine/price_list_store.h"
#include "engine/shared_state.h"
#include "project_documents/specification_files.h"
#include "ui/dialogs.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
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

// Form1: the view of the window's rules (MainWindowModel). It builds the controls
// (main_window_layout.cpp), shows what the model holds and hands every user action to it
// (main_window_view.cpp); the menus open the other windows and make the documents of the
// calculation the model has finished (document_rules.cpp, export_rules.cpp, comparison_rules.cpp).
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(SharedState &state, Dialogs &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    MainWindowModel &model() { return m_model; }
    // The seam the rules show their boxes through.
    WindowDialogSeam &dialogSeam() { return m_seam; }

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

    // main_window_view.cpp: user actions to the model, the model's state to the controls.
    void connectModel();
    void showModel();

    // document_rules.cpp, export_rules.cpp, comparison_rules.cpp
    void connectDocumentRules();
    void connectExportRules();
    void connectComparisonRules();
    void openLoadWindow();
    void openInformationWindow();

    // export_rules.cpp: the documents of the calculation the model has finished.
    enum class View { Rack, Diagram };
    void printDocument();
    void exportDocument(DocumentFormat format);
    struct ExportChoice
    {
        QString caption, proposedName, filter; // of the file dialog
    };
    using ExportWriter =
        std::function<std::optional<QString>(const QString &path, const FinishedCalculation &)>;
    void exportFile(const ExportChoice &choice, const ExportWriter &write);
    void showPicture(View view);
    DocumentContent finishedDocument(DocumentFormat format) const;

    // project_rules.cpp: the project's card and the specification in form 1.
    void connectProjectRules();
    void editProjectCard();
    void editLoudspeakerLines();
    void editSoundLevel();
    void exportSpecification(SpecificationFormat format);
    void exportStructuralScheme();
    void exportCalculations(bool pdf);

    // offer_rules.cpp: the price list, the commercial offer and its documents.
    void connectOfferRules();
    PriceListStore &priceLists();
    void editPriceList();
    void editOffer();
    void exportOffer(bool pdf);

    // comparison_rules.cpp: saved reports against the proposal shown, each other, and today's catalogue.
    void compareWithSaved();
    void compareTwoSaved();
    void recheckSaved();
    QString chooseSavedReport(const QString &caption);
    void showComparison(const Comparison &comparison, const QString &before, const QString &after);
    QPointer<QWidget> m_pictureWindow;
    // The current price list, read when first needed (offer_rules.cpp).
    std::optional<PriceListStore> m_priceLists;

    Dialogs &m_dialogs;
    WindowDialogSeam m_seam;
    MainWindowModel m_model;
    QWidget *m_informationWindow = nullptr;
    // What the controls were last given from the model: a control is set again only when the model
    // has changed it since.
    struct Shown : ControlStates
    {
        int listClearings[3] = {};  // List1, List2, List3: the model's clearings they show
        qsizetype listRows[3] = {}; // and how many of its lines
        bool finished = false;
    };
    Shown m_shown;
    bool m_showing = false; // the controls are being brought up to date with the model

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
            *exportGostPdfAction = nullptr, *exportGostExcelAction = nullptr,
            *exportSchemePdfAction = nullptr, *exportCalculationsPdfAction = nullptr,
            *exportCalculationsOdtAction = nullptr, *compareWithSavedAction = nullptr,
            *compareTwoSavedAction = nullptr, *recheckSavedAction = nullptr;
    // The commercial offer's documents.
    QAction *exportOfferPdfAction = nullptr, *exportOfferExcelAction = nullptr;

    // Menu "Проект": the project's card, its loudspeaker lines, the rooms' sound level, the price list and
    // the commercial offer.
    QAction *projectCardAction = nullptr, *loudspeakerLinesAction = nullptr, *soundLevelAction = nullptr,
            *priceListAction = nullptr, *offerAction = nullptr;
};

} // namespace orvika
