#pragma once
// "マップの初期設定": the name, the picture and the HTML document of a new
// map. The two "参照..." buttons pick the picture and the document with the
// picture dialog, remembering their folders under "img" and "html". The
// dialog checks nothing except that each text fits the program's encoding.
//
//     CMapSetupDlg dlg(store, parent);
//     if (dlg.exec() == QDialog::Accepted)
//         Create(dlg.MapName(), dlg.PicturePath(), dlg.HtmlPath());
//
// Child objects: "nameEdit", "pictureEdit", "pictureBrowse", "htmlEdit",
// "htmlBrowse", "okButton", "cancelButton" and the labels "nameLabel",
// "pictureLabel", "htmlLabel".

#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;
class SettingsStore;

class CMapSetupDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CMapSetupDlg(SettingsStore& store, QWidget* parent = nullptr);

    // Put into the edits; all empty unless set.
    void SetValues(const std::string& mapName, const std::string& picturePath, const std::string& htmlPath);
    // After OK, in the program's encoding.
    const std::string& MapName() const { return m_mapName; }
    const std::string& PicturePath() const { return m_picturePath; }
    const std::string& HtmlPath() const { return m_htmlPath; }

public slots:
    void accept() override;

private:
    void BuildLayout();
    void BrowsePicture();
    void BrowseHtml();

    SettingsStore& m_store;
    std::string m_mapName;
    std::string m_picturePath;
    std::string m_htmlPath;
    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_pictureEdit = nullptr;
    QLineEdit* m_htmlEdit = nullptr;
    QPushButton* m_pictureBrowse = nullptr;
    QPushButton* m_htmlBrowse = nullptr;
};
