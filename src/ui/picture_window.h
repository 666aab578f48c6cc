#pragma once

#include "cad/cad_drawing.h"
#include "documents/picture.h"
#include "engine/protected_files.h"

#include <QDialog>
#include <functional>

class QPushButton;
class QScrollArea;

namespace orvika {

class Dialogs;
class PictureCanvas;

// One picture of the proposal in a window of its own: resizable, zoomed with the wheel and with
// Ctrl + and Ctrl −, saved as SVG, PNG or, on its drawing sheet, DXF under a name asked in the working
// directory.
class PictureWindow : public QDialog
{
    Q_OBJECT
public:
    using DrawingMaker = std::function<CadDrawing()>;

    // A picture is never saved over one of protectedFiles.
    PictureWindow(const Picture &picture, DrawingMaker drawing, Dialogs &dialogs, const QString &folder,
                  const QString &fileStem, QWidget *parent, const QList<ProtectedFile> &protectedFiles = {});

    double zoom() const;
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();

    QPushButton *saveSvgButton = nullptr;
    QPushButton *savePngButton = nullptr;
    QPushButton *saveDxfButton = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Format { Svg, Png, Dxf };
    void save(Format format);

    Picture m_picture;
    DrawingMaker m_drawing;
    Dialogs &m_dialogs;
    QString m_folder;
    QString m_fileStem;
    QList<ProtectedFile> m_protectedFiles;
    PictureCanvas *m_canvas = nullptr;
    QScrollArea *m_scroll = nullptr;
};

} // namespace orvika
