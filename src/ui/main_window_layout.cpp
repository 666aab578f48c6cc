#include "app/fonts.h"
#include "ui/main_window.h"
#include "ui/picker.h"
#include "ui/spinner.h"
#include "ui/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <algorithm>

namespace orvika {

namespace {

// Client area of the main window.
constexpr int ClientWidth = 12810;
constexpr int ClientHeight = 7755;

QFont captionFont()
{
    return tahoma(9.75, true);
}
QFont listFont()
{
    return tahoma(9, false);
}
QFont comboFont()
{
    return tahoma(8.25, false);
}

// A frame whose caption is drawn in the highlight colour.
class CaptionFrame : public QGroupBox
{
public:
    CaptionFrame(const QString &title, QWidget *parent) : QGroupBox(title, parent) {}

protected:
    void initStyleOption(QStyleOptionGroupBox *option) const override
    {
        QGroupBox::initStyleOption(option);
        const QColor highlight = palette().color(QPalette::Highlight);
        option->textColor = highlight;
        option->palette.setColor(QPalette::WindowText, highlight);
    }
};

// Buttons and check boxes tall enough for two lines break their captions between words, as the
// window was designed with.
class WrappingButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        style()->drawItemText(&painter, contents, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                              option.palette, isEnabled(), caption, QPalette::ButtonText);
    }
};

class WrappingCheckBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        const QRect contents = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        option.text.clear();
        painter.drawControl(QStyle::CE_CheckBox, option);
        style()->drawItemText(&painter, contents,
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                              option.palette, isEnabled(), caption, QPalette::WindowText);
    }

    // The caption spans two lines: all of the control answers a click.
    bool hitButton(const QPoint &position) const override { return rect().contains(position); }
};

// Builds the controls of one container from rows in twips.
class Placer
{
public:
    Placer(QWidget *container, const Twips &twips) : m_container(container), m_twips(twips) {}

    template <typename Widget>
    Widget *place(Widget *widget, const char *name, int left, int top, int width, int height)
    {
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(m_twips.rect(left, top, width, height));
        return widget;
    }

