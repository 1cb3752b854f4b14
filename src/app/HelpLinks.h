#pragma once
// The manual (help/index.html in the home folder, topics as anchors) and the
// web and mail addresses of the Links menu.
#include <QString>
#include <QUrl>

class QWidget;

namespace HelpLinks {

QString ManualPath(const QString& homeFolder);
// The manual's page, at a topic's anchor when one is given.
QUrl HelpUrl(const QString& homeFolder, const QString& topic = QString());
// The address a Links menu command opens; empty for other commands.
QUrl LinkUrl(int commandId, const QString& homeFolder);
// Hands the address to the desktop; a missing manual or a failure to start
// the browser or mail program is reported.
void Open(const QUrl& url);
// F1 in the widget opens the manual at the topic.
void AddContextHelp(QWidget* widget, const QString& topic);

} // namespace HelpLinks
