#pragma once

#include "documents/picture.h"

#include <QWidget>
#include <optional>

namespace orvika {

// The selected room's plan, fitted to the space the window gives it; a note when there is none.
class SoundLevelPlanView : public QWidget
{
public:
    explicit SoundLevelPlanView(QWidget *parent);

    void setPlan(const std::optional<Picture> &plan, const QString &note);
    const std::optional<Picture> &plan() const { return m_plan; }

    QSize sizeHint() const override { return {360, 300}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<Picture> m_plan;
    QString m_note;
};

} // namespace orvika