    QCheckBox *check(const char *name, const QString &caption, int left, int top, int width, int height)
    {
        if (holdsTwoLines(height)) {
            auto *box = place(new WrappingCheckBox(caption, m_container), name, left, top, width, height);
            const QStyle *style = box->style();
            return fittedOnTwoLines(box, box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
                                             style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
        }
        return fitted(place(new QCheckBox(caption, m_container), name, left, top, width, height));
    }

    QRadioButton *option(const char *name, const QString &caption, int left, int top, int width, int height)
    {
        return fitted(place(new QRadioButton(caption, m_container), name, left, top, width, height));
    }

    QPushButton *button(const char *name, const QString &caption, int left, int top, int width, int height)
    {
        if (holdsTwoLines(height)) {
            auto *button = place(new WrappingButton(caption, m_container), name, left, top, width, height);
            return fittedOnTwoLines(button, button->width() - chromeWidth(button));
        }
        return fitted(place(new QPushButton(caption, m_container), name, left, top, width, height));
    }

    QLabel *label(const char *name, const QString &caption, int left, int top, int width, int height)
    {
        return fitted(place(new QLabel(caption, m_container), name, left, top, width, height));
    }

    // The figure beside a spinner.
    QLabel *countLabel(const char *name, const QString &value, int left, int top, int width, int height)
    {
        QLabel *label = place(new QLabel(value, m_container), name, left, top, width, height);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        return label;
    }

    Spinner *spinner(const char *name, QLabel *count, int left, int top, const CounterState &state)
    {
        Spinner *spinner =
            place(new Spinner(state.minimum, state.maximum, state.value, state.step, m_container), name, left,
                  top, 255, 375);
        spinner->setCountLabel(count);
        spinner->setEnabled(state.enabled);
        return spinner;
    }

    // A picker of catalogue items, showing its prompt until one is picked.
    QComboBox *combo(const char *name, int left, int top, int width, int height, const PickerState &state)
    {
        auto *combo = place(new Picker(m_container), name, left, top, width, height);
        // The font first: the line edit made for editing then starts with it. The items and the
        // empty choice come before the line edit too, so that it lays out no item's text on the way
        // to the prompt: the first item added to an empty combo becomes its current one.
        combo->setFont(comboFont());
        combo->addItems(state.items);
        combo->setCurrentIndex(-1);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setEditText(state.text);
        combo->setEnabled(state.enabled);
        return combo;
    }

    QListWidget *list(const char *name, int left, int top, int width, int height)
    {
        auto *list = place(new QListWidget(m_container), name, left, top, width, height);
        list->setFont(listFont());
        return list;
    }

    QGroupBox *frame(const char *name, const QString &caption, int left, int top, int width, int height)
    {
        return place(new CaptionFrame(caption, m_container), name, left, top, width, height);
    }

    QFrame *separator(int top, int left, int right)
    {
        auto *line = new QFrame(m_container);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        // The line is drawn through the middle of its widget: centre a two-pixel band on the row.
        const int y = m_twips.y(top);
        line->setGeometry(m_twips.x(left), y - 1, m_twips.x(right) - m_twips.x(left), 2);
        return line;
    }

private:
    bool holdsTwoLines(int height) const
    {
        return m_twips.y(height) >= 2 * QFontMetrics(m_container->font()).lineSpacing();
    }

    // A caption that comes out wider than its place (a substitute for Tahoma is wider, and even
    // Tahoma's metrics differ a little between versions) is drawn narrower rather than cut or let
    // run into its neighbour: the font keeps its height and is condensed just enough. The first
    // stretch tried is the one the measured width asks for.
    template <typename Widget> Widget *fitted(Widget *widget)
    {
        widget->ensurePolished();
        const int needed = neededWidth(widget);
        if (needed <= widget->width())
            return widget;
        const int chrome = chromeWidth(widget);
        const int stretch = 100 * (widget->width() - chrome) / std::max(1, needed - chrome);
        condense(widget, stretch, [widget] { return neededWidth(widget) <= widget->width(); });
        return widget;
    }

    static int neededWidth(const QPushButton *button)
    {
        // A push button's size hint keeps a minimum width; only its caption matters here.
        return button->fontMetrics().horizontalAdvance(button->text()) + chromeWidth(button);
    }
    static int neededWidth(const QWidget *widget) { return widget->sizeHint().width(); }

    // What a control needs beside its caption's text: a push button's margins, a check box's or
    // option button's indicator with its spacing.
    static int chromeWidth(const QPushButton *) { return 8; }
    static int chromeWidth(const QLabel *) { return 0; }
    static int chromeWidth(const QCheckBox *box) { return indicatorWidth(box, QStyle::CT_CheckBox); }
    static int chromeWidth(const QRadioButton *button)
    {
        return indicatorWidth(button, QStyle::CT_RadioButton);
    }
    static int indicatorWidth(const QAbstractButton *button, QStyle::ContentsType type)
    {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text(); // the style adds the caption's margins only for a caption
        return button->style()->sizeFromContents(type, &option, QSize(0, 0), button).width();
    }

    // The same for captions broken over two lines: they must not need a third one.
    template <typename Widget> Widget *fittedOnTwoLines(Widget *widget, int textWidth)
    {
        auto fits = [&] {
            const QFontMetrics metrics = widget->fontMetrics();
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, textWidth, 1000), Qt::TextWordWrap, widget->text());
            return needed.width() <= textWidth && needed.height() <= widget->height();
        };
        if (!fits())
            condense(widget, 100, fits);
        return widget;
    }

    // Condenses the widget's font until fits() holds, from the given stretch down. The stretches
    // are multiples of four, so that the condensed captions share a few fonts instead of loading
    // one each.
    template <typename Fits> static void condense(QWidget *widget, int stretch, Fits fits)
    {
        constexpr int Step = 4;
        QFont font = widget->font();
        for (stretch = std::min(stretch, 100 - 1) / Step * Step; stretch > 50; stretch -= Step) {
            font.setStretch(stretch);
            widget->setFont(font);
            if (fits())
                return;
        }
    }

    QWidget *m_container;
    const Twips &m_twips;
};

void paintHighlighted(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
    label->setPalette(palette);
}

} // namespace

void MainWindow::buildWindow()
{
    setWindowTitle(QStringLiteral("Автоматическое составление спецификации на базе оборудования ORVIKA"));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(captionFont());
    setCentralWidget(client);
    const Twips twips(logicalDpiX(), logicalDpiY());
    client->setFixedSize(twips.x(ClientWidth), twips.y(ClientHeight));

    buildMenu();
    buildSourceFrame();
    buildParameterFrame();
    buildLoadFrame();
    buildOptionFrame();
    buildLineControlFrame();
    buildListsAndCommands();
    setFocusOrder();
    nameControls();
}

