#include "started_window.h"
#include "ui/spinner.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>

namespace orvika::test::startup {
namespace {

// Where a control stands, in twips, and in which container.
struct Placement
{
    const char *name;
    const char *container; // "" for the window itself
    const char *caption;   // nullptr for controls without one
    int left, top, width, height;
};

const Placement placements[] = {
    {"Frame3", "", "Выберите тип оповещения       Выберите звуковые источники", 0, 0, 12735, 2655},
    {"Check4", "Frame3", "Полуавтоматическое", 120, 360, 2895, 375},
    {"Label5", "Frame3", "Микрофоны", 3240, 360, 1215, 375},
    {"CmbMC", "Frame3", nullptr, 5880, 360, 3375, 315},
    {"Label11", "Frame3", "Кол-во", 9360, 360, 855, 255},
    {"LblMC", "Frame3", "1", 10200, 360, 615, 375},
    {"VSMC", "Frame3", nullptr, 10800, 360, 255, 375},
    {"CmdMC", "Frame3", "Добавить", 11160, 360, 1455, 375},
    {"Check3", "Frame3", "Автоматическое", 120, 960, 2295, 375},
    {"Label6", "Frame3", "Блоки осообщений", 3240, 960, 2055, 375},
    {"CmbAL", "Frame3", nullptr, 5880, 960, 3375, 315},
    {"Label1", "Frame3", "Кол-во", 9360, 960, 855, 255},
    {"LblAL", "Frame3", "1", 10200, 960, 615, 375},
    {"VSAL", "Frame3", nullptr, 10800, 960, 255, 375},
    {"CmdAL", "Frame3", "Добавить", 11160, 960, 1455, 375},
    {"Check5", "Frame3", "Музыкальная трансляция", 120, 1560, 3015, 375},
    {"Label4", "Frame3", "Музыкальные источники", 3240, 1560, 2535, 255},
    {"CmbMZ", "Frame3", nullptr, 5880, 1560, 3375, 315},
    {"Label14", "Frame3", "Кол-во", 9360, 1560, 855, 255},
    {"LblMZ", "Frame3", "1", 10200, 1560, 615, 375},
    {"VSMZ", "Frame3", nullptr, 10800, 1560, 255, 375},
    {"CmdMZ", "Frame3", "Добавить", 11160, 1560, 1455, 375},
    {"Check6", "Frame3", "Удаленное рабочее место", 120, 2160, 3015, 375},
    {"Label7", "Frame3", "Микрофонные консоли", 3240, 2160, 2655, 375},
    {"CmbRM", "Frame3", nullptr, 5880, 2160, 3375, 315},
    {"Label8", "Frame3", "Кол-во", 9360, 2160, 855, 255},
    {"LblRM", "Frame3", "1", 10200, 2160, 615, 375},
    {"VSRM", "Frame3", nullptr, 10800, 2160, 255, 375},
    {"CmdRM", "Frame3", "Добавить", 11160, 2160, 1455, 375},

    {"Frame1", "", "Параметры системы", 2880, 2640, 3495, 1215},
    {"Check1", "Frame1", "Кол-во зон", 120, 360, 1815, 255},
    {"LblZ", "Frame1", "2", 2400, 240, 615, 375},
    {"VSKZ", "Frame1", nullptr, 3000, 240, 255, 375},
    {"Check2", "Frame1", "Кол-во каналов", 120, 720, 2055, 375},
    {"LblCh", "Frame1", "2", 2400, 720, 615, 375},
    {"VSCH", "Frame1", nullptr, 3000, 720, 255, 375},

    {"Frame2", "", "Укажите нагрузку в Вт", 0, 2640, 2775, 5055},
    {"Opt1", "Frame2", "Общая мощность, Вт", 120, 240, 2535, 375},
    {"TxtP", "Frame2", "", 120, 600, 975, 285},
    {"Opt2", "Frame2", "Мощность по зонам", 120, 960, 2535, 255},
    {"CmdAdd", "Frame2", "Добавить", 120, 1320, 1095, 375},
    {"CmdDl", "Frame2", "Очистить", 1440, 1320, 1095, 375},
    {"List2", "Frame2", nullptr, 120, 1800, 2535, 2580},
    {"ChkZP", "Frame2", "Запас по мощности %", 120, 4440, 1695, 495},
    {"LblZP", "Frame2", "20", 1920, 4560, 495, 375},
    {"VSZP", "Frame2", nullptr, 2400, 4560, 255, 375},

    {"Frame4", "", "Дополнительно", 2880, 4920, 3495, 2775},
    {"ChkBR", "Frame4", "Резервирование усилителей", 120, 240, 3255, 375},
    {"CmbBR", "Frame4", nullptr, 120, 600, 3135, 315},
    {"ChkAtt", "Frame4", "Управление аттенюаторами", 120, 960, 3255, 375},
    {"ChkBL", "Frame4", "Наличие вентиляторов", 120, 1320, 3255, 255},
    {"ChkPD", "Frame4", "Авт вкл питания", 120, 1680, 3255, 255},
    {"ChkRP", "Frame4", "Резервирование питания", 120, 2040, 3255, 255},
    {"ChkRU", "Frame4", "Расчет высоты шкафа", 120, 2280, 3015, 375},

    {"Frame5", "", "Контроль линий", 2880, 3840, 3495, 1095},
    {"OptR", "Frame5", "Ручной", 120, 360, 2295, 255},
    {"OptA", "Frame5", "Автоматический", 120, 720, 2295, 255},
    {"Option1", "Frame5", "Нет", 2400, 360, 735, 375},

    {"Label13", "", "Список выбранных звуковых источников", 6480, 2760, 4935, 255},
    {"List1", "", nullptr, 6480, 3000, 6255, 900},
    {"CmdUs", "", "Составить спецификацию", 6480, 3960, 2175, 735},
    {"Command2", "", "Очистить", 8760, 3960, 1935, 735},
    {"Command3", "", "Завершить  работу", 10800, 3960, 1935, 735},
    {"Label9", "", "Список предлагаемого оборудования", 6480, 4680, 4815, 255},
    {"List3", "", nullptr, 6480, 5040, 6255, 2580},
};

QString captionOf(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    return {};
}

class Layout : public StartedWindow, public ::testing::WithParamInterface<Placement>
{
protected:
    void SetUp() override { start(Base::Complete); }

