#include "app/CommandTable.h"

#include "toolkit/CommandIds.h"

#include <algorithm>

namespace {

using namespace CommandId;

const CommandInfo kCommands[] = {
    // File
    {New, "&New...", "Ctrl+N", "Creates a new label from a template\nNew Label"},
    {Open, "&Open...", "Ctrl+O", "Opens a label or template\nOpen"},
    {Close, "&Close", "", "Closes the active label\nClose"},
    {Save, "&Save", "Ctrl+S", "Saves the active label\nSave"},
    {SaveAs, "Save &As...", "", "Saves the active label under a new name\nSave As"},
    {DirectoryInformation, "&Directory Information...", "", "Shows the directory information of the label\nDirectory Information"},
    {ReadDrive, "R&ead Drive", "", "Reads the label drive into the label\nRead Drive"},
    {BatchUpdate, "Batch &Update", "", "Updates and prints labels for each new medium\nBatch Update"},
    {ConnectToCddb, "Connect to CDD&B...", "", "Looks up the audio CD in the CDDB\nConnect to CDDB"},
    {Print, "&Print...", "Ctrl+P", "Prints the active label\nPrint"},
    {PrintPreview, "Print Pre&view", "", "Shows the label as it will be printed\nPrint Preview"},
    {PrintSetup, "P&rint Setup...", "", "Chooses the printer and the paper\nPrint Setup"},
    {PrintCalibration, "Print Cali&bration...", "", "Prints a test page and corrects where a printer puts labels\nPrint Calibration"},
    {CddbRegistration, "CDDB - Update CDDB Registration Info...", "", "Changes your CDDB registration\nCDDB Registration"},
    {Exit, "E&xit", "", "Quits Covermint, asking to save modified labels\nExit"},
    // Edit
    {Undo, "&Undo", "Ctrl+Z", "Undoes the last action\nUndo"},
    {Redo, "&Redo", "Ctrl+Y", "Redoes the action undone last\nRedo"},
    {SelectAll, "Select &All", "Ctrl+A", "Selects every primitive of the label\nSelect All"},
    {Cut, "Cu&t", "Ctrl+X", "Moves the selection to the clipboard\nCut"},
    {Copy, "&Copy", "Ctrl+C", "Copies the selection to the clipboard\nCopy"},
    {Paste, "&Paste", "Ctrl+V", "Inserts the clipboard's primitives\nPaste"},
    {LabelHeader, "Label &Header...", "", "Edits the label's name, description, author and date\nLabel Header"},
    {ClearCddbAndDirectory, "Clear CDD&B and Directory Data...", "", "Empties the CDDB texts and directory listings of the label\nClear Data"},
    // Drawing
    {ZoomIn, "Zoom &In", "", "Shows the label larger\nZoom In"},
    {ZoomOut, "Zoom &Out", "", "Shows the label smaller\nZoom Out"},
    {Zoom10 + 0, "10%", "", "Shows the label at 10%\n10%", true},
    {Zoom10 + 1, "20%", "", "Shows the label at 20%\n20%", true},
    {Zoom10 + 2, "30%", "", "Shows the label at 30%\n30%", true},
    {Zoom10 + 3, "40%", "", "Shows the label at 40%\n40%", true},
    {Zoom10 + 4, "50%", "", "Shows the label at 50%\n50%", true},
    {Zoom10 + 5, "60%", "", "Shows the label at 60%\n60%", true},
    {Zoom10 + 6, "70%", "", "Shows the label at 70%\n70%", true},
    {Zoom10 + 7, "80%", "", "Shows the label at 80%\n80%", true},
    {Zoom10 + 8, "90%", "", "Shows the label at 90%\n90%", true},
    {Zoom10 + 9, "100%", "", "Shows the label at its real size\n100%", true},
    {Zoom10 + 10, "150%", "", "Shows the label at 150%\n150%", true},
    {Zoom10 + 11, "200%", "", "Shows the label at 200%\n200%", true},
    {Zoom10 + 12, "250%", "", "Shows the label at 250%\n250%", true},
    {Zoom10 + 13, "300%", "", "Shows the label at 300%\n300%", true},
    {MoveToTop, "Move To &Top", "", "Puts the selection on top of all other primitives\nMove To Top"},
    {MoveToBottom, "Move To &Bottom", "", "Puts the selection below all other primitives\nMove To Bottom"},
    {Lower, "&Lower", "", "Moves the selection one step down\nLower"},
    {Raise, "&Raise", "", "Moves the selection one step up\nRaise"},
    {MakeAllSelectable, "Make All Selectable", "", "Makes every primitive selectable\nMake All Selectable"},
    {MakeUnselectable, "Make Unselectable", "", "Makes the selected primitives unselectable\nMake Unselectable"},
    {MakeSelectedMoveable, "Make Selected &Moveable", "", "Lets the selected primitives be moved\nMake Moveable"},
    {MakeSelectedUnmoveable, "Make Selected &Unmoveable", "", "Keeps the selected primitives in place\nMake Unmoveable"},
    {Colors, "&Colors...", "", "Sets the line, fill and text colours\nColors"},
    {Fonts, "&Fonts...", "", "Sets the font of text and directory listings\nFonts"},
    {PenSize1 + 0, "1", "", "Draws with a pen 1 wide\nPen Size 1", true},
    {PenSize1 + 1, "2", "", "Draws with a pen 2 wide\nPen Size 2", true},
    {PenSize1 + 2, "3", "", "Draws with a pen 3 wide\nPen Size 3", true},
    {PenSize1 + 3, "4", "", "Draws with a pen 4 wide\nPen Size 4", true},
    {AddImage, "Add &Image...", "", "Add an image to the drawing\nAdd Image"},
    // Tools
    {ToolSelection, "Selection", "", "Use the cursor to select drawing items\nSelection", true},
    {ToolDragSelection, "Drag Selection", "", "Use the cursor to drag select drawing items\nDrag Selection", true},
    {ToolFreehand, "Freehand", "", "Use the cursor to draw a freehand object\nFreehand", true},
    {ToolRectangle, "Rectangle", "", "Use the cursor to draw a rectangle object\nRectangle", true},
    {ToolRoundedRectangle, "Rounded Rectangle", "", "Use the cursor to draw a rounded rectangle object\nRounded Rectangle", true},
    {ToolLine, "Line", "", "Use the cursor to draw a line object\nLine", true},
    {ToolDirectorySegment, "Directory Segment", "", "Creates a directory segment to hold directory information\nDirectory Segment", true},
    {ToolText, "Text", "", "Add a text object to the drawing\nText", true},
    {ToolEllipse, "Ellipse", "", "Add an ellipse to the drawing\nEllipse", true},
    // Window
    {WindowCascade, "&Cascade", "", "Arranges the label windows so that they overlap\nCascade"},
    {WindowTile, "&Tile", "", "Arranges the label windows side by side\nTile"},
    {WindowArrange, "&Arrange Icons", "", "Lines up the minimised label windows\nArrange Icons"},
    // Links and help
    {LinkCddbHome, "&gnudb Home Page", "", "Opens the web site of the gnudb CD database\ngnudb"},
    {LinkCddbBrowser, "CDDB &Music Browser", "", "Browses music in the CD database\nMusic Browser"},
    {LinkHome1, "Covermint &Manual", "", "Opens the Covermint manual\nManual"},
    {LinkHome2, "Covermint &Web Page", "", "Opens the Covermint web page\nWeb Page"},
    {LinkMail, "&Tell a Friend...", "", "Writes a mail that recommends Covermint\nMail"},
    {HelpContents, "&Contents", "F1", "Opens the Covermint manual\nHelp"},
    {About, "&About Covermint...", "", "Shows the program's name, version and build\nAbout"},
    {TipOfTheDay, "&Tip of the Day...", "", "Shows a tip about Covermint\nTip of the Day"},
};

// The tools are the view's to offer (CCovermintView::IsToolAvailable).
constexpr int kUnavailable[] = {LinkHome2};

constexpr int kTools[] = {ToolSelection,        ToolDragSelection, ToolFreehand, ToolRectangle,
                          ToolRoundedRectangle, ToolLine,          ToolDirectorySegment, ToolText,
                          ToolEllipse};

constexpr int kViewCommands[] = {Print,       PrintPreview, ZoomIn,     ZoomOut,    MoveToTop,
                                 MoveToBottom, Lower,       Raise,      MakeAllSelectable,
                                 MakeUnselectable, MakeSelectedMoveable, MakeSelectedUnmoveable,
                                 Colors,      Fonts,        Properties, ToggleMoveable,
                                 ToggleSelectable, AddImage};

constexpr int kDocumentCommands[] = {Close, Save, SaveAs, Undo, Redo, SelectAll,
                                     Cut,   Copy, Paste,  LabelHeader, ClearCddbAndDirectory, ReadDrive,
                                     DirectoryInformation};

template <std::size_t N>
bool Contains(const int (&ids)[N], int id)
{
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

} // namespace

namespace CommandTable {

std::span<const CommandInfo> All()
{
    return kCommands;
}

const CommandInfo* Find(int id)
{
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [id](const CommandInfo& c) { return c.id == id; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

bool IsUnavailable(int id)
{
    return Contains(kUnavailable, id);
}

bool IsToolCommand(int id)
{
    return Contains(kTools, id);
}

bool IsZoomLevel(int id)
{
    return id >= Zoom10 && id <= Zoom300;
}

bool IsPenSize(int id)
{
    return id >= PenSize1 && id <= PenSize4;
}

bool IsViewCommand(int id)
{
    return Contains(kViewCommands, id) || IsZoomLevel(id) || IsPenSize(id);
}

bool IsDocumentCommand(int id)
{
    return Contains(kDocumentCommands, id);
}

} // namespace CommandTable
