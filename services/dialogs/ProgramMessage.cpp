#include "services/dialogs/ProgramMessage.h"

#include "services/language/ProgramTexts.h"

namespace
{

ProgramMessage::Answerer& CurrentAnswerer()
{
    static ProgramMessage::Answerer answerer;
    return answerer;
}

} // namespace

QMessageBox::StandardButton ProgramMessage::Show(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                                 const QString& text, QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    QString shown = text;
    shown.remove(QLatin1Char('\r'));
    const ProgramMessageRecord record{icon, caption, shown, buttons, defaultButton};
    if (CurrentAnswerer())
        return CurrentAnswerer()(record);
    QMessageBox box(icon, caption, shown, buttons, owner);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton ProgramMessage::Show(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                                 const std::string& text, QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return Show(owner, icon, caption, programtexts::Translate(text), buttons, defaultButton);
}

void ProgramMessage::SetAnswerer(Answerer answerer)
{
    CurrentAnswerer() = std::move(answerer);
}
