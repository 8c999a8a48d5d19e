#include "tests/view/ViewHarness.h"

#include "formats/AreaBlock.h"
#include "view/AreaClipboard.h"
#include "view/PastePlacement.h"

#include <QClipboard>
#include <QMimeData>

class AreaClipboardTest : public QObject
{
    Q_OBJECT
private:
    static void RunCommand(CZephyrmapView& view, CommandId id)
    {
        for (const CommandRoute& route : view.Commands()) {
            if (route.id == id && (!route.enabled || route.enabled()))
                route.run();
        }
    }
    static bool Enabled(CZephyrmapView& view, CommandId id)
    {
        for (const CommandRoute& route : view.Commands()) {
            if (route.id == id)
                return !route.enabled || route.enabled();
        }
        return false;
    }
    // Pastes with the pointer over picture point (x, y).
    static void PasteAt(ViewHarness& h, int x, int y, CommandId id)
    {
        QCursor::setPos(h.view.viewport()->mapToGlobal(h.At(x, y)));
        RunCommand(h.view, id);
    }

private slots:
    void copyReplacesWhatTheClipboardHeld()
    {
        ViewHarness h(1000, 800);
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier text"));
        CMapData* area = h.AddRect(20, 20, 60, 60);
        QVERIFY(!Enabled(h.view, CmdCopyArea));
        h.view.SelectArea(area);
        RunCommand(h.view, CmdCopyArea);
        QCOMPARE(AreaClipboard::ClipboardContents(), int(AreaClipboard::HasArea));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasText());
        QVERIFY(Enabled(h.view, CmdPasteArea));
        QVERIFY(Enabled(h.view, CmdPasteAreaWithAttributes));
    }

    void aPastedRectangleIsCentredOnThePointerUntilPlaced()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 60, 40);
        area->SetAttributes(std::string("a.html"), std::string("_top"), std::string("A"), 0, 1, std::string("id=q"));
        h.view.SelectArea(area);
        RunCommand(h.view, CmdCopyArea);
        PasteAt(h, 100, 100, CmdPasteArea);
        // Nothing is added before the click that places it.
        QCOMPARE(h.Drawn().size(), std::size_t(1));
        h.Move(100, 100);
        h.Click(100, 100);
        const std::vector<CMapData*> drawn = h.Drawn();
        QCOMPARE(drawn.size(), std::size_t(2));
        QCOMPARE(PointsOf(*drawn[1]), std::string("(80,90)(120,90)(120,110)(80,110)"));
        QVERIFY(drawn[1]->HasNoAttributes());
        QCOMPARE(h.doc.History().UndoSteps().front().kind, UndoAreaAdded);
    }

    void pasteWithAttributesKeepsThemAll()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 60, 40);
        area->SetAttributes(std::string("a.html"), std::string("_top"), std::string("A"), 0, 1, std::string("id=q"));
        h.view.SelectArea(area);
        RunCommand(h.view, CmdCutArea);
        QCOMPARE(h.Drawn().size(), std::size_t(0));
        PasteAt(h, 150, 150, CmdPasteAreaWithAttributes);
        h.Move(160, 155);
        h.Click(160, 155);
        const std::vector<CMapData*> drawn = h.Drawn();
        QCOMPARE(drawn.size(), std::size_t(1));
        QCOMPARE(PointsOf(*drawn[0]), std::string("(140,145)(180,145)(180,165)(140,165)"));
        QCOMPARE(drawn[0]->m_href, std::string("a.html"));
        QCOMPARE(drawn[0]->m_noHref, 1);
        QCOMPARE(drawn[0]->m_otherAttrs, std::string("id=q"));
    }

    // Any text survives a copy, between views as between running copies: an
    // area Shift-JIS holds goes in both blocks, any other in the UTF-8 one alone.
    void anyTextSurvivesACopy()
    {
        ViewHarness from(1000, 800), to(1000, 800);
        CMapData* area = from.AddRect(20, 20, 60, 40);
        area->SetAttributes(std::string("/wiki/Zürich?q=ñ"), std::string("𠮷"), std::string("Café — ©2026 €5 😀"), 0, 0,
                            std::string("title=\"지도 图片地图\""));
        from.view.SelectArea(area);
        RunCommand(from.view, CmdCopyArea);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->formats().size(), 1); // the Shift-JIS block would spoil the texts
        PasteAt(to, 150, 150, CmdPasteAreaWithAttributes);
        to.Move(160, 155);
        to.Click(160, 155);
        const std::vector<CMapData*> drawn = to.Drawn();
        QCOMPARE(drawn.size(), std::size_t(1));
        QCOMPARE(drawn[0]->m_href, std::string("/wiki/Zürich?q=ñ"));
        QCOMPARE(drawn[0]->m_target, std::string("𠮷"));
        QCOMPARE(drawn[0]->m_alt, std::string("Café — ©2026 €5 😀"));
        QCOMPARE(drawn[0]->m_otherAttrs, std::string("title=\"지도 图片地图\""));
        area->SetAttributes(std::string("地図.html"), std::string("_top"), std::string("地図"), 0, -1, std::string());
        RunCommand(from.view, CmdCopyArea);
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats().size(), 2);
    }

    void aDamagedBlockLeavesTheViewAlone()
    {
        ViewHarness h(1000, 800);
        std::string block = areablock::Encode(*h.AddRect(20, 20, 60, 40));
        block[4] = 100; // an HREF longer than the block
        auto* data = new QMimeData;
        data->setData(AreaClipboard::kMimeType, QByteArray::fromStdString(block));
        QGuiApplication::clipboard()->setMimeData(data);
        PasteAt(h, 100, 100, CmdPasteArea);
        h.Move(100, 100);
        h.Click(100, 100);
        QCOMPARE(h.Drawn().size(), std::size_t(1));
    }
};

QTEST_MAIN(AreaClipboardTest)
#include "AreaClipboardTest.moc"
