#pragma once
// Command identifiers of menus, tool bars and the context menu. The numbers
// are the program's long-standing command ids; actions carry them as data.
namespace CommandId {
enum : int {
    // File
    New = 57600,
    Open = 57601,
    Close = 57602,
    Save = 57603,
    SaveAs = 57604,
    PrintSetup = 57606,
    Print = 57607,
    PrintPreview = 57609,
    PrintCalibration = 32884,
    RecentFiles = 57616,
    Exit = 57665,
    ReadDrive = 32800,
    DirectoryInformation = 32802,
    BatchUpdate = 32876,
    ConnectToCddb = 32826,
    CddbRegistration = 32877,
    // Edit
    Undo = 57643,
    Redo = 57644,
    SelectAll = 32845,
    Cut = 57635,
    Copy = 57634,
    Paste = 57637,
    LabelHeader = 32827,
    ClearCddbAndDirectory = 32828,
    // Drawing
    ZoomIn = 32790,
    ZoomOut = 32791,
    Zoom10 = 32829, // 10%, 20%, ... 90%, 100%, 150%, 200%, 250%, 300% = 32829 .. 32842
    Zoom300 = 32842,
    MoveToTop = 32803,
    MoveToBottom = 32804,
    Lower = 32805,
    Raise = 32806,
    MakeAllSelectable = 32856,
    MakeUnselectable = 32859,
    MakeSelectedMoveable = 32857,
    MakeSelectedUnmoveable = 32858,
    Colors = 32811,
    Fonts = 32812,
    PenSize1 = 32814, // .. PenSize4 = 32817
    PenSize4 = 32817,
    Properties = 32843,
    ToggleMoveable = 32846,
    ToggleSelectable = 32847,
    AddImage = 32789,
    // Context menu "Width": column presets of a directory segment
    WidthFront1 = 32848, // .. 6 columns = 32853
    WidthBack1 = 32860,  // .. 32865
    WidthZip1 = 32866,   // .. 32868
    WidthJaz1 = 32869,   // .. 32871
    // Tools
    ToolDirectorySegment = 32797,
    ToolFreehand = 32774,
    ToolLine = 32854,
    ToolRectangle = 32773,
    ToolRoundedRectangle = 32855,
    ToolEllipse = 32823,
    ToolText = 32818,
    ToolSelection = 32785,
    ToolDragSelection = 32821,
    // View
    ViewToolbar = 59392,
    ViewDrawingBar = 32786,
    ViewStackingBar = 32809,
    ViewDriveBar = 32810,
    ViewStatusBar = 59393,
    ViewWorkspace = 103,
    ViewZoomBar = 32795,
    // Window
    WindowCascade = 57650,
    WindowTile = 57651,
    WindowArrange = 57649,
    // Links and help
    LinkCddbHome = 32874,
    LinkCddbBrowser = 32879,
    LinkHome1 = 32880,
    LinkHome2 = 32883,
    LinkMail = 32882,
    HelpContents = 57667,
    About = 57664,
    TipOfTheDay = 32875,
    // Sent to every view after Print Setup
    PageSizeRefresh = 38794,
};

// The zoom ladder and the id of each level's menu item.
inline constexpr int kZoomLadder[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 150, 200, 250, 300};
inline constexpr int kZoomLevels = 14;
} // namespace CommandId