    QWidget *control(const char *name) const
    {
        return window->centralWidget()->findChild<QWidget *>(QLatin1String(name));
    }
};

TEST_P(Layout, ControlStandsWhereDesignedWithItsCaption)
{
    const Placement &p = GetParam();
    QWidget *widget = control(p.name);
    ASSERT_TRUE(widget) << p.name;
    const QString container = QString::fromUtf8(p.container);
    EXPECT_EQ(widget->parentWidget(), container.isEmpty() ? window->centralWidget() : control(p.container));
    if (p.caption) {
        EXPECT_EQ(captionOf(widget), QString::fromUtf8(p.caption));
    }

    const Twips twips(window->logicalDpiX(), window->logicalDpiY());
    const QRect designed = twips.rect(p.left, p.top, p.width, p.height);
    EXPECT_EQ(widget->pos(), designed.topLeft());
    EXPECT_EQ(widget->size(), designed.size());
    // A caption too wide for its place is condensed, never set smaller or larger.
    EXPECT_LE(widget->font().stretch() == QFont::AnyStretch ? 100 : widget->font().stretch(), 100);
}

// Single-line captions fit their controls; the two-line ones break between words and fit as well.
TEST_P(Layout, CaptionIsNotCut)
{
    const Placement &p = GetParam();
    QWidget *widget = control(p.name);
    ASSERT_TRUE(widget);
    const QString caption = captionOf(widget);
    if (caption.isEmpty() || qobject_cast<QGroupBox *>(widget) || qobject_cast<QLineEdit *>(widget))
        return;
    const QFontMetrics metrics(widget->font());
    const bool twoLines = widget->height() >= 2 * metrics.lineSpacing();
    if (!twoLines) {
        if (qobject_cast<QPushButton *>(widget)) {
            EXPECT_LT(metrics.horizontalAdvance(caption), widget->width()) << p.name;
        } else {
            EXPECT_LE(widget->sizeHint().width(), widget->width()) << p.name;
        }
        return;
    }
    int textWidth = widget->width() - 8;
    if (qobject_cast<QCheckBox *>(widget))
        textWidth = widget->width() - widget->style()->pixelMetric(QStyle::PM_IndicatorWidth) -
                    widget->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    const QRect needed = metrics.boundingRect(QRect(0, 0, textWidth, 1000), Qt::TextWordWrap, caption);
    EXPECT_LE(needed.width(), textWidth) << p.name;
    EXPECT_LE(needed.height(), widget->height()) << p.name;
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Layout, ::testing::ValuesIn(placements),
                         [](const auto &info) { return std::string(info.param.name); });

class MainWindowDesign : public StartedWindow
{
protected:
    void SetUp() override { start(Base::Complete); }
};

TEST_F(MainWindowDesign, TitleClientAreaAndMenuBar)
{
    EXPECT_EQ(window->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Автоматическое составление спецификации на базе оборудования ORVIKA"));
    const Twips twips(window->logicalDpiX(), window->logicalDpiY());
    const QSize client(twips.x(12810), twips.y(7755));
    EXPECT_EQ(window->centralWidget()->size(), client);
    EXPECT_EQ(window->size(), QSize(client.width(), client.height() + window->menuBar()->height()));
}

TEST_F(MainWindowDesign, MenuHoldsItsItemsInOrder)
{
    const QList<QAction *> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 3); // "Меню", the documents, the project
    EXPECT_EQ(bar[0]->text(), QStringLiteral("Меню"));
    ASSERT_TRUE(bar[0]->menu());
    EXPECT_EQ(bar[0]->menu()->objectName(), QStringLiteral("fMen"));

    const QList<QAction *> items = bar[0]->menu()->actions();
    const QStringList names = {"Mnuskak", "M_z_spec", "Minf", "", "fEx"};
    const QStringList captions = {"Сохранить как", "Загрузить спецификацию", "Информация", "", "Exit"};
    ASSERT_EQ(items.size(), names.size());
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->isSeparator(), names[i].isEmpty()) << i;
        if (!items[i]->isSeparator()) {
            EXPECT_EQ(items[i]->objectName(), names[i]);
            EXPECT_EQ(items[i]->text(), captions[i]);
        }
    }
    EXPECT_EQ(items[0], window->Mnuskak);
    EXPECT_EQ(items[1], window->M_z_spec);
    EXPECT_EQ(items[2], window->Minf);
    EXPECT_EQ(items[4], window->fEx);

