#pragma once

#include "documents/picture.h"

#include <QDialog>

class QPushButton;
class QScrollArea;

namespace orvika {

class Dialogs;
class PictureCanvas;

// One picture of the proposal in a window of its own: resizable, zoomed with the wheel and with
// Ctrl + and Ctrl −, saved as SVG or PNG under a name asked in the working directory.
class PictureWindow : public QDialog
{
    Q_OBJECT
public:
    PictureWindow(const Picture &picture, Dialogs &dialogs, const QString &folder, const QString &fileStem,
                  QWidget *parent);

    double zoom() const;
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();

    QPushButton *saveSvgButton = nullptr;
    QPushButton *savePngButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Format { Svg, Png };
    void save(Format format);

    Picture m_picture;
    Dialogs &m_dialogs;
    QString m_folder;
    QString m_fileStem;
    PictureCanvas *m_canvas = nullptr;
    QScrollArea *m_scroll = nullptr;
};

} // namespace orvika
