#include "document_window.h"
#include "project/project_card_file.h"
#include "ui/project_card_dialog.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QSpinBox>
#include <QTimer>

// "Проект" → "Сведения о проекте…": the card filled in, kept with the report and used by the
// specification in form 1.
namespace orvika::test::documents {
namespace {

class ProjectCardWindow : public OpenWindowTest
{
protected:
    // Opens the card from the menu and, once it shows, lets fill act on it before OK is pressed.
    void fillCard(const std::function<void(ProjectCardDialog &)> &fill)
    {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<ProjectCardDialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            fill(*dialog);
            dialog->accept();
            if (QApplication::activeModalWidget() == dialog)
                dialog->reject(); // refused: the test has said what it expected
        });
        m().projectCardAction->trigger();
    }

    static void type(ProjectCardDialog &dialog, const char *field, const QString &text)
    {
        auto *edit = dialog.findChild<QLineEdit *>(QLatin1String(field));
        ASSERT_TRUE(edit) << field;
        edit->setText(text);
    }
};

TEST_F(ProjectCardWindow, TheCardFilledInGoesBesideTheReportAndIntoTheSpecification)
{
    fillCard([](ProjectCardDialog &dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("supplierEdit"))->text(), u"ORVIKA");
        EXPECT_EQ(dialog.findChild<QComboBox *>(QStringLiteral("stageBox"))->currentText(), u"Р");
        // Each field reads as its label, to the eye and to a screen reader.
        for (const auto &[field, label] : {std::pair{"objectEdit", "Объект"}, std::pair{"dateEdit", "Дата"},
                                           std::pair{"normControlEdit", "Н. контр."}}) {
            QWidget *edit = dialog.findChild<QWidget *>(QLatin1String(field));
            ASSERT_TRUE(edit) << field;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name),
                      QString::fromUtf8(label));
        }
        type(dialog, "objectEdit", QStringLiteral("Школа № 5"));
        type(dialog, "designationEdit", QStringLiteral("05-26-СОУЭ.С"));
        type(dialog, "developerEdit", QStringLiteral("Иванов"));
        type(dialog, "dateEdit", QStringLiteral("07.12.2026"));
        dialog.findChild<QSpinBox *>(QStringLiteral("revisionBox"))->setValue(1);
    });
    EXPECT_EQ(m().model().projectCard().object, u"Школа № 5");
    EXPECT_EQ(m().model().projectCard().date, QDate(2026, 12, 7));

    stateSmallInstallation(m());
    QTest::mouseClick(m().CmdUs, Qt::LeftButton);
    const ProjectCardRead beside = readProjectCard(dir.filePath(QStringLiteral("Спецификация.json")));
    ASSERT_EQ(beside.outcome, ProjectCardRead::Card);
    EXPECT_EQ(beside.card, m().model().projectCard());

    w->dialogs.takeMessages();
    w->dialogs.fileAnswers.enqueue(dir.filePath(QStringLiteral("Школа.pdf")));
    m().exportGostPdfAction->trigger();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {dir.filePath(QStringLiteral("Школа.pdf")), QStringLiteral("-")});
    pdftotext.waitForFinished(60000);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const char *expected : {"Школа № 5", "05-26-СОУЭ.С", "Иванов", "Оборудование", "ORVIKA"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

// The card's loudspeaker lines, which the dialog does not show, stay as they were.
TEST_F(ProjectCardWindow, KeepsWhatItDoesNotShow)
{
    LoudspeakerLines lines;
    ZoneLine hall;
    hall.name = QStringLiteral("Холл");
    hall.count = 12;
    lines.zones = {hall};
    m().model().setLoudspeakerLines(lines);
    fillCard([](ProjectCardDialog &dialog) { type(dialog, "objectEdit", QStringLiteral("Школа")); });
    EXPECT_EQ(m().model().projectCard().object, u"Школа");
    EXPECT_EQ(m().model().projectCard().lines, lines);
}

TEST_F(ProjectCardWindow, ADateThatIsNoDayKeepsTheDialogOpen)
{
    const ProjectCard before = m().model().projectCard();
    fillCard([&](ProjectCardDialog &dialog) {
        type(dialog, "dateEdit", QStringLiteral("31.02.2026"));
        type(dialog, "objectEdit", QStringLiteral("Сад"));
    });
    EXPECT_EQ(w->dialogs.takeMessages(),
              QStringList{QStringLiteral("Дата указывается в виде ДД.ММ.ГГГГ, например 07.12.2026")});
    EXPECT_EQ(m().model().projectCard(), before);

    fillCard([](ProjectCardDialog &dialog) {
        type(dialog, "dateEdit", QString());
        dialog.findChild<QComboBox *>(QStringLiteral("stageBox"))->setCurrentText(QString());
    });
    EXPECT_FALSE(m().model().projectCard().date.isValid()) << "every field may stay empty";
    EXPECT_TRUE(m().model().projectCard().stage.isEmpty());
}

} // namespace
} // namespace orvika::test::documents
