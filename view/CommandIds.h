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
    CmdSaveSvgSource = 32860,
    CmdCopySvgToClipboard = 32861,
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
    // Tools
    CmdBrowserPreview = 32803,
    CmdSourcePreview = 32811,
    CmdOpenHtmlDocument = 32822,
    CmdEditHtmlDocument = 32820,
    CmdEditPicture = 32817,
    CmdEditLinkTarget = 32819,
    CmdOpenLinkTarget = 32818,
    CmdSettings = 32805,
    CmdCheckMap = 32862,
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
    CmdMagnification = 32830, // the tool bar's magnification button
    // Help
    CmdHelp = 57667,
    CmdReadMe = 32812,
    CmdAbout = 57664,
};
