#pragma once
// "Batch Processing": pick a drive, press Start, and every new medium in
// it updates the active label (directory listing or CDDB texts) and prints
// it. The work is CBatchProcessor's; this dialog shows it and supplies the
// dialogs and the printing.
#include "cd/CBatchProcessor.h"
#include "cd/CMediaDrive.h"
#include "cd/CQtPollTimer.h"

#include <QDialog>

class CCovermintDoc;
class CMediaMonitor;
class QCheckBox;
class CDriveListCombo;
class QPlainTextEdit;
class QPushButton;

class CBatchProcessing final : public QDialog, private IBatchSteps
{
public:
    struct Hooks
    {
        // The label's normal print path (the view's Print command).
        std::function<void()> print;
        // The directory dialog in batch mode on the drive; false on Cancel.
        std::function<bool(const QString& drive)> directoryDialog;
    };

    CBatchProcessing(CCovermintDoc& document, Hooks hooks, QWidget* parent = nullptr);
    ~CBatchProcessing() override;

    QString StatusText() const;
    CDriveListCombo* Drives() const { return m_drives; }
    CBatchProcessor& Processor() { return m_processor; }

    void reject() override;

private:
    std::optional<CCddbTexts> LookUpCddb(const QString& drive, const CCddbTexts& stored) override;
    bool ShowDirectoryDialog(const QString& drive) override;
    void Print() override;

    void AppendStatus(const QString& line);
    void OnStartStop();

    CCovermintDoc& m_document;
    Hooks m_hooks;
    CMediaDrive m_drive;
    CQtPollTimer m_timer;
    CBatchProcessor m_processor;
    CDriveListCombo* m_drives;
    QCheckBox* m_connectCddb;
    QCheckBox* m_showDirectory;
    QPlainTextEdit* m_status;
    QPushButton* m_startStop;
    CMediaMonitor* m_monitor;
};
