#pragma once
// Picks one of several discs CDDB offers for a table of contents.
#include "cd/CCddbDisc.h"

#include <QDialog>
#include <vector>

class QListWidget;

class CDiscChooserDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CDiscChooserDialog(const std::vector<CCddbDisc>& matches, QWidget* parent = nullptr);
    // The chosen row, or -1.
    int Choice() const;

private:
    QListWidget* m_list;
};
