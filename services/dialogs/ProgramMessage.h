#pragma once
// The program's message boxes, in one place: every box gets its caption, icon
// and buttons here, and tests answer them without a screen by setting an
// answerer that sees each box instead of the user.

#include <QMessageBox>
#include <QString>

#include <functional>
#include <string>

// The captions: errors and warnings, and information and questions.
inline const QString kErrorCaption = QStringLiteral("Zephyrmap!");
inline const QString kInfoCaption = QStringLiteral("Zephyrmap !");

struct ProgramMessageRecord {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class ProgramMessage
{
public:
    using Answerer = std::function<QMessageBox::StandardButton(const ProgramMessageRecord&)>;

    // Shows the box and answers the button chosen. `text` may hold the
    // program's CR LF line ends.
    static QMessageBox::StandardButton Show(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                            const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // The same for a program text, one of the core's messages
    // shown in the language of the run.
    static QMessageBox::StandardButton Show(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                            const std::string& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Boxes go to `answerer` instead of the screen; an empty one restores the screen.
    static void SetAnswerer(Answerer answerer);
};
