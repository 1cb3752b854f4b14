#pragma once
// The window of one open label: owns the document and its view, keeps its
// caption in step with the document, and asks before a modified label closes.
#include <QMdiSubWindow>
#include <memory>

class CCovermintDoc;
class CCovermintView;
class CLabelSaver;

class CChildFrame : public QMdiSubWindow
{
    Q_OBJECT
public:
    CChildFrame(std::unique_ptr<CCovermintDoc> document, CLabelSaver& saver, QWidget* parent = nullptr);
    // The view goes first: it unregisters from the document.
    ~CChildFrame() override;

    CCovermintDoc& Document() const { return *m_document; }
    CCovermintView& View() const { return *m_view; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateCaption();

    std::unique_ptr<CCovermintDoc> m_document;
    CCovermintView* m_view;
    CLabelSaver& m_saver;
};