void MainWindow::buildMenu()
{
    QMenuBar *bar = menuBar();

    QMenu *menu = bar->addMenu(QStringLiteral("Меню"));
    menu->setObjectName(QStringLiteral("fMen"));
    menu->menuAction()->setObjectName(QStringLiteral("fMen"));
    // A drop-down menu reads as its window title, which a menu of a menu bar does not have.
    menu->setAccessibleName(menu->title());
    Mnuskak = menu->addAction(QStringLiteral("Сохранить как"));
    Mnuskak->setObjectName(QStringLiteral("Mnuskak"));
    M_z_spec = menu->addAction(QStringLiteral("Загрузить спецификацию"));
    M_z_spec->setObjectName(QStringLiteral("M_z_spec"));
    Minf = menu->addAction(QStringLiteral("Информация"));
    Minf->setObjectName(QStringLiteral("Minf"));
    menu->addSeparator();
    fEx = menu->addAction(QStringLiteral("Exit"));
    fEx->setObjectName(QStringLiteral("fEx"));

    QMenu *documents = bar->addMenu(QStringLiteral("Документ"));
    documents->setObjectName(QStringLiteral("documentMenu"));
    documents->menuAction()->setObjectName(QStringLiteral("documentMenu"));
    documents->setAccessibleName(documents->title());
    const auto add = [documents](QAction *&action, const QString &text, const char *name) {
        action = documents->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(false); // until a calculation has written its report
    };
    add(printDocumentAction, QStringLiteral("Печать…"), "printDocument");
    documents->addSeparator();
    add(exportPdfAction, QStringLiteral("Экспорт в PDF…"), "exportPdf");
    add(exportCsvAction, QStringLiteral("Экспорт в CSV…"), "exportCsv");
    add(exportExcelAction, QStringLiteral("Экспорт в Excel…"), "exportExcel");
    documents->addSeparator();
    add(exportGostPdfAction, QStringLiteral("Спецификация по ГОСТ 21.110 (PDF)…"), "exportGostPdf");
    add(exportGostExcelAction, QStringLiteral("Спецификация по ГОСТ 21.110 (Excel)…"), "exportGostExcel");
    add(exportSchemePdfAction, QStringLiteral("Схема структурная (PDF)…"), "exportSchemePdf");
    add(exportCalculationsPdfAction, QStringLiteral("Расчёты (PDF)…"), "exportCalculationsPdf");
    add(exportCalculationsOdtAction, QStringLiteral("Расчёты (ODT)…"), "exportCalculationsOdt");
    add(exportOfferPdfAction, QStringLiteral("Коммерческое предложение (PDF)…"), "exportOfferPdf");
    add(exportOfferExcelAction, QStringLiteral("Коммерческое предложение (Excel)…"), "exportOfferExcel");
    documents->addSeparator();
    add(rackViewAction, QStringLiteral("Вид шкафа…"), "showRack");
    add(diagramViewAction, QStringLiteral("Блок-схема…"), "showDiagram");
    documents->addSeparator();
    add(compareWithSavedAction, QStringLiteral("Сравнить с сохранённой…"), "compareWithSaved");
    add(compareTwoSavedAction, QStringLiteral("Сравнить две сохранённые…"), "compareTwoSaved");
    add(recheckSavedAction, QStringLiteral("Проверить сохранённые…"), "recheckSaved");
    // Saved reports can be compared and checked without a calculation of this session.
    compareTwoSavedAction->setEnabled(true);
    recheckSavedAction->setEnabled(true);

    QMenu *project = bar->addMenu(QStringLiteral("Проект"));
    project->setObjectName(QStringLiteral("projectMenu"));
    project->menuAction()->setObjectName(QStringLiteral("projectMenu"));
    project->setAccessibleName(project->title());
    projectCardAction = project->addAction(QStringLiteral("Сведения о проекте…"));
    projectCardAction->setObjectName(QStringLiteral("projectCard"));
    loudspeakerLinesAction = project->addAction(QStringLiteral("Линии громкоговорителей…"));
    loudspeakerLinesAction->setObjectName(QStringLiteral("loudspeakerLines"));
    soundLevelAction = project->addAction(QStringLiteral("Расчёт уровня звука…"));
    soundLevelAction->setObjectName(QStringLiteral("soundLevel"));
    project->addSeparator();
    priceListAction = project->addAction(QStringLiteral("Прайс-лист…"));
    priceListAction->setObjectName(QStringLiteral("priceList"));
    offerAction = project->addAction(QStringLiteral("Коммерческое предложение…"));
    offerAction->setObjectName(QStringLiteral("offer"));
}

