#include "view/ViewContextMenu.h"

#include "view/AreaPicker.h"
#include "view/CZephyrmapView.h"
#include "view/PaneInterface.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

void ViewContextMenu::Show(QPoint global)
{
    QMenu menu(&m_view);
    for (CommandId id : {CmdRectangleTool, CmdCircleTool, CmdPolygonTool})
        menu.addAction(m_frame.Action(id));
    menu.addSeparator();
    for (CommandId id : {CmdCopyArea, CmdCutArea, CmdPasteArea, CmdPasteAreaWithAttributes})
        menu.addAction(m_frame.Action(id));
    menu.addSeparator();
    for (CommandId id : {CmdDeleteArea, CmdDeletePoint})
        menu.addAction(m_frame.Action(id));
    menu.addSeparator();
    for (CommandId id : {CmdOpenLinkTarget, CmdEditLinkTarget})
        menu.addAction(m_frame.Action(id));
    // Where areas overlap, the next one down: Alt+click does the same, on
    // desktops that leave Alt+click to the program.
    const Point at = m_view.ToPicture(m_view.viewport()->mapFromGlobal(global));
    const AreaPicker picker(m_view.Doc());
    if (picker.At(at).size() > 1) {
        menu.addSeparator();
        QAction* beneath = menu.addAction(QCoreApplication::translate("ViewContextMenu", "重なったエリアを選択(&O)"));
        CZephyrmapView& view = m_view;
        QObject::connect(beneath, &QAction::triggered, &menu,
                         [&view, at, picker] { view.SelectAndTell(picker.NextAt(at, view.SelectedArea())); });
    }
    menu.exec(global);
}