    EXPECT_EQ(bar[1]->text(), QStringLiteral("Документ"));
    ASSERT_TRUE(bar[1]->menu());
    const QList<QAction *> documents = bar[1]->menu()->actions();
    const QList<QAction *> expected = {window->printDocumentAction,
                                       nullptr,
                                       window->exportPdfAction,
                                       window->exportCsvAction,
                                       window->exportExcelAction,
                                       nullptr,
                                       window->exportGostPdfAction,
                                       window->exportGostExcelAction,
                                       window->exportSchemePdfAction,
                                       window->exportCalculationsPdfAction,
                                       window->exportCalculationsOdtAction,
                                       window->exportOfferPdfAction,
                                       window->exportOfferExcelAction,
                                       nullptr,
                                       window->rackViewAction,
                                       window->diagramViewAction,
                                       nullptr,
                                       window->compareWithSavedAction,
                                       window->compareTwoSavedAction,
                                       window->recheckSavedAction};
    const QStringList documentCaptions = {"Печать…",
                                          "",
                                          "Экспорт в PDF…",
                                          "Экспорт в CSV…",
                                          "Экспорт в Excel…",
                                          "",
                                          "Спецификация по ГОСТ 21.110 (PDF)…",
                                          "Спецификация по ГОСТ 21.110 (Excel)…",
                                          "Схема структурная (PDF)…",
                                          "Расчёты (PDF)…",
                                          "Расчёты (ODT)…",
                                          "Коммерческое предложение (PDF)…",
                                          "Коммерческое предложение (Excel)…",
                                          "",
                                          "Вид шкафа…",
                                          "Блок-схема…",
                                          "",
                                          "Сравнить с сохранённой…",
                                          "Сравнить две сохранённые…",
                                          "Проверить сохранённые…"};
    ASSERT_EQ(documents.size(), expected.size());
    for (int i = 0; i < documents.size(); ++i) {
        EXPECT_EQ(documents[i]->isSeparator(), expected[i] == nullptr) << i;
        if (expected[i]) {
            EXPECT_EQ(documents[i], expected[i]);
            EXPECT_EQ(documents[i]->text(), documentCaptions[i]);
            // Saved reports can be compared and checked at any time; the rest needs a calculation.
            const bool always =
                expected[i] == window->compareTwoSavedAction || expected[i] == window->recheckSavedAction;
            EXPECT_EQ(documents[i]->isEnabled(), always) << i;
        }
    }

