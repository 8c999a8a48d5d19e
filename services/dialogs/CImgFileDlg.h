#pragma once
// The file dialog for pictures, HTML documents and link targets: Qt's file
// dialog with a "プレビュー" check box and a preview pane right of the list,
// and a relative-path row (label, edit, "自動的に付加") under the file type.
// The preview follows the current item of the list. The check boxes are
// read from "ImgFileDlg" ("Preview", "Relative_path") when the dialog is
// made and written back when it closes, by OK or not.
//
//     CImgFileDlg dlg(store, parent);
//     dlg.SetShowRelativePath(false);
//     dlg.setWindowTitle(QStringLiteral("マップで使用する画像の指定"));
//     dlg.SetProgramFilter(pictureFilter);
//     std::optional<std::string> path = dlg.Pick(store, QStringLiteral("img"), SettingsStore::HomeFolder());
//
// Child objects: "previewCheck", "previewPane", "relativePathLabel",
// "relativePathEdit", "relativePathAuto"; the accept button reads "OK".

#include "services/dialogs/ProgramFileDialog.h"

#include <string>

class FilePreviewWnd;
class PreviewColumn;
class QCheckBox;
class QLabel;
class QLineEdit;

class CImgFileDlg : public ProgramFileDialog
{
    Q_OBJECT
public:
    explicit CImgFileDlg(SettingsStore& store, QWidget* parent = nullptr, Mode mode = Open);

    // Shown by default; every caller hides the relative-path row.
    void SetShowRelativePath(bool show);
    bool ShowsRelativePath() const { return m_showRelativePath; }
    // The folder relative paths are computed from; empty gives no relative path.
    void SetRelativeBase(const std::string& basePath) { m_basePath = basePath; }
    const std::string& RelativePath() const { return m_lastRelative; }

    FilePreviewWnd* Preview() const;

protected:
    void done(int result) override;

private:
    void BuildControls();
    void OnCurrentChanged(const QString& path);
    void OnRelativeAutoClicked(bool on);

    SettingsStore& m_store;
    bool m_showRelativePath = true;
    std::string m_basePath;
    std::string m_lastRelative;
    PreviewColumn* m_preview = nullptr; // owned by the dialog
    QLabel* m_relativeLabel = nullptr;
    QLineEdit* m_relativeEdit = nullptr;
    QCheckBox* m_relativeAuto = nullptr;
};
