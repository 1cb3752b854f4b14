#pragma once
// The menu commands that reach CDDB: Connect to CDDB on a label, the
// registration and the music browser.
class CCovermintDoc;
class QWidget;

namespace CddbCommands {

// The CDDB dialog opens with the label's stored texts; OK stores the edited
// ones in the label. Returns whether the label changed.
bool ConnectToCddb(CCovermintDoc& document, QWidget* parent);
void UpdateRegistration();
void OpenMusicBrowser();
// At exit: the client, the current disc and the match list go.
void Release();

} // namespace CddbCommands
