#pragma once
// The tips file: one tip a line; lines starting with a blank, a tab, a line
// feed or ';' are skipped. Reading goes round to the start after the last tip.
// The settings remember where the next tip starts and which version of the
// file that position belongs to.
#include <QFile>
#include <QString>

struct CTipSettings
{
    int startUp = 0;   // 0 shows the tips at start-up
    qint64 filePos = 0;
    QString timeStamp; // the file's modification time when filePos was valid

    static CTipSettings Load();
    void Save() const;
};

class CTipFile
{
public:
    enum class Status { Ok, Missing, Unreadable, ReadError, NoTips };

    // Opens the file; Missing or Unreadable when that fails.
    Status Open(const QString& path);
    bool IsOpen() const { return m_file.isOpen(); }
    // The modification time as the 24-character local time text, trimmed.
    QString TimeStamp() const;
    bool Seek(qint64 position);
    qint64 Position() const { return m_file.isOpen() ? m_file.pos() : 0; }
    // The next tip; on NoTips or ReadError the text is empty.
    QString ReadNextTip(Status* status);

    // "Sun Sep 16 01:03:52 1973": English names, day padded with a blank.
    static QString TimeText(const QDateTime& when);
    static bool IsTipLine(const QByteArray& line);
    static QString MessageFor(Status status);

    static constexpr int kMaxLineLength = 1000;

private:
    // The next tip line from the current position up to the end, if any.
    bool ReadTipBeforeEnd(QString* tip);

    QFile m_file;
};
