#pragma once
// The whole editor on a temporary settings file, with a map open over a
// picture in a temporary folder, for the tests of the frame and the pages.
// Message boxes are answered by the harness and kept for the test.

#include "app/CMainFrame.h"
#include "app/CZephyrmapApp.h"
#include "model/CMapData.h"
#include "model/CZephyrmapDoc.h"
#include "model/MapCommands.h"
#include "panes/CAreaPage.h"
#include "panes/CMapPage.h"
#include "services/dialogs/ProgramMessage.h"
#include "services/picture/QtText.h"
#include "services/store/SettingsStore.h"
#include "view/CZephyrmapView.h"

#include <QDir>
#include <QDockWidget>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

struct AppHarness {
    QTemporaryDir dir;
    QStringList boxes;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    std::unique_ptr<CZephyrmapApp> app;

    explicit AppHarness(const QStringList& arguments = {})
    {
        ProgramMessage::SetAnswerer([this](const ProgramMessageRecord& box) {
            boxes << box.text;
            return answer;
        });
        app = std::make_unique<CZephyrmapApp>(std::make_unique<SettingsStore>(Path("settings.ini")));
        app->InitInstance(arguments, true);
        // Room enough for the pages to show every row the tests use.
        Frame().showNormal();
        Frame().resize(1400, 1000);
        Frame().activateWindow();
        QApplication::processEvents();
        QApplication::setActiveWindow(&Frame());
    }
    ~AppHarness()
    {
        app->DestroyFrame();
        ProgramMessage::SetAnswerer({});
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    std::string ProgramPath(const QString& name) const { return FromQString(Path(name)); }
    CMainFrame& Frame() { return *app->Frame(); }
    CZephyrmapDoc& Doc() { return *app->Document(); }
    CZephyrmapView& View() { return Frame().View(); }
    CAreaPage& AreaPage() { return Frame().AreaPage(); }
    CMapPage& MapPage() { return Frame().MapPage(); }

    // A new map over a 300 x 200 picture `picture`, used by `document`.
    void OpenMap(const QString& picture = QStringLiteral("pic.png"),
                 const QString& document = QStringLiteral("index.html"))
    {
        QDir().mkpath(QFileInfo(Path(picture)).absolutePath());
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.save(Path(picture));
        QFile page(Path(document));
        page.open(QIODevice::WriteOnly);
        page.write("<html></html>");
        page.close();
        Doc().DeleteContents();
        Doc().SetAttribute(AttrMapName, "m");
        Doc().SetAttribute(AttrImageSrc, ProgramPath(picture));
        Doc().SetAttribute(AttrHtmlPath, ProgramPath(document));
        mapcmd::AfterMapCreated(Doc());
    }

    // The area tab in front and laid out, for tests that click its rows.
    void ShowAreaPage()
    {
        Frame().ShowTab(1);
        QApplication::processEvents();
    }

    CMapData* AddRect(int left, int top, int right, int bottom)
    {
        auto area = std::make_unique<CMapData>();
        area->m_shape = ShapeRect;
        area->m_points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
        area->BuildRegion();
        CMapData* raw = area.get();
        View().AddArea(std::move(area));
        return raw;
    }

    // A command as its menu item or keys run it, its rule checked first.
    void Run(int id)
    {
        Frame().UpdateCommandUI();
        Frame().ActionById(id)->trigger();
    }

    // A click at a picture point of the view, the pointer moved there first
    // as a hand would.
    void ClickInView(int x, int y)
    {
        const QPoint at = View().ToLogical({x, y}) - View().ScrollPosition();
        QMouseEvent move(QEvent::MouseMove, at, View().viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(View().viewport(), &move);
        QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, at);
    }

    // A map with one rectangle, selected on the area page.
    CAreaPage& PageWithOneArea()
    {
        OpenMap();
        AddRect(1, 1, 10, 10);
        AreaPage().SelectArea(0);
        return AreaPage();
    }
};
