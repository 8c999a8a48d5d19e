#pragma once
// Keeps characters the program cannot hold out of the pages' fields. A map's
// texts are kept in Shift-JIS, so a character it lacks would otherwise turn
// into "?" without a word; typing or pasting one is refused instead, with a
// beep and a note by the field.

#include <QValidator>

class QComboBox;
class QLineEdit;
class QString;
class QWidget;

class ShiftJisValidator : public QValidator
{
    Q_OBJECT
public:
    static void Attach(QLineEdit* edit);
    static void Attach(QComboBox* combo);

    // Tells the user by `field` that what they typed was refused.
    static void Refuse(QWidget* field);
    static QString RefusalText();

    State validate(QString& input, int& pos) const override;

private:
    explicit ShiftJisValidator(QWidget* field);

    QWidget* m_field;
};