    EXPECT_EQ(bar[2]->text(), QStringLiteral("Проект"));
    ASSERT_TRUE(bar[2]->menu());
    const QList<QAction *> project = bar[2]->menu()->actions();
    ASSERT_EQ(project.size(), 6);
    EXPECT_EQ(project.mid(0, 3), (QList<QAction *>{window->projectCardAction, window->loudspeakerLinesAction,
                                                   window->soundLevelAction}));
    EXPECT_TRUE(project[3]->isSeparator());
    EXPECT_EQ(project.mid(4), (QList<QAction *>{window->priceListAction, window->offerAction}));
    EXPECT_EQ(window->projectCardAction->text(), QStringLiteral("Сведения о проекте…"));
    EXPECT_TRUE(window->projectCardAction->isEnabled());
    EXPECT_EQ(window->loudspeakerLinesAction->text(), QStringLiteral("Линии громкоговорителей…"));
    EXPECT_EQ(window->loudspeakerLinesAction->objectName(), QStringLiteral("loudspeakerLines"));
    EXPECT_TRUE(window->loudspeakerLinesAction->isEnabled());
    EXPECT_EQ(window->soundLevelAction->text(), QStringLiteral("Расчёт уровня звука…"));
    EXPECT_EQ(window->soundLevelAction->objectName(), QStringLiteral("soundLevel"));
    EXPECT_TRUE(window->soundLevelAction->isEnabled());
    // The price list and the offer's window open at any time; the window says what it lacks.
    EXPECT_EQ(window->priceListAction->text(), QStringLiteral("Прайс-лист…"));
    EXPECT_EQ(window->priceListAction->objectName(), QStringLiteral("priceList"));
    EXPECT_TRUE(window->priceListAction->isEnabled());
    EXPECT_EQ(window->offerAction->text(), QStringLiteral("Коммерческое предложение…"));
    EXPECT_EQ(window->offerAction->objectName(), QStringLiteral("offer"));
    EXPECT_TRUE(window->offerAction->isEnabled());
}

TEST_F(MainWindowDesign, MembersAreTheNamedControls)
{
    const std::pair<QWidget *, const char *> members[] = {
        {window->Check1, "Check1"}, {window->VSKZ, "VSKZ"},   {window->LblZ, "LblZ"},
        {window->TxtP, "TxtP"},     {window->List3, "List3"}, {window->Frame2, "Frame2"},
        {window->Label1, "Label1"}, {window->CmbBR, "CmbBR"}, {window->Option1, "Option1"},
        {window->VSZP, "VSZP"},     {window->CmdUs, "CmdUs"}, {window->Label13, "Label13"},
    };
    for (const auto &[member, name] : members) {
        ASSERT_TRUE(member) << name;
        EXPECT_EQ(member->objectName(), QLatin1String(name));
    }
}

