#pragma once
// The programs the editor hands files to: the map previewed in a browser or
// as source through a work file "Zephyrmap_tmp.html", the picture in an
// image editor, the map's HTML document and the selected area's link target
// in a viewer or editor chosen by the file's type. The programs are the
// settings' own, or the desktop's default application for the file.

#include "app/PreviewFileMark.h"
#include "view/CommandRoute.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class CZephyrmapDoc;
class PaneInterface;
class QWidget;
struct AppSettings;

class ExternalApps
{
public:
    static inline const QString kPreviewName = QStringLiteral("Zephyrmap_tmp.html");

    // What is started: a program with the file as its argument, or the file
    // itself with the desktop's default application for its type.
    struct Launch {
        bool association = false;
        QString program; // empty for an association
        QString file;
        // A desktop entry's whole command, the program first; when given,
        // it is started instead of the program with the file.
        QStringList command;
    };
    // How a launch went; the failure numbers are those the ReadMe lists.
    enum class Outcome { Started, NotFound, NoAssociation, Refused, NotStarted, DesktopFailed };

    ExternalApps(CZephyrmapDoc& doc, AppSettings& settings, PaneInterface& frame, QWidget* owner);
    // The work file this run wrote goes with it.
    ~ExternalApps();

    // `pictureLoaded` is the edit-picture command's rule.
    std::vector<CommandRoute> Commands(std::function<bool()> pictureLoaded);

    void BrowserPreview();
    void SourcePreview();
    void EditPicture();
    void OpenHtmlDocument(bool edit);
    void OpenLinkTarget(bool edit);

    // The folder the work file goes into: the HTML document's, else the
    // picture's, else the program's (a temporary folder when that cannot
    // be written, as for an installed program).
    QString PreviewFolder() const;
    // Writes the work file; its path, or empty when none was written.
    QString WritePreviewFile(const QByteArray& content);
    static bool MoveToTrash(const QString& path);
    // The page the browser preview shows, in UTF-8.
    QByteArray BrowserPreviewPage() const;

    // Starts what a launch names; tests put a recorder here.
    std::function<Outcome(const Launch&)> launcher;
    static Outcome Start(const Launch& launch);
    // The desktop's own text editor's command for a file; empty when it has
    // none. Tests put a stand-in here.
    std::function<QStringList(const QString& file)> textEditorCommand;
    static QStringList DesktopTextEditor(const QString& file);

private:
    void LaunchProgram(const std::string& program, const QString& file, bool associationMessage);
    // An editor setting left at the general opener would show a page
    // rendered: the desktop's text editor is taken instead, when it has one.
    void LaunchEditor(const std::string& program, const QString& file, bool associationMessage);
    void LaunchAssociation(const QString& file, bool associationMessage);
    void Report(Outcome outcome, bool associationMessage);
    void Warn(const QString& text);
    std::string MapHtml() const;

    CZephyrmapDoc& m_doc;
    AppSettings& m_settings;
    PaneInterface& m_frame;
    QWidget* m_owner;
    PreviewFileMark m_preview; // the work file this run wrote
};
