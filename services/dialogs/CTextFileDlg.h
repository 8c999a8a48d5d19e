#pragma once
// The file dialog for HTML source: Qt's file dialog with a character
// encoding row "文字エンコード(&J):" and a line-end row "改行コード(&L):" under
// the file type, and, for opening, a "プレビュー" check box and a preview
// pane right of the list. Each item of the two lists carries its TextCodec
// code (TextEncoding, LineEnd) as item data. The check box and the list
// positions are read from "TextFileDlg" when the dialog is made and written
// back when it closes; the open and the save dialog keep separate positions
// ("iJCode_Auto"/"iLF_Auto" and "iJCode"/"iLF") because their lists differ.
//
//     CTextFileDlg dlg(store, CTextFileDlg::Options::SavingHtmlSource(), parent);
//     dlg.setWindowTitle(QStringLiteral("ソースコードをファイルに保存"));
//     dlg.SetProgramFilter(htmlFilter);
//     if (auto path = dlg.Pick(store, QStringLiteral("html"), SettingsStore::HomeFolder()))
//         Save(*path, dlg.EncodingCode(), dlg.LineEndCode(), dlg.FilterIndex());
//
// Child objects: "encodingLabel", "encodingCombo", "lineEndLabel",
// "lineEndCombo", "previewCheck", "previewPane".

#include "services/dialogs/ProgramFileDialog.h"

class FilePreviewWnd;
class PreviewColumn;
class QCheckBox;
class QComboBox;
class QLabel;

class CTextFileDlg : public ProgramFileDialog
{
    Q_OBJECT
public:
    struct Options {
        bool showLineEnds = true;     // the line-end row is visible
        bool lineEndAutoItem = true;  // the line-end list starts with "自動"
        bool encodingAutoItem = true; // the encoding list starts with "自動選択"
        bool preview = true;          // check box and pane right of the list
        bool singleUtf16Item = true;  // "UTF-16" instead of the two byte orders
        bool singleUtf8Item = true;   // "UTF-8" instead of the two signature variants
        bool open = true;             // an open dialog, else a save dialog

        static Options SavingHtmlSource();
        static Options OpeningHtmlFile();
    };

    CTextFileDlg(SettingsStore& store, const Options& options, QWidget* parent = nullptr);

    // Valid once the dialog has closed: the item data of the chosen items,
    // -1 when none was chosen, 0 before the dialog closes.
    int EncodingCode() const { return m_encodingCode; }
    int LineEndCode() const { return m_lineEndCode; }

    FilePreviewWnd* Preview() const;

protected:
    void done(int result) override;

private:
    void BuildControls();
    void FillEncodings();
    void FillLineEnds();
    void LoadChoices();
    QString EncodingValue() const;
    QString LineEndValue() const;
    void OnCurrentChanged(const QString& path);

    SettingsStore& m_store;
    Options m_options;
    int m_encodingCode = 0;
    int m_lineEndCode = 0;
    QLabel* m_encodingLabel = nullptr;
    QComboBox* m_encodingCombo = nullptr;
    QLabel* m_lineEndLabel = nullptr;
    QComboBox* m_lineEndCombo = nullptr;
    PreviewColumn* m_preview = nullptr; // owned by the dialog
};