void MainWindow::buildSourceFrame()
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    Placer window(centralWidget(), twips);
    Frame3 =
        window.frame("Frame3", QStringLiteral("Выберите тип оповещения       Выберите звуковые источники"), 0,
                     0, 12735, 2655);
    Placer frame(Frame3, twips);

    // One row per kind of source, all of the same columns.
    struct Row
    {
        int top;
        QCheckBox *&check;
        const char *checkName;
        const char *checkCaption;
        int checkWidth;
        QLabel *&nameLabel;
        const char *nameLabelName;
        const char *nameCaption;
        int nameWidth;
        int nameHeight;
        QComboBox *&combo;
        const char *comboName;
        PickerId picker;
        QLabel *&countCaption;
        const char *countCaptionName;
        QLabel *&count;
        const char *countName;
        Spinner *&spinner;
        const char *spinnerName;
        CounterId counter;
        QPushButton *&add;
        const char *addName;
    };
    // clang-format off
    const Row rows[] = {
        {360, Check4, "Check4", "Полуавтоматическое", 2895,
         Label5, "Label5", "Микрофоны", 1215, 375,
         CmbMC, "CmbMC", PickerId::CmbMC,
         Label11, "Label11", LblMC, "LblMC", VSMC, "VSMC", CounterId::VSMC, CmdMC, "CmdMC"},
        {960, Check3, "Check3", "Автоматическое", 2295,
         Label6, "Label6", "Блоки осообщений", 2055, 375,
         CmbAL, "CmbAL", PickerId::CmbAL,
         Label1, "Label1", LblAL, "LblAL", VSAL, "VSAL", CounterId::VSAL, CmdAL, "CmdAL"},
        {1560, Check5, "Check5", "Музыкальная трансляция", 3015,
         Label4, "Label4", "Музыкальные источники", 2535, 255,
         CmbMZ, "CmbMZ", PickerId::CmbMZ,
         Label14, "Label14", LblMZ, "LblMZ", VSMZ, "VSMZ", CounterId::VSMZ, CmdMZ, "CmdMZ"},
        {2160, Check6, "Check6", "Удаленное рабочее место", 3015,
         Label7, "Label7", "Микрофонные консоли", 2655, 375,
         CmbRM, "CmbRM", PickerId::CmbRM,
         Label8, "Label8", LblRM, "LblRM", VSRM, "VSRM", CounterId::VSRM, CmdRM, "CmdRM"},
    };
    // clang-format on
    for (const Row &row : rows) {
        row.check = frame.check(row.checkName, QString::fromUtf8(row.checkCaption), 120, row.top,
                                row.checkWidth, 375);
        row.nameLabel = frame.label(row.nameLabelName, QString::fromUtf8(row.nameCaption), 3240, row.top,
                                    row.nameWidth, row.nameHeight);
        row.combo = frame.combo(row.comboName, 5880, row.top, 3375, 315, m_model.picker(row.picker));
        row.countCaption =
            frame.label(row.countCaptionName, QStringLiteral("Кол-во"), 9360, row.top, 855, 255);
        const CounterState &counter = m_model.counter(row.counter);
        row.count = frame.countLabel(row.countName, counter.shown, 10200, row.top, 615, 375);
        row.spinner = frame.spinner(row.spinnerName, row.count, 10800, row.top, counter);
        row.add = frame.button(row.addName, QStringLiteral("Добавить"), 11160, row.top, 1455, 375);
        row.add->setEnabled(false); // until a unit is picked
    }
    for (int top : {840, 1440, 2040})
        frame.separator(top, 240, 12720);
}