TEST_F(MainWindowDesign, ControlsStartEnabledOrDisabledAsDesigned)
{
    const std::pair<QWidget *, bool> controls[] = {
        {window->Check4, true},   {window->Check3, true},   {window->Check5, true}, {window->Check6, true},
        {window->CmbMC, false},   {window->CmbAL, false},   {window->CmbMZ, false}, {window->CmbRM, false},
        {window->VSMC, false},    {window->VSAL, false},    {window->VSMZ, false},  {window->VSRM, false},
        {window->CmdMC, false},   {window->CmdAL, false},   {window->CmdMZ, false}, {window->CmdRM, false},
        {window->Check1, true},   {window->Check2, true},   {window->VSKZ, false},  {window->VSCH, false},
        {window->Opt1, true},     {window->Opt2, true},     {window->TxtP, false},  {window->CmdAdd, false},
        {window->CmdDl, true},    {window->List2, true},    {window->ChkZP, true},  {window->VSZP, false},
        {window->ChkBR, true},    {window->CmbBR, false},   {window->ChkAtt, true}, {window->ChkBL, true},
        {window->ChkPD, true},    {window->ChkRP, true},    {window->ChkRU, true},  {window->OptR, true},
        {window->OptA, true},     {window->Option1, true},  {window->List1, true},  {window->CmdUs, true},
        {window->Command2, true}, {window->Command3, true}, {window->List3, true},
    };
    for (const auto &[control, enabled] : controls)
        EXPECT_EQ(control->isEnabled(), enabled) << control->objectName().toStdString();
}

TEST_F(MainWindowDesign, NothingIsTickedOrSelectedButNet)
{
    for (QCheckBox *box : window->centralWidget()->findChildren<QCheckBox *>())
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_FALSE(window->Opt1->isChecked());
    EXPECT_FALSE(window->Opt2->isChecked());
    EXPECT_FALSE(window->OptR->isChecked());
    EXPECT_FALSE(window->OptA->isChecked());
    EXPECT_TRUE(window->Option1->isChecked());
    EXPECT_TRUE(window->TxtP->text().isEmpty());
    EXPECT_EQ(window->List1->count(), 0);
    EXPECT_EQ(window->List2->count(), 0);
    EXPECT_EQ(window->List3->count(), 0);
}

struct SpinnerDesign
{
    const char *spinner;
    const char *label;
    int minimum, maximum, value, step;
    const char *shown;
};

class SpinnerStart : public MainWindowDesign, public ::testing::WithParamInterface<SpinnerDesign>
{
};

TEST_P(SpinnerStart, RangeValueStepAndFigure)
{
    const SpinnerDesign &d = GetParam();
    auto *spinner = window->centralWidget()->findChild<Spinner *>(QLatin1String(d.spinner));
    auto *label = window->centralWidget()->findChild<QLabel *>(QLatin1String(d.label));
    ASSERT_TRUE(spinner && label);
    EXPECT_EQ(spinner->orientation(), Qt::Vertical);
    EXPECT_EQ(spinner->minimum(), d.minimum);
    EXPECT_EQ(spinner->maximum(), d.maximum);
    EXPECT_EQ(spinner->value(), d.value);
    EXPECT_EQ(spinner->singleStep(), d.step);
    EXPECT_FALSE(spinner->isEnabled());
    EXPECT_EQ(label->text(), QLatin1String(d.shown));
}

const SpinnerDesign spinners[] = {
    {"VSMC", "LblMC", 1, 50, 1, 1, "1"},   {"VSAL", "LblAL", 1, 1, 1, 1, "1"},
    {"VSMZ", "LblMZ", 1, 70, 1, 1, "1"},   {"VSRM", "LblRM", 1, 16, 1, 1, "1"},
    {"VSKZ", "LblZ", 2, 160, 2, 1, "2"},   {"VSCH", "LblCh", 2, 8, 2, 1, "2"},
    {"VSZP", "LblZP", 5, 25, 20, 5, "20"},
};
INSTANTIATE_TEST_SUITE_P(MainWindow, SpinnerStart, ::testing::ValuesIn(spinners),
                         [](const auto &info) { return std::string(info.param.spinner); });

