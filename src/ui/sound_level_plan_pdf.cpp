#include "ui/sound_level_plan_pdf.h"

#include "documents/pdf_file.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace orvika {
namespace {

PdfPainting planPainting(const Picture &plan)
{
    return {plan.title,
            [](QPagedPaintDevice &device) {
                // A binding margin on the left, as a sheet of a project has.
                device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                                 QMarginsF(20, 10, 10, 10), QPageLayout::Millimeter));
            },
            [plan](QPagedPaintDevice &device) {
                QPainter painter(&device);
                if (!painter.isActive())
                    return 0;
                painter.setRenderHint(QPainter::Antialiasing);
                const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
                paintPictureFitted(painter, plan, QRectF(QPointF(0, 0), QSizeF(page.size())));
                return 1;
            }};
}

} // namespace

QByteArray roomPlanPdf(const Picture &plan)
{
    return paintedPdf(planPainting(plan));
}

std::optional<QString> writeRoomPlanPdf(const QString &path, const Picture &plan)
{
    return writePaintedPdf(path, planPainting(plan));
}

} // namespace orvika
