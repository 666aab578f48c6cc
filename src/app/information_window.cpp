#include "app/information_window.h"

#include "app/fonts.h"
#include "ui/twips.h"

#include <QLabel>

namespace orvika {

namespace {

QString countText(std::optional<int> count)
{
    return count ? QString::number(*count) : QString();
}

} // namespace

InformationWindow::InformationWindow(std::optional<int> blockCount, std::optional<int> schemeCount,
                                     QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Информация"));
    setModal(true);
    const Twips twips(logicalDpiX(), logicalDpiY());
    setFixedSize(twips.x(4095), twips.y(2895));

    const QFont heading = tahoma(11.25, true);
    const QFont figure = tahoma(12, true);

    const struct
    {
        QLabel *&label;
        const char *name;
        QString text;
        QRect place;
        const QFont &font;
    } labels[] = {
        {Label13, "Label13", QStringLiteral("Количество блоков в базе:"), twips.rect(240, 240, 3375, 255),
         heading},
        {Label1, "Label1", countText(blockCount), twips.rect(240, 600, 1455, 615), figure},
        {Label3, "Label3", QStringLiteral("Количество схем в базе:"), twips.rect(240, 1560, 3615, 255),
         heading},
        {Label2, "Label2", countText(schemeCount), twips.rect(240, 1920, 1455, 615), figure},
    };
    for (const auto &entry : labels) {
        entry.label = new QLabel(entry.text, this);
        entry.label->setObjectName(QLatin1String(entry.name));
        entry.label->setFont(entry.font);
        entry.label->setGeometry(entry.place);
        // A substitute font may be wider than Tahoma: let the caption run on rather than be cut.
        entry.label->ensurePolished();
        if (entry.label->sizeHint().width() > entry.label->width())
            entry.label->resize(entry.label->sizeHint().width(), entry.label->height());
    }
    // A figure alone would read as a bare number: it reads with its heading.
    for (auto [heading, figure] : {std::pair{Label13, Label1}, std::pair{Label3, Label2}})
        figure->setAccessibleName((heading->text() + u' ' + figure->text()).trimmed());
}

} // namespace orvika
