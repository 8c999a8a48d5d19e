#pragma once
// Qt's own (non-native) file dialog speaking the program's terms: file-type
// lists written "Description|patterns|...||", filter indexes counted from 1,
// paths as the program's text with the platform separator, and the folders
// and filter indexes the settings store remembers per dialog key.
//
// Subclasses add their controls with AddRow and AddSideColumn. Qt lays its
// own dialog out in a QGridLayout of three columns (folder row, list, file
// name row, file type row); added rows go under the file type row with their
// label and field in its columns, and a side column goes right of the list.
// Should the layout ever be something else, the added controls are gathered
// in one panel appended to it, so they are never lost.
//
// Typical use:
//     ProgramFileDialog dlg(ProgramFileDialog::Open, parent);
//     dlg.setWindowTitle(title);
//     dlg.SetProgramFilter(QStringLiteral("HTML文書(*.*htm* )|*.*htm*|すべてのファイル(*.*)|*.*||"));
//     if (std::optional<std::string> path = dlg.Pick(store, QStringLiteral("html"), SettingsStore::HomeFolder()))
//         Use(*path);

#include <QFileDialog>

#include <optional>
#include <string>

class QGridLayout;
class SettingsStore;

class ProgramFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    // Open requires an existing file. Save requires an existing folder and
    // asks no overwrite question: the callers ask their own.
    enum Mode { Open, Save };
    enum class Remember { FolderAndFilter, FolderOnly };

    explicit ProgramFileDialog(Mode mode, QWidget* parent = nullptr);

    bool IsOpenDialog() const { return m_mode == Open; }

    void SetProgramFilter(const QString& programFilter);
    // 1-based; 0 or an index past the list selects the first type.
    void SetFilterIndex(int filterIndex);
    int FilterIndex() const;
    // Lists folders and the files that can be run, whatever their names.
    void ShowExecutablesOnly();

    // Shows the dialog modally; the chosen path, or nothing when cancelled.
    std::optional<std::string> Run();
    // Starts in the folder remembered under "PathSettings" for `key` (the
    // fallback folder when that one is gone) with the remembered filter,
    // runs the dialog, and on OK remembers the chosen file's folder and, with
    // FolderAndFilter, the filter index.
    std::optional<std::string> Pick(SettingsStore& store, const QString& key, const QString& fallbackFolder,
                                    Remember remember = Remember::FolderAndFilter);
    // The path chosen by the last OK, as the program's text.
    const std::string& ChosenPath() const { return m_chosenPath; }

    // The program's form of a path given by the user: its own separators.
    static std::string ToProgramPath(const QString& path);
    // A local path typed by hand as the program keeps local files: absolute,
    // a relative one taken from the current folder. Empty text and URLs stay
    // as they are.
    static QString AbsoluteTypedPath(const QString& typed);
    static QString MissingFolderMessage(const QString& folder);

protected:
    void accept() override;
    void done(int result) override;

    void AddRow(QWidget* label, QWidget* field);
    void AddSideColumn(QWidget* top, QWidget* besideList);

private:
    QGridLayout* ExtraGrid();
    void FitDetailColumns();

    Mode m_mode;
    std::string m_chosenPath;
    QGridLayout* m_fallbackGrid = nullptr; // owned by its panel
    int m_addedRows = 0;
};
