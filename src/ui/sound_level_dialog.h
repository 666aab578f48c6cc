#pragma once

#include "engine/sound_level_rooms.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace orvika {

class Dialogs;
class MainWindowModel;
class SoundLevelPlanView;
class SoundLevelRoomsTable;
class WindowDialogSeam;

// "Расчёт уровня звука": the rooms zone by zone with the loudspeakers, tap and levels each needs, the
// user's loudspeaker library, the selected room's plan, and the zones' sums carried into the lines. OK
// keeps the rooms in the project's card; Cancel keeps none of them. The library is written as it is
// edited.
class SoundLevelDialog : public QDialog
{
    Q_OBJECT
public:
    SoundLevelDialog(MainWindowModel &model, WindowDialogSeam &seam, Dialogs &dialogs, QWidget *parent);

    const SoundLevelRooms &rooms() const { return m_rooms; }
    // Tells why the library cannot be used, when it cannot: once, as the window opens.
    void tellLibraryProblem();

    void accept() override;

    // The room editor and the library's entry editor, opened modal; named for the tests.
    void addRoom();
    void editRoom();
    void addLoudspeaker();
    void editLoudspeaker();

private:
    void buildRooms(QWidget *box);
    void buildLibrary(QWidget *box);
    bool openRoomEditor(qsizetype index, const Room &start);
    bool openLoudspeakerEditor(qsizetype index, const LoudspeakerData &start);
    void duplicateRoom();
    void removeRoom();
    void removeLoudspeaker();
    void transfer();
    void showPlan();
    void savePlanPdf();
    void refresh();
    void refreshLibrary();
    void libraryRowChosen();
    void roomSelected();
    QStringList catalogueLoudspeakers() const;

    MainWindowModel &m_model;
    WindowDialogSeam &m_seam;
    Dialogs &m_dialogs;
    SoundLevelRooms m_rooms;

    SoundLevelRoomsTable *m_table = nullptr;
    SoundLevelPlanView *m_plan = nullptr;
    QLabel *m_verdicts = nullptr;
    QLabel *m_zoneTotals = nullptr;
    QListWidget *m_library = nullptr;
    QLabel *m_libraryProblem = nullptr;
    QPushButton *m_editRoom = nullptr, *m_duplicateRoom = nullptr, *m_removeRoom = nullptr,
                *m_showPlan = nullptr, *m_planPdf = nullptr;
    QPushButton *m_addLoudspeaker = nullptr, *m_editLoudspeaker = nullptr, *m_removeLoudspeaker = nullptr;
    QPushButton *m_transfer = nullptr;
    QPointer<QWidget> m_planWindow;
};

} // namespace orvika
