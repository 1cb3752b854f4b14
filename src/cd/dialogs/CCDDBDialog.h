#pragma once
// "CDDB Track and CD Information": looks the audio CD in a drive up in CDDB
// and shows its title and listings as four editable texts; corrects, adds
// and submits discs and sets the proxy. Messages go through the prompter.
#include "directory/CDocumentDirectoryInformation.h"

#include <QDialog>

class CCddbError;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class CCDDBDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CCDDBDialog(QWidget* parent = nullptr);

    // Batch processing: select the drive and look it up as soon as the
    // dialog shows.
    void Preset(const QString& drive);
    void SetTexts(const CCddbTexts& texts);
    CCddbTexts Texts() const;

    // The buttons' work, callable from tests; true on success.
    bool GetDiskInformation();
    void UpdateInfo();
    void SubmitDisk();
    void EditProxy();
    void DisplayTrackTimes();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum Status { NotConnected, Accessing };
    void SetStatus(Status status);
    bool Lookup(const QString& drive);
    bool ResolveSeveralMatches();
    bool AddNewDisc();
    void BuildTexts();
    bool Fail(const QString& message);
    static void Report(const CCddbError& error);
    void SetBusy(bool busy);
    void FillDrives();

    QComboBox* m_drive;
    QLineEdit* m_title;
    QPlainTextEdit* m_trackListing;
    QPlainTextEdit* m_extTrackListing;
    QPlainTextEdit* m_extDiskInfo;
    QLabel* m_status;
    QCheckBox* m_trackTimes;
    QList<QPushButton*> m_actions;
    QString m_toc;
    QString m_presetDrive;
    bool m_preset = false;
    bool m_busy = false;
    int m_lastEditFlags = 0;
    int m_submitFlags = 0;
};