void MainWindow::buildParameterFrame()
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    Placer window(centralWidget(), twips);
    Frame1 = window.frame("Frame1", QStringLiteral("Параметры системы"), 2880, 2640, 3495, 1215);
    Placer frame(Frame1, twips);
    Check1 = frame.check("Check1", QStringLiteral("Кол-во зон"), 120, 360, 1815, 255);
    LblZ = frame.countLabel("LblZ", m_model.counter(CounterId::VSKZ).shown, 2400, 240, 615, 375);
    VSKZ = frame.spinner("VSKZ", LblZ, 3000, 240, m_model.counter(CounterId::VSKZ));
    Check2 = frame.check("Check2", QStringLiteral("Кол-во каналов"), 120, 720, 2055, 375);
    LblCh = frame.countLabel("LblCh", m_model.counter(CounterId::VSCH).shown, 2400, 720, 615, 375);
    VSCH = frame.spinner("VSCH", LblCh, 3000, 720, m_model.counter(CounterId::VSCH));
}

void MainWindow::buildLoadFrame()
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    Placer window(centralWidget(), twips);
    Frame2 = window.frame("Frame2", QStringLiteral("Укажите нагрузку в Вт"), 0, 2640, 2775, 5055);
    Placer frame(Frame2, twips);
    // Opt1 and Opt2 are the only option buttons of the frame, so they exclude each other alone.
    Opt1 = frame.option("Opt1", QStringLiteral("Общая мощность, Вт"), 120, 240, 2535, 375);
    TxtP = frame.place(new QLineEdit(Frame2), "TxtP", 120, 600, 975, 285);
    TxtP->setEnabled(false);
    Opt2 = frame.option("Opt2", QStringLiteral("Мощность по зонам"), 120, 960, 2535, 255);
    CmdAdd = frame.button("CmdAdd", QStringLiteral("Добавить"), 120, 1320, 1095, 375);
    CmdAdd->setEnabled(false);
    CmdDl = frame.button("CmdDl", QStringLiteral("Очистить"), 1440, 1320, 1095, 375);
    List2 = frame.list("List2", 120, 1800, 2535, 2580);
    ChkZP = frame.check("ChkZP", QStringLiteral("Запас по мощности %"), 120, 4440, 1695, 495);
    LblZP = frame.countLabel("LblZP", m_model.counter(CounterId::VSZP).shown, 1920, 4560, 495, 375);
    LblZP->setFont(tahoma(11.25, false));
    VSZP = frame.spinner("VSZP", LblZP, 2400, 4560, m_model.counter(CounterId::VSZP));
}

void MainWindow::buildOptionFrame()
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    Placer window(centralWidget(), twips);
    Frame4 = window.frame("Frame4", QStringLiteral("Дополнительно"), 2880, 4920, 3495, 2775);
    Placer frame(Frame4, twips);
    ChkBR = frame.check("ChkBR", QStringLiteral("Резервирование усилителей"), 120, 240, 3255, 375);
    CmbBR = frame.combo("CmbBR", 120, 600, 3135, 315, m_model.picker(PickerId::CmbBR));
    ChkAtt = frame.check("ChkAtt", QStringLiteral("Управление аттенюаторами"), 120, 960, 3255, 375);
    ChkBL = frame.check("ChkBL", QStringLiteral("Наличие вентиляторов"), 120, 1320, 3255, 255);
    ChkPD = frame.check("ChkPD", QStringLiteral("Авт вкл питания"), 120, 1680, 3255, 255);
    ChkRP = frame.check("ChkRP", QStringLiteral("Резервирование питания"), 120, 2040, 3255, 255);
    ChkRU = frame.check("ChkRU", QStringLiteral("Расчет высоты шкафа"), 120, 2280, 3015, 375);
}

void MainWindow::buildLineControlFrame()
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    Placer window(centralWidget(), twips);
    Frame5 = window.frame("Frame5", QStringLiteral("Контроль линий"), 2880, 3840, 3495, 1095);
    Placer frame(Frame5, twips);
    OptR = frame.option("OptR", QStringLiteral("Ручной"), 120, 360, 2295, 255);
    OptA = frame.option("OptA", QStringLiteral("Автоматический"), 120, 720, 2295, 255);
    Option1 = frame.option("Option1", QStringLiteral("Нет"), 2400, 360, 735, 375);
    Option1->setChecked(true);
}

