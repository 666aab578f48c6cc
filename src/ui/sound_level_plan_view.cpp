#include "ui/sound_level_plan_view.h"

#include <QPainter>

namespace orvika {

SoundLevelPlanView::SoundLevelPlanView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("roomPlanView"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMinimumSize(240, 200);
}

void SoundLevelPlanView::setPlan(const std::optional<Picture> &plan, const QString &note)
{
    m_plan = plan;
    m_note = note;
    setAccessibleName(plan ? plan->title : note);
    update();
}

void SoundLevelPlanView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_plan) {
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, m_note);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    paintPictureFitted(painter, *m_plan, QRectF(rect()).adjusted(4, 4, -4, -4));
}

} // namespace orvika
