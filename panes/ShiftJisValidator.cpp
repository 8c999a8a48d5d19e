#include "panes/ShiftJisValidator.h"

#include "services/picture/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QToolTip>

ShiftJisValidator::ShiftJisValidator(QWidget* field) : QValidator(field), m_field(field) {}

void ShiftJisValidator::Attach(QLineEdit* edit)
{
    edit->setValidator(new ShiftJisValidator(edit));
}

void ShiftJisValidator::Attach(QComboBox* combo)
{
    combo->setValidator(new ShiftJisValidator(combo));
}

QString ShiftJisValidator::RefusalText()
{
    return tr("Shift-JISで表せない文字は入力できません。");
}

void ShiftJisValidator::Refuse(QWidget* field)
{
    QApplication::beep();
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), RefusalText(), field);
}

QValidator::State ShiftJisValidator::validate(QString& input, int&) const
{
    if (FitsShiftJis(input))
        return Acceptable;
    Refuse(m_field);
    return Invalid;
}