struct FontDesign
{
    const char *name;
    qreal pointSize;
    bool bold;
};

class ControlFont : public MainWindowDesign, public ::testing::WithParamInterface<FontDesign>
{
};

TEST_P(ControlFont, IsTahomaOfItsSize)
{
    const FontDesign &d = GetParam();
    QWidget *widget = window->centralWidget()->findChild<QWidget *>(QLatin1String(d.name));
    ASSERT_TRUE(widget);
    EXPECT_EQ(widget->font().family(), QStringLiteral("Tahoma"));
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), d.pointSize);
    EXPECT_EQ(widget->font().bold(), d.bold);
}

const FontDesign fonts[] = {
    {"Check4", 9.75, true}, {"Label5", 9.75, true},  {"CmdMC", 9.75, true},  {"LblMC", 9.75, true},
    {"TxtP", 9.75, true},   {"Opt1", 9.75, true},    {"Frame2", 9.75, true}, {"Command3", 9.75, true},
    {"List1", 9, false},    {"List2", 9, false},     {"List3", 9, false},    {"CmbMC", 8.25, false},
    {"CmbBR", 8.25, false}, {"LblZP", 11.25, false},
};
INSTANTIATE_TEST_SUITE_P(MainWindow, ControlFont, ::testing::ValuesIn(fonts),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowDesign, FrameCaptionsAndListHeadingsInTheHighlightColour)
{
    const QColor highlight = window->palette().color(QPalette::Highlight);
    EXPECT_EQ(window->Label9->palette().color(QPalette::WindowText), highlight);
    EXPECT_EQ(window->Label13->palette().color(QPalette::WindowText), highlight);
    EXPECT_NE(window->Label5->palette().color(QPalette::WindowText), highlight);
    for (QGroupBox *frame :
         {window->Frame1, window->Frame2, window->Frame3, window->Frame4, window->Frame5}) {
        const QImage image =
            frame->grab(QRect(0, 0, frame->width(), frame->fontMetrics().height())).toImage();
        int highlighted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                highlighted += QColor(image.pixel(x, y)) == highlight ? 1 : 0;
        EXPECT_GT(highlighted, 10) << frame->objectName().toStdString();
    }
}

TEST_F(MainWindowDesign, SeparatorLinesCrossTheSourceFrame)
{
    const Twips twips(window->logicalDpiX(), window->logicalDpiY());
    QList<int> rows;
    for (QFrame *line : window->Frame3->findChildren<QFrame *>(Qt::FindDirectChildrenOnly)) {
        if (line->frameShape() != QFrame::HLine)
            continue;
        rows.append(line->geometry().center().y());
        EXPECT_EQ(line->x(), twips.x(240));
        EXPECT_EQ(line->geometry().right() + 1, twips.x(12720));
    }
    std::sort(rows.begin(), rows.end());
    ASSERT_EQ(rows.size(), 3);
    const int designed[] = {twips.y(840), twips.y(1440), twips.y(2040)};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(rows[i], designed[i], 1);
}

struct PickerDesign
{
    const char *name;
    const QStringList *items;
    const char *prompt;
};

class PickerStart : public MainWindowDesign, public ::testing::WithParamInterface<PickerDesign>
{
};

TEST_P(PickerStart, ListsTheCatalogueInFileOrderUnderItsPrompt)
{
    const PickerDesign &d = GetParam();
    auto *combo = window->centralWidget()->findChild<QComboBox *>(QLatin1String(d.name));
    ASSERT_TRUE(combo);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    EXPECT_EQ(items, *d.items);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), QString::fromUtf8(d.prompt));
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
}

