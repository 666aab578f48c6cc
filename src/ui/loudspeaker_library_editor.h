#pragma once

#include "sound_level/acoustic_data.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QComboBox;
class QLineEdit;

namespace orvika {

class Dialogs;

// One entry of the user's loudspeaker library, from the maker's data sheet. OK hands the entry to keep,
// which says why it is not kept (a wrong field, or the library not written); the editor then stays open
// with the user's input.
class LoudspeakerLibraryEditor : public QDialog
{
    Q_OBJECT
public:
    using Keep = std::function<QString(const LoudspeakerData &)>;

    // catalogueNames: the catalogue's loudspeakers, offered for the name.
    LoudspeakerLibraryEditor(const LoudspeakerData &entry, const QStringList &catalogueNames, Keep keep,
                             Dialogs &dialogs, QWidget *parent);

    // The entry as typed: a figure that is not one reads as NaN, for the checks to name.
    LoudspeakerData entry() const;

    void accept() override;

private:
    LoudspeakerData m_entry; // its keys this program does not know ride along
    Keep m_keep;
    Dialogs &m_dialogs;
    QComboBox *m_name = nullptr;
    QLineEdit *m_sensitivity = nullptr, *m_taps = nullptr, *m_angle = nullptr;
};

} // namespace orvika
