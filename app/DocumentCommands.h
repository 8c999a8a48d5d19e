#pragma once
// The commands that start a map, read one in and put its HTML source out:
// new map, open from an HTML file or from the clipboard, save the HTML
// source to a file, copy it to the clipboard, update the map inside its HTML
// document, and the question that protects a changed map before any of them.

#include "view/CommandRoute.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CMainFrame;
class QWidget;
class CZephyrmapDoc;
class NativeFileCommands;
class SettingsStore;
struct AppSettings;
struct FoundMap;

class DocumentCommands
{
public:
    // Where SaveHtmlSource writes: the chosen path, the encoding and line-end
    // codes and the file type's filter index (1-based), as the dialog gives them.
    struct SaveTarget {
        std::string path;
        int encoding = 0;
        int lineEnd = 0;
        int filterIndex = 1;
    };
    struct OpenSource {
        std::string path;
        int encoding = 0;
    };

    DocumentCommands(CZephyrmapDoc& doc, AppSettings& settings, SettingsStore& store, CMainFrame& frame,
                     NativeFileCommands& files);

    std::vector<CommandRoute> Commands();

    // Before the map is emptied or replaced, or the program ends
    // (`exiting`): true lets the caller go on.
    bool SaveModified(bool exiting = false);
    void NewMap();
    void OpenFromHtmlFile();
    void OpenFromClipboard();
    bool SaveHtmlSource();
    bool CopyHtmlToClipboard();
    // Puts the map back into its own HTML document, every other byte of the
    // page kept; offers to save the HTML source when the page has no such map.
    bool UpdateHtmlDocument();
    bool CanUpdateHtmlDocument() const;

    // The dialogs, for tests to stand in for; each answers nothing for cancel.
    std::function<std::optional<SaveTarget>()> chooseSaveTarget;
    std::function<std::optional<OpenSource>()> chooseOpenSource;
    std::function<int(const std::vector<FoundMap>&)> chooseMap;
    std::function<std::optional<std::string>()> chooseHtmlDocument;
    // The new map's name, picture and HTML document.
    std::function<std::optional<std::vector<std::string>>()> setUpMap;
    // The save-changes question's answer (a CSaveChangesDlg code).
    std::function<int()> askSaveChanges;
    // Whether the clipboard keeps what is copied after the program ends.
    std::function<bool()> clipboardOutlivesProgram;

    // The path a save goes to: with no '.' in its file name, the file type's
    // extension is added (".html" for the first type, ".txt" for the second).
    static std::string WithExtension(const std::string& path, int filterIndex);

    // The steps every source output shares, with `parent` for their messages.
    // A file that is there already: yes goes on, no sets `again` (ask for
    // another name), cancel stops. Overwriting an HTML page loses all of it
    // but the map, and the question says so.
    static bool ConfirmOverwrite(QWidget* parent, const std::string& path, bool& again);
    // Asks with `choose` until the user settles on a file: the file type's
    // extension added by `withExtension`, a file that is there overwritten
    // only when the user says so. Nothing for cancel.
    static std::optional<SaveTarget> SettledTarget(QWidget* parent,
                                                   const std::function<std::optional<SaveTarget>()>& choose,
                                                   std::string (*withExtension)(const std::string&, int));
    // The text (CR LF) in the target's line ends and encoding,
    // written whole; false, told, when it could not be.
    static bool WriteSourceFile(QWidget* parent, std::string text, const SaveTarget& target);
    // The text on the clipboard with the platform's line ends, `done` told
    // when it is there; false, told, when the system refused it.
    static bool PutOnClipboard(QWidget* parent, std::string text, const QString& done);

private:
    bool ReadMapFrom(const std::string& text, const std::string& documentPath,
                     const std::function<std::optional<std::string>()>& askDocument);
    std::string MapSource() const;
    std::optional<SaveTarget> AskSaveTarget();

public:
    // The text file dialog for saving a source: the encoding, the line ends
    // and the file type besides the name; its folder and type remembered
    // under `key` only once the file is written (ConfirmDialog).
    static std::optional<SaveTarget> AskTextSaveTarget(SettingsStore& store, QWidget* parent, const QString& title,
                                                       const QString& filter, const QString& key);

private:
    std::optional<OpenSource> AskOpenSource();
    void ShowReplaced(std::size_t count, std::size_t line);
    bool OfferSourceForPage(const QString& page);
    void ReportUpdateFailure(const struct PageUpdate& update, const QString& page);

    CZephyrmapDoc& m_doc;
    AppSettings& m_settings;
    SettingsStore& m_store;
    CMainFrame& m_frame;
    NativeFileCommands& m_files;
};
