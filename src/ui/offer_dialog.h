#pragma once

#include "engine/main_window_model.h"
#include "offer/offer_settings.h"
#include "price_list/price_list.h"
#include "project/project_card.h"

#include <QDialog>
#include <memory>

class QLabel;
class QListWidget;

namespace orvika {

class Dialogs;
class OfferEditor;
class OfferLinesTable;
class OfferSettingsPanel;
class OfferWorksTable;

// "Коммерческое предложение": the priced lines by section, the prices set by hand typed in place, the
// settings, the works, the totals as they will print and the lines without a price with the reason of each.
// Every edit prices the offer again. OK keeps the settings (the caller puts them in the card); Cancel drops
// them.
class OfferDialog : public QDialog
{
    Q_OBJECT
public:
    // The list (null when none) is the current one; listProblem why the kept one cannot be used, or empty.
    OfferDialog(const FinishedCalculation &finished, const ProjectCard &card, const PriceList *list,
                const QString &listProblem, Dialogs &dialogs, QWidget *parent = nullptr);
    ~OfferDialog() override;

    const OfferSettings &settings() const;
    const OfferEditor &editor() const { return *m_editor; }

protected:
    // Enter takes the field it is typed in; the window closes by its buttons only.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refresh();
    void priceTyped(const QString &key, const QString &text);

    std::unique_ptr<OfferEditor> m_editor;
    Dialogs &m_dialogs;
    QLabel *m_title = nullptr;
    OfferLinesTable *m_lines = nullptr;
    QLabel *m_totals = nullptr;
    QLabel *m_missingLine = nullptr;
    QListWidget *m_missing = nullptr;
    OfferSettingsPanel *m_settings = nullptr;
    OfferWorksTable *m_works = nullptr;
};

} // namespace orvika
