#pragma once
// "Tip of the Day": shows one tip at a time from the home folder's tips.txt.
#include "app/TipFile.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

class CTipDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CTipDlg(const QString& tipsPath, QWidget* parent = nullptr);
    // Remembers where the next tip starts.
    ~CTipDlg() override;

    QString TipText() const;
    QPushButton* NextButton() const { return m_next; }
    QPushButton* CloseButton() const { return m_close; }
    QCheckBox* StartUpCheck() const { return m_startUp; }

    // Whether the tips should be shown when the program starts.
    static bool ShowAtStartUp();

public slots:
    void OnNextTip();

private:
    void OnClose();
    void ShowTip(const QString& tip, CTipFile::Status status);

    CTipFile m_tips;
    CTipSettings m_settings;
    QLabel* m_text = nullptr;
    QCheckBox* m_startUp = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_close = nullptr;
};
