#pragma once

#include <QComboBox>

namespace orvika {

// An editable picker of catalogue items. Assistive technology reads it by its accessible name on
// every platform, its text as the value; Qt's own combo box reads as its text on Unix, where a
// picker showing its prompt or an item would not say what is picked there.
class Picker : public QComboBox
{
    Q_OBJECT
public:
    explicit Picker(QWidget *parent);
};

} // namespace orvika
