#pragma once

#include "sound_level/acoustic_data.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace orvika {

class Dialogs;

// One room of the sound-level calculation as the user types it. OK hands the room to keep, which says
// why it cannot be kept; then the message is shown and the editor stays open with the user's input.
class SoundLevelRoomEditor : public QDialog
{
    Q_OBJECT
public:
    using Keep = std::function<QString(const Room &)>;

    // loudspeakers: the names offered, each with how it is shown ("… (из проекта)").
    SoundLevelRoomEditor(const Room &room, const QStringList &loudspeakers, const QStringList &shownNames,
                         Keep keep, Dialogs &dialogs, QWidget *parent);

    // The room as the fields state it: a figure that is not one reads as NaN, for the checks to name.
    Room room() const;

    void accept() override;

private:
    void kindChosen();
    void mountingChosen();

    Room m_room; // its keys this program does not know ride along
    Keep m_keep;
    Dialogs &m_dialogs;
    QSpinBox *m_zone = nullptr;
    QLineEdit *m_name = nullptr;
    QComboBox *m_kind = nullptr;
    QLabel *m_source = nullptr;
    QLineEdit *m_noise = nullptr;
    QCheckBox *m_sleeping = nullptr;
    QLineEdit *m_length = nullptr, *m_width = nullptr, *m_height = nullptr, *m_listening = nullptr;
    QComboBox *m_mounting = nullptr, *m_density = nullptr;
    QLineEdit *m_speakerHeight = nullptr;
    QComboBox *m_loudspeaker = nullptr;
};

} // namespace orvika
