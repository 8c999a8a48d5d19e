#pragma once
// "マップを使用するHTML文書": asks for the HTML document that uses a map read
// from the clipboard. OK, or Enter anywhere in the dialog, accepts only a
// path that exists; otherwise a message asks for a correct path and the
// dialog stays open. "参照..." picks a file, starting in and remembering
// the folder of "html" (not its filter index).
//
//     CHtmlDocDlg dlg(store, parent);
//     if (dlg.exec() == QDialog::Accepted)
//         Use(dlg.HtmlPath());
//
// Child objects: "promptLabel", "pathEdit", "browseButton", "okButton", "cancelButton".

#include <QDialog>

#include <string>

class QLineEdit;
class SettingsStore;

class CHtmlDocDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CHtmlDocDlg(SettingsStore& store, QWidget* parent = nullptr);

    // After OK: an existing path, in the program's encoding.
    const std::string& HtmlPath() const { return m_htmlPath; }

    static QString WrongPathMessage();

public slots:
    void accept() override;

private:
    void Browse();

    SettingsStore& m_store;
    std::string m_htmlPath;
    QLineEdit* m_edit = nullptr;
};