void MainWindow::buildListsAndCommands()
{
    const Twips twips(logicalDpiX(), logicalDpiY());
    Placer window(centralWidget(), twips);
    Label13 = window.label("Label13", QStringLiteral("Список выбранных звуковых источников"), 6480, 2760,
                           4935, 255);
    paintHighlighted(Label13);
    List1 = window.list("List1", 6480, 3000, 6255, 900);
    CmdUs = window.button("CmdUs", QStringLiteral("Составить спецификацию"), 6480, 3960, 2175, 735);
    Command2 = window.button("Command2", QStringLiteral("Очистить"), 8760, 3960, 1935, 735);
    Command3 = window.button("Command3", QStringLiteral("Завершить  работу"), 10800, 3960, 1935, 735);
    Label9 =
        window.label("Label9", QStringLiteral("Список предлагаемого оборудования"), 6480, 4680, 4815, 255);
    paintHighlighted(Label9);
    List3 = window.list("List3", 6480, 5040, 6255, 2580);
}

// What assistive technology reads for each control, where its caption alone does not say what it sets
// (or there is no caption): a counter or a text field would otherwise read as its frame's caption,
// a list or a picker's edit field and drop-down list as nothing, and four buttons alike as
// "Добавить". The pickers have made their drop-down lists by now, so naming them costs nothing.
void MainWindow::nameControls()
{
    const std::pair<QWidget *, const char *> names[] = {
        {Check4, "Полуавтоматическое оповещение"},
        {Check3, "Автоматическое оповещение"},
        {CmbMC, "Микрофон"},
        {CmbMC->lineEdit(), "Название микрофона"},
        {CmbMC->view(), "Список микрофонов"},
        {CmbAL, "Блок сообщений"},
        {CmbAL->lineEdit(), "Название блока сообщений"},
        {CmbAL->view(), "Список блоков сообщений"},
        {CmbMZ, "Музыкальный источник"},
        {CmbMZ->lineEdit(), "Название музыкального источника"},
        {CmbMZ->view(), "Список музыкальных источников"},
        {CmbRM, "Микрофонная консоль"},
        {CmbRM->lineEdit(), "Название микрофонной консоли"},
        {CmbRM->view(), "Список микрофонных консолей"},
        {VSMC, "Количество микрофонов"},
        {VSAL, "Количество блоков сообщений"},
        {VSMZ, "Количество музыкальных источников"},
        {VSRM, "Количество микрофонных консолей"},
        {CmdMC, "Добавить микрофоны"},
        {CmdAL, "Добавить блок сообщений"},
        {CmdMZ, "Добавить музыкальные источники"},
        {CmdRM, "Добавить микрофонные консоли"},
        {Check1, "Многозонная система"},
        {VSKZ, "Количество зон"},
        {Check2, "Многоканальная система"},
        {VSCH, "Количество каналов"},
        {TxtP, "Общая мощность нагрузки, Вт"},
        {CmdAdd, "Добавить мощность зоны"},
        {CmdDl, "Очистить раскладку по зонам"},
        {List2, "Раскладка по зонам"},
        {ChkZP, "Запас по мощности"},
        {VSZP, "Запас по мощности, %"},
        {CmbBR, "Блок резерва усилителей"},
        {CmbBR->lineEdit(), "Название блока резерва усилителей"},
        {CmbBR->view(), "Список блоков резерва усилителей"},
        {ChkPD, "Автоматическое включение питания"},
        {OptR, "Ручной контроль линий"},
        {OptA, "Автоматический контроль линий"},
        {Option1, "Без контроля линий"},
        {List1, "Список выбранных звуковых источников"},
        {Command2, "Очистить списки источников и оборудования"},
        {Command3, "Завершить работу"},
        {List3, "Список предлагаемого оборудования"},
        {menuBar(), "Главное меню"},
    };
    for (const auto &[control, name] : names)
        control->setAccessibleName(QString::fromUtf8(name));
}

void MainWindow::setFocusOrder()
{
    QWidget *const order[] = {Check1, Check2, VSKZ,     VSCH,     CmdAdd, TxtP,   Opt2,   Opt1,  Check3,
                              Check5, Check6, VSRM,     VSMC,     CmbMC,  Check4, CmbMZ,  CmbAL, VSAL,
                              List1,  VSMZ,   CmbRM,    List2,    CmdMC,  CmdAL,  CmdMZ,  CmdRM, ChkAtt,
                              ChkRP,  CmdDl,  Command3, Command2, ChkBR,  CmbBR,  List3,  CmdUs, OptR,
                              OptA,   ChkRU,  ChkPD,    ChkBL,    VSZP,   ChkZP,  Option1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

} // namespace orvika
