#pragma once
// The question before a changed map is emptied or replaced: output the map
// first (as HTML source to a file or the clipboard, or in the native
// format), discard the changes, or stay. exec() returns a Choice; closing
// the window or Escape counts as Cancel. Opening it beeps.
//
//     switch (CSaveChangesDlg(parent).exec()) { case CSaveChangesDlg::SaveText: ... }
//
// Child objects: "iconLabel", "messageLabel", and the buttons "saveTextButton"
// (the default), "copyButton", "saveNativeButton", "discardButton", "cancelButton".

#include <QDialog>

class CSaveChangesDlg : public QDialog
{
    Q_OBJECT
public:
    enum Choice { Cancel = 2, SaveText = 3, SaveNative = 4, CopyToClipboard = 5, Discard = 6 };

    explicit CSaveChangesDlg(QWidget* parent = nullptr);

    void reject() override { done(Cancel); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddButton(class QBoxLayout* row, const char* name, const QString& text, Choice choice);
};
