#pragma once
// The editor's command ids, one place for the command table, the main frame,
// the view and the pages. The numbers are those the menus, the accelerators
// and the tool bar have always used.

enum CommandId : int {
    // File
    CmdNewMap = 57600,
    CmdOpenFromHtmlFile = 32786,
    CmdOpenFromClipboard = 32791,
    CmdSaveHtmlSource = 32778,
    CmdCopyHtmlToClipboard = 32779,
    CmdUpdateHtmlDocument = 32840,
    CmdOpen = 57601,
    CmdSave = 57603,
    CmdSaveAs = 57604,
    CmdRecentFile1 = 57616, // up to CmdRecentFile1 + 4
    CmdExit = 57665,
    CmdPrint = 57607,
    // Edit
    CmdUndo = 57643,
    CmdRedo = 57644,
    CmdCopyArea = 32781,
    CmdCutArea = 32784,
    CmdPasteArea = 32783,
    CmdPasteAreaWithAttributes = 32782,
    CmdDeleteArea = 32789,
    CmdDeletePoint = 157,
    // Area
    CmdRectangleTool = 32773,
    CmdCircleTool = 32774,
    CmdPolygonTool = 32772,
    CmdTraceTool = 32870,
    CmdKeepTool = 32880,
    CmdAlignLeft = 32881, // the "整列" submenu, up to CmdSameHeight
    CmdAlignRight = 32882,
    CmdAlignTop = 32883,
    CmdAlignBottom = 32884,
    CmdAlignCentresHorizontally = 32885,
    CmdAlignCentresVertically = 32886,
    CmdDistributeHorizontally = 32887,
    CmdDistributeVertically = 32888,
    CmdSameWidth = 32889,
    CmdSameHeight = 32890,
    // Tools
    CmdBrowserPreview = 32803,
    CmdSourcePreview = 32811,
    CmdOpenHtmlDocument = 32822,
    CmdEditHtmlDocument = 32820,
    CmdEditPicture = 32817,
    CmdEditLinkTarget = 32819,
    CmdOpenLinkTarget = 32818,
    CmdSettings = 32805,
    // View
    CmdToggleToolBar = 32813,
    CmdTogglePane = 32814,
    CmdToggleStatusBar = 59393,
    CmdToggleHatching = 170,
    CmdZoom50 = 164,
    CmdZoom100 = 165,
    CmdZoom150 = 166,
    CmdZoom200 = 167,
    CmdZoom300 = 168,
    CmdZoom25 = 32891,
    CmdZoom400 = 32892,
    CmdZoom600 = 32893,
    CmdZoom800 = 32894,
    CmdZoomIn = 32895,
    CmdZoomOut = 32896,
    CmdZoomToFit = 32897,
    CmdShowGrid = 32898,
    CmdSnapToGrid = 32899,
    CmdSnapToAreas = 32900,
    CmdMagnification = 32830, // the tool bar's magnification button
    // Help
    CmdHelp = 57667,
    CmdReadMe = 32812,
    CmdAbout = 57664,
};
