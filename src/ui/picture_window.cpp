#include "ui/picture_window.h"

#include "cad/picture_dxf.h"
#include "pictures/picture.h"
#include "ui/dialogs.h"
#include "ui/output_file.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMap>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace orvika {

namespace {
constexpr double ZoomStep = 1.25;
constexpr double SmallestZoom = 0.05;
constexpr double LargestZoom = 8;
} // namespace

// Paints the picture at the window's zoom; the wheel over it zooms rather than scrolls.
class PictureCanvas : public QWidget
{
public:
    PictureCanvas(const Picture &picture, PictureWindow &window) : m_picture(picture), m_window(window)
    {
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        // Its own role: without one it takes the scroll area's dark one and the picture shows on grey.
        setBackgroundRole(QPalette::Window);
    }

    double zoom = 1;

    QSize sizeHint() const override { return (m_picture.size * zoom).toSize(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(zoom, zoom);
        if (m_picture.paint)
            m_picture.paint(painter, nullptr);
    }

    void wheelEvent(QWheelEvent *event) override
    {
        if (event->angleDelta().y() > 0)
            m_window.zoomIn();
        else if (event->angleDelta().y() < 0)
            m_window.zoomOut();
        event->accept();
    }

private:
    Picture m_picture;
    PictureWindow &m_window;
};

PictureWindow::PictureWindow(const Picture &picture, DrawingMaker drawing, Dialogs &dialogs,
                             const QString &folder, const QString &fileStem, QWidget *parent,
                             const QList<ProtectedFile> &protectedFiles)
    : QDialog(parent), m_picture(picture), m_drawing(std::move(drawing)), m_dialogs(dialogs),
      m_folder(folder), m_fileStem(fileStem), m_protectedFiles(protectedFiles)
{
    setWindowTitle(picture.title);
    setSizeGripEnabled(true);
    m_canvas = new PictureCanvas(picture, *this);
    m_canvas->setObjectName(QStringLiteral("pictureCanvas"));
    m_canvas->setAccessibleName(picture.title);
    m_scroll = new QScrollArea(this);
    m_scroll->setAccessibleName(QStringLiteral("Изображение: ") + picture.title);
    m_scroll->setAccessibleDescription(QStringLiteral("Масштаб: колесо мыши, Ctrl+плюс и Ctrl+минус"));
    m_scroll->horizontalScrollBar()->setAccessibleName(
        QStringLiteral("Прокрутка изображения по горизонтали"));
    m_scroll->verticalScrollBar()->setAccessibleName(QStringLiteral("Прокрутка изображения по вертикали"));
    m_scroll->setWidget(m_canvas);
    m_scroll->setBackgroundRole(QPalette::Dark);

    saveSvgButton = new QPushButton(QStringLiteral("Сохранить как SVG…"), this);
    saveSvgButton->setObjectName(QStringLiteral("saveSvg"));
    savePngButton = new QPushButton(QStringLiteral("Сохранить как PNG…"), this);
    savePngButton->setObjectName(QStringLiteral("savePng"));
    saveDxfButton = new QPushButton(QStringLiteral("Сохранить как DXF…"), this);
    saveDxfButton->setObjectName(QStringLiteral("saveDxf"));
    saveDxfButton->setToolTip(
        QStringLiteral("Чертёж для САПР: лист A3 с рамкой и основной надписью, в миллиметрах"));
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("closePicture"));
    connect(saveSvgButton, &QPushButton::clicked, this, [this] { save(Format::Svg); });
    connect(savePngButton, &QPushButton::clicked, this, [this] { save(Format::Png); });
    connect(saveDxfButton, &QPushButton::clicked, this, [this] { save(Format::Dxf); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(saveSvgButton);
    buttons->addWidget(savePngButton);
    buttons->addWidget(saveDxfButton);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll);
    layout->addLayout(buttons);

    resize(1000, 700);
    // The whole picture in view to begin with, never larger than its own size.
    const QSizeF room(960, 600);
    setZoom(std::min({1.0, room.width() / std::max(1.0, picture.size.width()),
                      room.height() / std::max(1.0, picture.size.height())}));
}

double PictureWindow::zoom() const
{
    return m_canvas->zoom;
}

void PictureWindow::setZoom(double zoom)
{
    m_canvas->zoom = std::clamp(zoom, SmallestZoom, LargestZoom);
    m_canvas->resize(m_canvas->sizeHint());
    m_canvas->update();
}

void PictureWindow::zoomIn()
{
    setZoom(zoom() * ZoomStep);
}

void PictureWindow::zoomOut()
{
    setZoom(zoom() / ZoomStep);
}

// Ctrl + (or Ctrl =, the same key without Shift) and Ctrl − zoom, whichever control has the focus.
void PictureWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomIn();
            return;
        case Qt::Key_Minus:
            zoomOut();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

void PictureWindow::save(Format format)
{
    struct Choice
    {
        QString caption;
        QString extension;
        QString filter;
    };
    static const QMap<Format, Choice> choices = {
        {Format::Svg,
         {QStringLiteral("Сохранить как SVG"), QStringLiteral(".svg"), QStringLiteral("SVG (*.svg)")}},
        {Format::Png,
         {QStringLiteral("Сохранить как PNG"), QStringLiteral(".png"), QStringLiteral("PNG (*.png)")}},
        {Format::Dxf,
         {QStringLiteral("Сохранить как DXF"), QStringLiteral(".dxf"), QStringLiteral("DXF (*.dxf)")}}};
    const Choice &choice = choices[format];
    const QString path = askOutputFile(m_dialogs, this, choice.caption, m_folder,
                                       m_fileStem + choice.extension, choice.filter, m_protectedFiles);
    if (path.isEmpty())
        return;
    std::optional<QString> failure;
    switch (format) {
    case Format::Svg:
        failure = writePictureSvg(path, m_picture);
        break;
    case Format::Png:
        failure = writePicturePng(path, m_picture);
        break;
    case Format::Dxf:
        failure = writeDrawingDxf(path, m_drawing());
        break;
    }
    announceWrite(m_dialogs, this, QFileInfo(path).fileName(), failure);
}

} // namespace orvika
