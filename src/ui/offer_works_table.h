#pragma once

#include <QGroupBox>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace orvika {

class Dialogs;
class OfferEditor;

// The offer's works (installation, commissioning): each one's name, unit, quantity and price, typed in its
// cells; added and removed with the buttons. A work without a price is a missing price, never 0.
class OfferWorksTable : public QGroupBox
{
    Q_OBJECT
public:
    OfferWorksTable(OfferEditor &editor, Dialogs &dialogs, QWidget *parent = nullptr);

    void showWorks();
    void addWork();
    void removeWork();

signals:
    void changed();

private:
    void cellChanged(QTableWidgetItem *item);
    void fill();

    OfferEditor &m_editor;
    Dialogs &m_dialogs;
    QTableWidget *m_table = nullptr;
    QPushButton *m_remove = nullptr;
    bool m_filling = false;
};

} // namespace orvika