const PickerDesign pickers[] = {
    {"CmbMC", &Microphones, "Выберите микрофон"},  {"CmbAL", &AlarmBlocks, "Выберите блок"},
    {"CmbMZ", &MusicSources, "Выберите источник"}, {"CmbRM", &Consoles, "Выберите консоль"},
    {"CmbBR", &ReserveUnits, "Выберите блок"},
};
INSTANTIATE_TEST_SUITE_P(MainWindow, PickerStart, ::testing::ValuesIn(pickers),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MainWindowDesign, EnterInAPickerAddsNoItem)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->CmbBR->setEnabled(true);
    window->CmbBR->setFocus();
    window->CmbBR->lineEdit()->selectAll();
    QTest::keyClicks(window->CmbBR, QStringLiteral("K-99 New unit"));
    QTest::keyClick(window->CmbBR, Qt::Key_Return);
    EXPECT_EQ(window->CmbBR->count(), ReserveUnits.size());
    EXPECT_EQ(window->CmbBR->findText(QStringLiteral("K-99 New unit")), -1);
}

// A click on the box itself, left of the caption.
void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

TEST_F(MainWindowDesign, OptionButtonsExcludeEachOtherOnlyWithinTheirFrame)
{
    click(window->Opt1);
    EXPECT_TRUE(window->Opt1->isChecked());
    EXPECT_TRUE(window->Option1->isChecked());
    click(window->Opt2);
    EXPECT_TRUE(window->Opt2->isChecked());
    EXPECT_FALSE(window->Opt1->isChecked());
    click(window->ChkZP);
    EXPECT_TRUE(window->ChkZP->isChecked());
    EXPECT_TRUE(window->Opt2->isChecked());

    click(window->OptR);
    EXPECT_TRUE(window->OptR->isChecked());
    EXPECT_FALSE(window->Option1->isChecked());
    EXPECT_TRUE(window->Opt2->isChecked());
    click(window->Option1);
    EXPECT_TRUE(window->Option1->isChecked());
    EXPECT_FALSE(window->OptR->isChecked());
}

// The focus chain visits the controls in the designed order.
TEST_F(MainWindowDesign, FocusChainFollowsTheDesignedOrder)
{
    const QList<QWidget *> designed = {
        window->Check1,   window->Check2, window->VSKZ,   window->VSCH,   window->CmdAdd, window->TxtP,
        window->Opt2,     window->Opt1,   window->Check3, window->Check5, window->Check6, window->VSRM,
        window->VSMC,     window->CmbMC,  window->Check4, window->CmbMZ,  window->CmbAL,  window->VSAL,
        window->List1,    window->VSMZ,   window->CmbRM,  window->List2,  window->CmdMC,  window->CmdAL,
        window->CmdMZ,    window->CmdRM,  window->ChkAtt, window->ChkRP,  window->CmdDl,  window->Command3,
        window->Command2, window->ChkBR,  window->CmbBR,  window->List3,  window->CmdUs,  window->OptR,
        window->OptA,     window->ChkRU,  window->ChkPD,  window->ChkBL,  window->VSZP,   window->ChkZP,
        window->Option1};
    QList<QWidget *> visited;
    QWidget *widget = window->Check1;
    do {
        if (designed.contains(widget) && !visited.contains(widget))
            visited.append(widget);
        widget = widget->nextInFocusChain();
    } while (widget != window->Check1);
    EXPECT_EQ(visited, designed);
    for (QWidget *control : designed)
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << control->objectName().toStdString();
}

TEST_F(MainWindowDesign, TabSkipsTheDisabledControls)
{
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->Check1->setFocus();
    QStringList visited = {window->Check1->objectName()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    // VSKZ, VSCH, CmdAdd and TxtP are disabled at start; Opt2 and Opt1 form one group, which Tab
    // enters and leaves as a whole.
    EXPECT_EQ(visited, (QStringList{"Check1", "Check2", "Opt2", "Check3"}));
}

} // namespace
} // namespace orvika::test::startup
