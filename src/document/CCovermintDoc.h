#pragma once
// One open label or template: its engine and primitives, header, directory
// information records, directory display settings, undo history and page size.
#include "directory/DirectoryData.h"
#include "directory/DirectoryDisplaySettings.h"
#include "drawing/CDrawingEngine.h"
#include "drawing/EditSnapshot.h"
#include "drawing/ILabelDocument.h"
#include "drawing/UndoCommands.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CDocumentDirectoryInformation;
class ILabelView;

struct CLabelHeaderFields
{
    QString description;
    QString name;
    QString author;
    QString created;
    QString version; // what the last loaded file said
};

class CCovermintDoc : public QObject, public ILabelDocument, public IDirectoryData
{
    Q_OBJECT
public:
    CCovermintDoc();
    ~CCovermintDoc() override;

    CDirectoryDisplaySettings& DisplaySettings() { return m_display; }
    const CDirectoryDisplaySettings& DisplaySettings() const { return m_display; }
    CCommandProcessor& CommandProcessor() { return m_commands; }
    // Undo and Redo of the Edit menu; coming back to the saved step clears
    // the modified flag, leaving it sets the flag.
    bool Undo();
    bool Redo();
    CDrawingEngine& Engine() { return *m_engine; }
    const CDrawingEngine& Engine() const { return *m_engine; }
    QSize PageSize() const { return m_pageSize; }
    void RefreshPageSize();

    // -- header; the setters update the special texts that show the field
    const CLabelHeaderFields& Header() const { return m_header; }
    void SetDescription(const QString& v);
    void SetName(const QString& v);
    void SetAuthor(const QString& v);
    void SetCreationDate(const QString& v);
    void SetHeaderVersion(const QString& v) { m_header.version = v; }
    // Plain store of all five fields, without touching any text (loading).
    void RestoreHeader(const CLabelHeaderFields& header) { m_header = header; }
    // The header as an edit recorder keeps it (EditSnapshot.h), so that undo
    // of a header change restores the fields with the texts that show them.
    ExtraStateCapture HeaderState();

    // -- directory information records (never empty; one per segment name)
    CDocumentDirectoryInformation* FindDirectoryInformation(const QString& segmentName) const;
    int CountDirectoryInformation() const { return int(m_records.size()); }
    QStringList SegmentNames() const;
    CDocumentDirectoryInformation* AddDirectoryInformation(const QString& segmentName);
    const CFileDirectory* TreeOfSegment(const QString& segmentName) const override;
    const CDirectoryDisplaySettings& DirectoryDisplay() const override { return m_display; }
    void SyncDirectoryInformation();
    const std::vector<std::unique_ptr<CDocumentDirectoryInformation>>& Records() const { return m_records; }
    // Empties every record's tree, sizes and CDDB texts (after the question).
    void ClearDirectoryAndCddbData();
    // The menu command: asks first, clears on Yes. Returns whether it cleared.
    bool OnClearDirectoryAndCddbData();

    // -- framework side: title, path, modified flag, views
    QString Title() const { return m_title; }
    void SetTitle(const QString& title);
    QString PathName() const { return m_pathName; }
    void SetPathName(const QString& path);
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);
    // For changes that are not undo steps (a drive read, CDDB texts): undoing
    // back to the saved step must not make the label look saved.
    void MarkChangedBeyondUndo();
    void AddView(ILabelView* view);
    void RemoveView(ILabelView* view);
    const std::vector<ILabelView*>& Views() const { return m_views; }
    void UpdateAllViews() override;
    void MarkModified() override { SetModifiedFlag(true); }
    void SubmitCommand(std::unique_ptr<CCommand> command) override { m_commands.Submit(std::move(command)); }

    // -- contents
    void DeleteContents();
    // After the framework's new-document step: the unnamed record's tree is emptied.
    void OnNewDocument();
    // Reads a label or template file into this document (messages through
    // the prompter); the document stays as constructed on failure.
    bool Load(const QString& path);
    // Writes the whole label atomically; on failure the old file stays and
    // error holds a readable reason.
    bool SaveTo(const QString& path, QString* error = nullptr);
    // Save or Save As with the name the user chose: the doubled endings are
    // cut (see SaveNameRules.h), the label written, and with replace the name
    // becomes the document's path. A failure is reported through the
    // prompter. Returns the path written, or an empty string.
    QString DoSave(const QString& chosenPath, bool replace);

signals:
    void modifiedChanged(bool modified);
    void titleChanged(const QString& title);
    void viewsNeedUpdate();

private:
    // Stores one header field and shows it in the texts of that special name.
    void SetHeaderField(QString CLabelHeaderFields::*field, const QString& specialName, const QString& v);

    CDirectoryDisplaySettings m_display;
    CCommandProcessor m_commands{40};
    QSize m_pageSize{850, 1100};
    std::unique_ptr<CDrawingEngine> m_engine;
    std::vector<std::unique_ptr<CDocumentDirectoryInformation>> m_records;
    CLabelHeaderFields m_header;
    QString m_title;
    QString m_pathName;
    bool m_modified = false;
    std::vector<ILabelView*> m_views;
};
