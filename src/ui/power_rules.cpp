#include "calc/proposal.h"
#include "catalogue/numbers.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

// Frame2: the load in watts, as one total in TxtP or as a list of zone powers in List2; and the two
// clearing buttons.
namespace orvika {
namespace {

// TxtP takes digits and backspace from the keyboard. Keys that type nothing (arrows, Delete, Home)
// and focus moves pass; every other typed character is dropped, so is a shortcut's control character.
class DigitKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
        }
        const QString text = key->text();
        for (const QChar c : text) {
            if (!(c >= u'0' && c <= u'9') && c != QChar(8))
                return true;
        }
        return false;
    }
};

const QString ZoneDialogTitle = QStringLiteral("Раскладка по мощности");
constexpr double ZonePowerLimit = 1500;

} // namespace

void MainWindow::connectPowerRules()
{
    // Either option leaves the other input as it is; the total-power step reads only the selected one.
    connect(Opt1, &QRadioButton::toggled, this, [this](bool selected) {
        if (!selected)
            return;
        TxtP->setEnabled(true);
        TxtP->clear();
        CmdAdd->setEnabled(false);
        CmdDl->setEnabled(false);
        ОчистСпиУс();
    });
    connect(Opt2, &QRadioButton::toggled, this, [this](bool selected) {
        if (!selected)
            return;
        TxtP->setEnabled(false);
        CmdAdd->setEnabled(true);
        ОчистСпиУс();
    });

    TxtP->installEventFilter(new DigitKeyFilter(TxtP));

    connect(CmdAdd, &QPushButton::clicked, this, &MainWindow::addZone);
    connect(CmdDl, &QPushButton::clicked, this, &MainWindow::clearZones);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::clearSources);
}

void MainWindow::addZone()
{
    if (Check1->checkState() != Qt::Checked) {
        m_dialogs.message(this,
                          QStringLiteral("Выберите многозонную систему и установите нужное количество зон"));
        return;
    }
    if (m_state.zoneListCount >= m_state.zoneCount) {
        m_dialogs.message(this, QStringLiteral("Общеее количество зон - ") + LblZ->text());
        return;
    }
    // The prompt names 1000 W; the limit applied is 1500 W.
    const QString prompt = QStringLiteral("Введите мощность зоны ") +
                           QString::number(m_state.zoneListCount + 1) + MessageLineBreak +
                           QStringLiteral("Мощность зоны не должна превышать 1000Вт.");
    const QString answer =
        m_dialogs.input(this, ZoneDialogTitle, prompt, QString(), frameGeometry().topLeft());

    // The answer must be a number in the user's notation; its value is what the calculation will read
    // from the line later, the number at its start with a period as the decimal point.
    const double power = leadingNumber(answer);
    if (!localeNumber(answer, QLocale()) || !(power > 0)) {
        m_dialogs.message(this, QStringLiteral("Ведите (цифровое)значение можности в ваттах"));
        return;
    }
    if (power > ZonePowerLimit) {
        m_dialogs.message(this, QStringLiteral("Мощность зоны не должна превышать ") +
                                    QString::number(ZonePowerLimit) + QStringLiteral(" Вт"));
        return;
    }
    ++m_state.zoneListCount;
    List2->addItem(QStringLiteral("Зона ") + QString::number(m_state.zoneListCount) + QStringLiteral(" - ") +
                   answer + QStringLiteral(" Вт"));
    CmdDl->setEnabled(true);
}

void MainWindow::clearZones()
{
    List2->clear();
    m_state.zoneListCount = 0;
}

// The zone list, TxtP and the requirements stay: only the sources and the proposal go.
void MainWindow::clearSources()
{
    ОчистСпиУс();
    ОчистСпиВх();
    List3->clear();
}

} // namespace orvika
